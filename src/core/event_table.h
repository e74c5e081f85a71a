#pragma once
#include <span>
#include <string_view>

#include "core/error_styles.h"
#include "platform/form.h"

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

}  // namespace parcelo
