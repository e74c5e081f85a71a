#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/design.h"

namespace parcelo {

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

enum class Event {
    Load, Resize, Unload, Click, DblClick, Change,
    Shown,      // the window's first showing is on the screen
    ItemCheck,  // the user turned a list row's check box over
    Rename,     // the user finished typing a list row's new name
    DeleteKey,  // the Delete key in a list
    Drop,       // files were dropped on a window whose design accepts them
    Activate,   // the window became the active one again, once the handler at work has returned
    Idle,       // the window has nothing else to do, once after each requestIdle
};

// Source name of the window's own events.
inline constexpr std::string_view formSource = "Form";

// Receives every event of a form: its own (source "Form") and its controls' and menu items'.
class FormEvents {
public:
    virtual ~FormEvents() = default;
    virtual void onEvent(std::string_view source, Event event) = 0;
};

class Control {
public:
    virtual ~Control() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual TwipsRect rect() const = 0;
    virtual void move(const TwipsRect& rect) = 0;
};

// A check box or an option button. Selecting an option button clears the others of its group and
// raises its Click; a check box raises Click when its state changes. Both whether the user or the
// program made the change.
class Toggle : public Control {
public:
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

class DriveList : public Control {
public:
    // Begins with the drive letter and a colon.
    virtual std::string drive() const = 0;
    // Takes the drive that the text begins with; throws for a drive that is missing or not ready.
    virtual void setDrive(const std::string& text) = 0;
    virtual void refresh() = 0;
};

class FolderList : public Control {
public:
    virtual std::string path() const = 0;
    // Throws for a folder that does not exist.
    virtual void setPath(const std::string& path) = 0;
    virtual void refresh() = 0;
};

class FolderView : public Control {
public:
    virtual void navigate(const std::string& path) = 0;
    virtual void refresh() = 0;
};

// One row of a report list: its cells, column by column, its check box, and the file whose icon
// it shows (empty: none).
struct ListRow {
    std::vector<std::string> cells;
    bool checked = false;
    std::string iconPath;
};

// A list of rows in columns (the design's caption names them, "|" between), each with a check box.
class ReportList : public Control {
public:
    // Changes no check box by the user's hand, so raises no ItemCheck.
    virtual void setRows(const std::vector<ListRow>& rows) = 0;
    virtual void setCell(size_t row, size_t column, const std::string& text) = 0;
    virtual void setIcon(size_t row, const std::string& iconPath) = 0;
    virtual bool rowChecked(size_t row) const = 0;
    virtual void setRowChecked(size_t row, bool checked) = 0;
    virtual std::vector<size_t> selectedRows() const = 0;
    virtual void selectRows(const std::vector<size_t>& rows) = 0;
    // Lets the user type the row's new name in place; Rename follows unless the user calls it off.
    virtual void beginRename(size_t row) = 0;
    // The row of the last ItemCheck or Rename, and for Rename the text typed.
    virtual size_t eventRow() const = 0;
    virtual std::string typedName() const = 0;
};

// A window realised from its design. Sizes and positions in twips.
class Form {
public:
    virtual ~Form() = default;

    virtual Control& control(std::string_view name) = 0;
    virtual DriveList& driveList(std::string_view name) = 0;
    virtual FolderList& folderList(std::string_view name) = 0;
    virtual FolderView& folderView(std::string_view name) = 0;
    virtual Toggle& toggle(std::string_view name) = 0;
    virtual ReportList& reportList(std::string_view name) = 0;

    virtual WindowState state() const = 0;
    virtual void setState(WindowState state) = 0;
    // The outer rectangle (frame, caption and menu bar included), in screen twips.
    virtual TwipsRect outerRect() const = 0;
    // The outer rectangle the window has when not minimised or maximised.
    virtual TwipsRect restoredOuterRect() const = 0;
    // Whether a minimised window comes back maximised.
    virtual bool restoresMaximized() const = 0;
    virtual void moveOuter(const TwipsRect& rect) = 0;
    virtual TwipsRect clientRect() const = 0;
    // The work areas of the monitors, in the same twips as outerRect.
    virtual std::vector<TwipsRect> monitorWorkAreas() const = 0;

    virtual void show() = 0;
    // Shows the window modal: the program's other windows take no input until it is hidden or
    // unloaded, and only then does the call return.
    virtual void showModal() = 0;
    virtual void hide() = 0;
    virtual bool visible() const = 0;
    // Runs the unload event, as the window's close box does, then closes the window.
    virtual void unload() = 0;
    // False once the window is unloaded; its owner then drops it.
    virtual bool loaded() const = 0;
    // Closes the window and ends the program's message loop.
    virtual void endProgram() = 0;
    virtual bool ended() const = 0;
    // The paths of the last Drop, in the order dropped.
    virtual std::vector<std::string> droppedPaths() const = 0;
    // Asks for one Idle, once the user's input and the painting waiting have been dealt with.
    virtual void requestIdle() = 0;
};

class Ui {
public:
    virtual ~Ui() = default;
    virtual std::unique_ptr<Form> createForm(const FormDesign& design, FormEvents& events) = 0;
};

}  // namespace parcelo
