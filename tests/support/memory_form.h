#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/form.h"

namespace parcelo {

// Frame sizes of the in-memory window: what the outer rectangle adds to the client area.
inline constexpr Twips memoryFrameWidth = 240;
inline constexpr Twips memoryFrameHeight = 900;

class MemoryForm;
class MemoryUi;

class MemoryControl : public DriveList, public FolderList, public FolderView, public Toggle, public ReportList {
public:
    MemoryControl(const ControlDesign& design, FileSystem& files, FormEvents& events, MemoryForm& form);

    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    TwipsRect rect() const override { return rect_; }
    void move(const TwipsRect& rect) override { rect_ = rect; }

    std::string drive() const override { return drive_; }
    void setDrive(const std::string& text) override;
    std::string path() const override { return path_; }
    void setPath(const std::string& path) override;
    void navigate(const std::string& path) override { record("navigate " + path); }
    void refresh() override { record("refresh"); }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override;

    void setRows(const std::vector<ListRow>& rows) override { rows_ = rows, selection_.clear(); }
    void setCell(size_t row, size_t column, const std::string& text) override { rows_.at(row).cells.at(column) = text; }
    void setIcon(size_t row, const std::string& iconPath) override { rows_.at(row).iconPath = iconPath; }
    bool rowChecked(size_t row) const override { return rows_.at(row).checked; }
    void setRowChecked(size_t row, bool checked) override { rows_.at(row).checked = checked; }
    std::vector<size_t> selectedRows() const override { return selection_; }
    void selectRows(const std::vector<size_t>& rows) override { selection_ = rows; }
    void beginRename(size_t row) override { record("rename " + std::to_string(row)); }
    size_t eventRow() const override { return eventRow_; }
    std::string typedName() const override { return typed_; }
    const std::vector<ListRow>& rows() const { return rows_; }
    // What the user does to a row: turns its check box over, or types a new name in place.
    void userCheck(size_t row);
    void userRename(size_t row, const std::string& name);
    void userSelect(const std::vector<size_t>& rows) {
        selection_ = rows;
        events_.onEvent(design_.name, Event::Change);
    }

    ControlKind kind() const { return design_.kind; }

private:
    void record(const std::string& action);

    const ControlDesign& design_;
    FileSystem& files_;
    FormEvents& events_;
    MemoryForm& form_;
    std::string text_;
    bool enabled_ = true;
    bool checked_;
    TwipsRect rect_;
    std::string drive_;
    std::string path_;
    std::vector<ListRow> rows_;
    std::vector<size_t> selection_;
    size_t eventRow_ = 0;
    std::string typed_;
};

// A window that exists only in memory: state and rectangles as the handlers set them.
class MemoryForm : public Form {
public:
    MemoryForm(const FormDesign& design, FileSystem& files, FormEvents& events);
    ~MemoryForm() override;
    MemoryForm(const MemoryForm&) = delete;
    MemoryForm& operator=(const MemoryForm&) = delete;

    MemoryControl& memoryControl(std::string_view name);
    // Every kind has a text, an enabled state and a place; the cast picks one of its equal Control bases.
    Control& control(std::string_view name) override { return static_cast<DriveList&>(memoryControl(name)); }
    // A control asked for as a kind it is not is a fault of the program, as on the screen.
    DriveList& driveList(std::string_view name) override { return ofKind(name, ControlKind::DriveList); }
    FolderList& folderList(std::string_view name) override { return ofKind(name, ControlKind::FolderList); }
    FolderView& folderView(std::string_view name) override { return ofKind(name, ControlKind::FolderView); }
    Toggle& toggle(std::string_view name) override;
    ReportList& reportList(std::string_view name) override { return ofKind(name, ControlKind::ReportList); }
    const FormDesign& design() const { return design_; }

    // Tab and Shift+Tab, over the controls that are tab stops and enabled.
    void pressTab(bool forward);
    std::string_view focused() const { return focused_; }

    // What a person's click does: a button raises Click, a check box turns over, an option button
    // is selected.
    void click(std::string_view name);
    void doubleClick(std::string_view name);
    // The user comes back to the window from another.
    void activate() { events_.onEvent(formSource, Event::Activate); }
    std::vector<std::string> droppedPaths() const override { return {}; }
    void requestIdle() override { idleRequested_ = true; }
    // What the message loop does once no input waits: the Idle events asked for, until no more are.
    void idle();

    WindowState state() const override { return state_; }
    void setState(WindowState state) override;
    TwipsRect outerRect() const override;
    TwipsRect restoredOuterRect() const override { return restored_; }
    bool restoresMaximized() const override { return restoresMaximized_; }
    void moveOuter(const TwipsRect& rect) override;
    TwipsRect clientRect() const override;
    std::vector<TwipsRect> monitorWorkAreas() const override { return workAreas; }

    // The first showing is a resize, as on the screen, and then Shown.
    void show() override;
    // Raises Shown, then lets the next of the UI's modal users act, as the nested message loop would.
    void showModal() override;
    void hide() override { visible_ = false; }
    bool visible() const override { return visible_; }
    void unload() override;
    bool loaded() const override { return loaded_; }
    void endProgram() override { ended_ = true; }
    bool ended() const override { return ended_; }

    std::vector<TwipsRect> workAreas{{0, 0, 15360, 11520}};
    bool shown = false;
    // What was asked of the controls, in order: "webMain navigate C:\", "dirDir refresh", ...
    std::vector<std::string> log;

private:
    friend class MemoryUi;
    MemoryControl& ofKind(std::string_view name, ControlKind kind);

    const FormDesign& design_;
    FormEvents& events_;
    MemoryUi* ui_ = nullptr;
    std::map<std::string, std::unique_ptr<MemoryControl>, std::less<>> controls_;
    WindowState state_ = WindowState::Normal;
    TwipsRect restored_;
    bool restoresMaximized_ = false;
    bool visible_ = false;
    bool loaded_ = true;
    bool ended_ = false;
    bool idleRequested_ = false;
    std::string_view focused_;
};

class MemoryUi : public Ui {
public:
    explicit MemoryUi(FileSystem& files) : files_(files) {}
    std::unique_ptr<Form> createForm(const FormDesign& design, FormEvents& events) override;

    // The newest live form of this design, for tests to look into; null when there is none.
    MemoryForm* form(std::string_view designName) const;
    // What the user does in each window shown modal, in order; with none left the window just returns.
    std::deque<std::function<void(MemoryForm&)>> modalUser;
    // Whether a window shown modal is idle before its user acts; else the user acts first.
    bool idleBeforeUser = true;

private:
    friend class MemoryForm;
    FileSystem& files_;
    std::vector<MemoryForm*> forms_;
};

}  // namespace parcelo
