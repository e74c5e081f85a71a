#pragma once
#include <memory>
#include <span>
#include <string_view>

#include "core/error_styles.h"
#include "platform/form.h"
#include "platform/platform.h"

namespace parcelo {

// One row of a window's event table: the event of a source and the handler that receives it.
template <class Window>
struct Binding {
    std::string_view source;
    Event event;
    void (Window::*handler)();
};

template <class Window>
using EventTable = std::span<const Binding<Window>>;

// Runs the handler bound to the event, if any. A platform failure that the handler does not handle
// itself is reported and the program goes on; a fault of the program itself goes on up.
template <class Window>
void dispatch(EventTable<Window> table, Window& window, std::string_view source, Event event, Dialogs& dialogs) {
    for (const Binding<Window>& binding : table) {
        if (binding.source == source && binding.event == event) {
            reportErrors(dialogs, [&] { (window.*binding.handler)(); });
            return;
        }
    }
}

// What every window does with its form, written once: `Window` keeps its `platform_`, its `form_` and
// its `eventTable`, and lets this class reach them.
template <class Window>
class FormWindow : public FormEvents {
public:
    void onEvent(std::string_view source, Event event) override {
        Window& window = self();
        if (!window.form_) return;  // the platform may report sizes while the window is being made
        dispatch(Window::eventTable, window, source, event, window.platform_.dialogs);
    }

protected:
    // Makes the form from its design and runs its load step, unless it is made already.
    void loadForm(const FormDesign& design) {
        Window& window = self();
        if (window.form_) return;
        window.form_ = window.platform_.ui.createForm(design, *this);
        onEvent(formSource, Event::Load);
    }
    // Shows the form modal, made first if need be, and returns once it is hidden or unloaded; an
    // unloaded form is made afresh for the next showing.
    void showModal(const FormDesign& design) {
        loadForm(design);
        Window& window = self();
        window.form_->showModal();
        if (!window.form_->loaded()) window.form_.reset();
    }

private:
    Window& self() { return static_cast<Window&>(*this); }
};

}  // namespace parcelo
