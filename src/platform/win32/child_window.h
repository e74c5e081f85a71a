#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/win32/owners.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {

class Win32Form;

// A control of a form as the window procedure sees it. It owns its window, which goes with it.
class ChildWindow {
public:
    ChildWindow(Win32Form& form, const ControlDesign& design) : form_(form), design_(design), rect_(design.rect) {}
    virtual ~ChildWindow() = default;

    HWND hwnd() const { return hwnd_; }
    const ControlDesign& design() const { return design_; }

    virtual void onCommand(WORD /*notification*/) {}
    virtual LRESULT onNotify(const NMHDR& /*header*/) { return 0; }
    virtual void onMeasureItem(MEASUREITEMSTRUCT&) {}
    virtual void onDrawItem(const DRAWITEMSTRUCT&) {}
    // Keys the control handles before the window's own keyboard rules.
    virtual bool translateKey(MSG&) { return false; }
    virtual void takeFocus() { SetFocus(hwnd_); }
    // The brush a control paints its background with, its colours set in `dc`; null: the window decides.
    virtual HBRUSH onColor(HDC /*dc*/) { return nullptr; }
    // Puts the control at its twips rectangle for the form's current DPI and font.
    virtual void applyDpi();
    // What only a person looking at the window needs is built on its showing: before the window appears,
    // then once it is on the screen. A launch that never shows the window never pays for it.
    virtual void beforeShowing() {}
    virtual void afterShowing() {}

protected:
    void create(const wchar_t* windowClass, DWORD style, DWORD exStyle, HWND parent);
    // For a control whose own GDI objects must outlive its window: destroys the window first.
    void destroyWindow();
    // Moves the window to its twips rectangle.
    virtual void place();

    Win32Form& form_;
    const ControlDesign& design_;
    HWND hwnd_ = nullptr;  // the window that window_ owns
    TwipsRect rect_;

private:
    UniqueWindow window_;
};

// The operations every control shares, on top of the interface the handlers see.
template <class Interface>
class WindowControl : public Interface, public ChildWindow {
public:
    using ChildWindow::ChildWindow;

    std::string text() const override {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd_)) + 1, L'\0');
        text.resize(static_cast<size_t>(GetWindowTextW(hwnd_, text.data(), static_cast<int>(text.size()))));
        return narrow(text);
    }
    void setText(const std::string& text) override { SetWindowTextW(hwnd_, widen(text).c_str()); }
    bool enabled() const override { return IsWindowEnabled(hwnd_) != FALSE; }
    void setEnabled(bool enabled) override { EnableWindow(hwnd_, enabled); }
    TwipsRect rect() const override { return rect_; }
    void move(const TwipsRect& rect) override {
        rect_ = rect;
        place();
    }
};

// `beginsGroup`: arrow keys stop at this control rather than run on into it from the one before.
std::unique_ptr<ChildWindow> makeChild(Win32Form& form, const ControlDesign& design, HWND parent, bool beginsGroup);

}  // namespace parcelo::win32
