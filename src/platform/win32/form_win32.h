#pragma once
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/form.h"
#include "platform/win32/child_window.h"
#include "platform/win32/drop_target_win32.h"
#include "platform/win32/owners.h"

namespace parcelo::win32 {

// A top-level window realised from its design table: real child controls, a real menu bar,
// twips converted at the window's DPI. Its parts live in files of their own: geometry and DPI
// (form_geometry_win32.cpp), keyboard (keyboard_win32.cpp), modal showing and the loops (message_loop_win32.cpp).
class Win32Form : public Form {
public:
    Win32Form(const FormDesign& design, FormEvents& events, Dialogs& dialogs);
    ~Win32Form() override;

    Control& control(std::string_view name) override { return find<Control>(name); }
    DriveList& driveList(std::string_view name) override { return find<DriveList>(name); }
    FolderList& folderList(std::string_view name) override { return find<FolderList>(name); }
    FolderView& folderView(std::string_view name) override { return find<FolderView>(name); }
    Toggle& toggle(std::string_view name) override { return find<Toggle>(name); }
    ReportList& reportList(std::string_view name) override { return find<ReportList>(name); }

    WindowState state() const override;
    void setState(WindowState state) override;
    TwipsRect outerRect() const override;
    TwipsRect restoredOuterRect() const override;
    bool restoresMaximized() const override;
    void moveOuter(const TwipsRect& rect) override;
    TwipsRect clientRect() const override;
    std::vector<TwipsRect> monitorWorkAreas() const override;

    void show() override;
    void showModal() override;
    void hide() override;
    bool visible() const override { return IsWindowVisible(window_.get()) != FALSE; }
    void unload() override;
    bool loaded() const override { return window_ != nullptr; }
    void endProgram() override;
    bool ended() const override { return ended_; }
    std::vector<std::string> droppedPaths() const override { return dropped_; }
    void requestIdle() override;

    // The form a window of the thread belongs to; null for any other window.
    static Win32Form* of(HWND window);

    // What the controls need of their window.
    const FormDesign& design() const { return design_; }
    HWND hwnd() const { return window_.get(); }
    void raise(std::string_view source, Event event);
    void reportFailure(const std::exception& failure);
    Dialogs& dialogs() const { return dialogs_; }
    int toPixels(Twips twips) const;
    Twips toTwips(int pixels) const;
    HFONT font() const { return font_.get(); }
    int fontHeight() const { return fontHeight_; }

    // The window's keyboard rules for a message of the loop; true when it was handled.
    bool translate(MSG& message);

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM w, LPARAM l);
    LRESULT handle(HWND window, UINT message, WPARAM w, LPARAM l);

    template <class Interface>
    Interface& find(std::string_view name) {
        for (auto& child : children_) {
            if (child->design().name != name) continue;
            if (auto* found = dynamic_cast<Interface*>(child.get())) return *found;
            throw std::logic_error("コントロール " + std::string(name) + " はその種類ではありません");
        }
        throw std::logic_error("コントロール " + std::string(name) + " は " + std::string(design_.name) + " にありません");
    }
    ChildWindow& child(std::string_view name) { return dynamic_cast<ChildWindow&>(find<Control>(name)); }
    ChildWindow* childOf(HWND window) const;
    // The controls go before their window, the shell's folder view first, each while its parent exists.
    void releaseChildren();
    TwipsRect toTwips(const RECT& r) const;
    void applyDpi();
    void placeAtDesign();
    HBRUSH backgroundOf(const ChildWindow& child, HDC dc) const;
    bool isDialog() const { return design_.border != Border::Sizeable; }
    // Raises Shown once the first showing is on the screen.
    void announceFirstShowing();
    // Keyboard.
    void moveFocus(bool forward);
    bool canTakeFocus(const ControlDesign& c);
    LRESULT defaultButtonId();
    void pressCancel();
    // Gives the other windows their input back.
    void endModal();
    void runIdle();

    const FormDesign& design_;
    FormEvents& events_;
    Dialogs& dialogs_;
    // Declared before the window, so that they outlive it, even when the constructor fails half way.
    UniqueBrush background_;
    UniqueFont font_;
    int fontHeight_ = 0;
    std::vector<std::unique_ptr<ChildWindow>> children_;
    UniqueWindow window_;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    HWND lastFocus_ = nullptr;
    int pendingShow_ = SW_SHOWNORMAL;
    std::vector<HWND> disabledByModal_;
    std::unique_ptr<FileDropTarget> dropTarget_;
    std::vector<std::string> dropped_;
    bool shownOnce_ = false;
    bool idleRequested_ = false;
    bool modal_ = false;
    bool ready_ = false;
    bool ended_ = false;
};

}  // namespace parcelo::win32
