#pragma once
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

class MemoryControl : public DriveList, public FolderList, public FolderView {
public:
    MemoryControl(const ControlDesign& design, FileSystem& files, FormEvents& events, std::vector<std::string>& log);

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

    // A drive picked by the user in the list; one that cannot be read is refused, as on the screen,
    // where the refusal is reported and the list goes back to its drive.
    void choose(const std::string& drive);

private:
    void record(const std::string& action) { log_.push_back(std::string(design_.name) + " " + action); }

    const ControlDesign& design_;
    FileSystem& files_;
    FormEvents& events_;
    std::vector<std::string>& log_;
    std::string text_;
    bool enabled_ = true;
    TwipsRect rect_;
    std::string drive_;
    std::string path_;
};

// A window that exists only in memory: state and rectangles as the handlers set them.
class MemoryForm : public Form {
public:
    MemoryForm(const FormDesign& design, FileSystem& files, FormEvents& events);

    MemoryControl& memoryControl(std::string_view name);
    Control& control(std::string_view name) override { return driveList(name); }
    DriveList& driveList(std::string_view name) override { return memoryControl(name); }
    FolderList& folderList(std::string_view name) override { return memoryControl(name); }
    FolderView& folderView(std::string_view name) override { return memoryControl(name); }

    WindowState state() const override { return state_; }
    void setState(WindowState state) override;
    TwipsRect outerRect() const override;
    TwipsRect restoredOuterRect() const override { return restored_; }
    bool restoresMaximized() const override { return restoresMaximized_; }
    void moveOuter(const TwipsRect& rect) override;
    TwipsRect clientRect() const override;
    std::vector<TwipsRect> monitorWorkAreas() const override { return workAreas; }

    // The first showing is a resize, as on the screen.
    void show() override;
    void unload() override { events_.onEvent(formSource, Event::Unload); }
    void endProgram() override { ended_ = true; }
    bool ended() const override { return ended_; }

    std::vector<TwipsRect> workAreas{{0, 0, 15360, 11520}};
    bool shown = false;
    // What was asked of the controls, in order: "webMain navigate C:\", "dirDir refresh", ...
    std::vector<std::string> log;

private:
    FormEvents& events_;
    std::map<std::string, std::unique_ptr<MemoryControl>, std::less<>> controls_;
    WindowState state_ = WindowState::Normal;
    TwipsRect restored_;
    bool restoresMaximized_ = false;
    bool ended_ = false;
};

class MemoryUi : public Ui {
public:
    explicit MemoryUi(FileSystem& files) : files_(files) {}
    std::unique_ptr<Form> createForm(const FormDesign& design, FormEvents& events) override;

    // The last form made, for tests to look into.
    MemoryForm* lastForm = nullptr;

private:
    FileSystem& files_;
};

}  // namespace parcelo
