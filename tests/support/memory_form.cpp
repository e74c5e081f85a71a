#include "support/memory_form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/drive_text.h"
#include "core/keyboard.h"
#include "core/option_group.h"
#include "core/tab_order.h"
#include "platform/platform_error.h"

namespace parcelo {

MemoryControl::MemoryControl(const ControlDesign& design, FileSystem& files, FormEvents& events, MemoryForm& form)
    : design_(design), files_(files), events_(events), form_(form), text_(design.caption),
      checked_((design.flags & control_flag::checked) != 0), rect_(design.rect) {}

void MemoryControl::record(const std::string& action) { form_.log.push_back(std::string(design_.name) + " " + action); }

void MemoryControl::setChecked(bool checked) {
    if (checked == checked_) return;
    const bool click = applyCheck(form_.design().controls, design_, checked,
                                  [&](std::string_view other) { form_.memoryControl(other).checked_ = false; });
    checked_ = checked;
    if (click) events_.onEvent(design_.name, Event::Click);
}

void MemoryControl::setDrive(const std::string& text) {
    const std::string drive = driveOf(text);
    if (drive.empty()) throw PlatformError(error_code::invalidDrive, "ドライブが見つかりません: " + text);
    if (!files_.attributes(drive + "\\").directory)
        throw PlatformError(error_code::notReady, "ドライブの準備ができていません: " + drive);
    if (drive == drive_) return;
    drive_ = drive;
    record("drive " + drive_);
    events_.onEvent(design_.name, Event::Change);
}

void MemoryControl::setPath(const std::string& path) {
    // A bare drive stands for that drive's root here, as no drive has a current folder.
    const std::string folder = isDriveDesignation(path) ? driveOf(path) + "\\" : path;
    if (!files_.attributes(folder).directory)
        throw PlatformError(error_code::pathNotFound, "パスが見つかりません: " + path);
    if (folder == path_) return;
    path_ = folder;
    record("path " + path_);
    events_.onEvent(design_.name, Event::Change);
}

void MemoryControl::userCheck(size_t row) {
    rows_.at(row).checked = !rows_.at(row).checked;
    eventRow_ = row;
    events_.onEvent(design_.name, Event::ItemCheck);
}

void MemoryControl::userRename(size_t row, const std::string& name) {
    eventRow_ = row;
    typed_ = name;
    events_.onEvent(design_.name, Event::Rename);
}

MemoryForm::MemoryForm(const FormDesign& design, FileSystem& files, FormEvents& events)
    : design_(design),
      events_(events),
      restored_{design.client.left - memoryFrameWidth / 2, design.client.top - memoryFrameHeight + memoryFrameWidth / 2,
                design.client.width + memoryFrameWidth, design.client.height + memoryFrameHeight} {
    for (const ControlDesign& c : design.controls)
        controls_.emplace(std::string(c.name), std::make_unique<MemoryControl>(c, files, events, *this));
}

MemoryForm::~MemoryForm() {
    if (ui_) std::erase(ui_->forms_, this);
}

void MemoryForm::click(std::string_view name) {
    MemoryControl& c = memoryControl(name);
    if (c.kind() == ControlKind::OptionButton) c.setChecked(true);
    else if (c.kind() == ControlKind::CheckBox) c.setChecked(!c.checked());
    else events_.onEvent(name, Event::Click);
    idle();
}

void MemoryForm::idle() {
    while (std::exchange(idleRequested_, false) && loaded_) events_.onEvent(formSource, Event::Idle);
}

void MemoryForm::doubleClick(std::string_view name) {
    memoryControl(name);  // only a control of the window can be double-clicked
    events_.onEvent(name, Event::DblClick);
}

void MemoryForm::showModal() {
    const bool first = !shown;
    shown = visible_ = true;
    if (first) events_.onEvent(formSource, Event::Shown);
    if (!ui_ || ui_->idleBeforeUser) idle();
    if (!ui_ || ui_->modalUser.empty()) return;
    const auto user = std::move(ui_->modalUser.front());
    ui_->modalUser.pop_front();
    user(*this);
}

void MemoryForm::unload() {
    events_.onEvent(formSource, Event::Unload);
    visible_ = false;
    loaded_ = false;
}

MemoryControl& MemoryForm::memoryControl(std::string_view name) {
    const auto found = controls_.find(name);
    // Asking for a control the window does not have is a fault of the program, not of the system.
    if (found == controls_.end())
        throw std::logic_error("no control " + std::string(name) + " in " + std::string(design_.name));
    return *found->second;
}

MemoryControl& MemoryForm::ofKind(std::string_view name, ControlKind kind) {
    MemoryControl& c = memoryControl(name);
    if (c.kind() != kind) throw std::logic_error(std::string(name) + " is a control of another kind");
    return c;
}

Toggle& MemoryForm::toggle(std::string_view name) {
    MemoryControl& c = memoryControl(name);
    if (c.kind() != ControlKind::CheckBox && c.kind() != ControlKind::OptionButton)
        throw std::logic_error(std::string(name) + " is neither a check box nor an option button");
    return c;
}

void MemoryForm::pressTab(bool forward) {
    const auto canFocus = [&](const ControlDesign& c) {
        return isTabStop(design_.controls, c, [&](std::string_view n) { return memoryControl(n).checked(); }) &&
               memoryControl(c.name).enabled();
    };
    focused_ = nextInTabOrder(design_.controls, focused_, forward, canFocus);
}

void MemoryForm::setState(WindowState state) {
    if (state == state_) return;
    if (state == WindowState::Minimized) restoresMaximized_ = state_ == WindowState::Maximized;
    state_ = state;
    events_.onEvent(formSource, Event::Resize);
}

TwipsRect MemoryForm::outerRect() const {
    if (state_ == WindowState::Maximized) return workAreas.front();
    if (state_ == WindowState::Minimized) return {-32000, -32000, 2400, 540};
    return restored_;
}

// As with a real window, only a change of size is a resize.
void MemoryForm::moveOuter(const TwipsRect& rect) {
    const bool resized = rect.width != restored_.width || rect.height != restored_.height;
    restored_ = rect;
    if (resized && state_ == WindowState::Normal) events_.onEvent(formSource, Event::Resize);
}

void MemoryForm::show() {
    const bool first = !shown;
    shown = visible_ = true;
    events_.onEvent(formSource, Event::Resize);
    if (first) events_.onEvent(formSource, Event::Shown);
}

TwipsRect MemoryForm::clientRect() const {
    const TwipsRect outer = outerRect();
    return {0, 0, outer.width - memoryFrameWidth, outer.height - memoryFrameHeight};
}

std::unique_ptr<Form> MemoryUi::createForm(const FormDesign& design, FormEvents& events) {
    auto form = std::make_unique<MemoryForm>(design, files_, events);
    form->ui_ = this;
    forms_.push_back(form.get());
    return form;
}

MemoryForm* MemoryUi::form(std::string_view designName) const {
    for (auto f = forms_.rbegin(); f != forms_.rend(); ++f)
        if ((*f)->design().name == designName) return *f;
    return nullptr;
}

}  // namespace parcelo
