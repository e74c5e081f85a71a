#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "about/frmAbout.h"
#include "about/frmAbout_design.h"
#include "items/frmItems.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain.h"
#include "platform/portable/file_system_portable.h"
#include "platform/portable/memory_form.h"
#include "platform/portable/scripted_user.h"

namespace parcelo {
namespace {

template <class Window>
std::vector<std::string_view> sourcesOf(EventTable<Window> table) {
    std::vector<std::string_view> sources;
    for (const Binding<Window>& binding : table) sources.push_back(binding.source);
    return sources;
}

TEST(WindowTables, EveryEventSourceAndContainerIsAPartOfTheWindowsDesign) {
    const struct {
        const FormDesign& design;
        std::vector<std::string_view> sources;
    } windows[] = {
        {frmMainDesign, sourcesOf(frmMain::eventTable)},
        {frmOptDesign, sourcesOf(frmOpt::eventTable)},
        {frmAboutDesign, sourcesOf(frmAbout::eventTable)},
        {frmItemsDesign, sourcesOf(frmItems::eventTable)},
    };
    for (const auto& w : windows) {
        std::set<std::string_view> controls, parts;
        for (const ControlDesign& c : w.design.controls) controls.insert(c.name);
        for (const MenuDesign& m : w.design.menu) parts.insert(m.name);
        parts.insert(controls.begin(), controls.end());
        EXPECT_EQ(parts.size(), w.design.controls.size() + w.design.menu.size()) << w.design.name << ": a name twice";
        for (std::string_view source : w.sources)
            EXPECT_TRUE(source == formSource || parts.contains(source)) << w.design.name << ": " << source;
        for (const ControlDesign& c : w.design.controls)
            EXPECT_TRUE(c.container.empty() || controls.contains(c.container)) << w.design.name << ": " << c.name;
    }
}

// A window of one button whose handler runs `step`, bare or under skipOnError.
constexpr ControlDesign buttonOnly[] = {{"cmdGo", ControlKind::Button, "", "Go", {}, 0}};
const FormDesign slipDesign{"frmSlip", "", Border::FixedDialog, {}, {}, buttonOnly, {}};

struct SlipWindow : FormEvents {
    void cmdGo_Click() {
        if (skipping)
            skipOnError(step);
        else
            step();
    }
    void onEvent(std::string_view source, Event event) override {
        static constexpr Binding<SlipWindow> bindings[] = {{"cmdGo", Event::Click, &SlipWindow::cmdGo_Click}};
        dispatch(EventTable<SlipWindow>(bindings), *this, source, event, user);
    }
    bool skipping;
    std::function<void()> step;
    ScriptedUser user;
};

TEST(ErrorStyles, HandleThePlatformsFailuresButAMisspeltControlNameFailsTheTest) {
    PortableFileSystem files({});
    MemoryUi ui(files);
    const struct {
        const char* name;
        bool skipping;
        bool misspelt;  // else the platform fails
        bool thrown;
        size_t boxes;
    } cases[] = {
        {"skipped platform failure", true, false, false, 0},
        {"reported platform failure", false, false, false, 1},
        {"misspelt name under skipOnError", true, true, true, 0},
        {"misspelt name with no rule of its own", false, true, true, 0},
    };
    for (const auto& c : cases) {
        SlipWindow window;
        const std::unique_ptr<Form> form = ui.createForm(slipDesign, window);
        window.skipping = c.skipping;
        window.step = [&] {
            if (c.misspelt) form->control("cmdGoo").setText("");
            throw PlatformError(error_code::accessDenied, "読み取り専用です");
        };
        bool thrown = false;
        try {
            ui.form("frmSlip")->click("cmdGo");
        } catch (const std::logic_error&) {
            thrown = true;
        }
        EXPECT_EQ(thrown, c.thrown) << c.name;
        EXPECT_EQ(window.user.shown.size(), c.boxes) << c.name;
    }
}

struct NoEvents : FormEvents {
    void onEvent(std::string_view, Event) override {}
};

TEST(MemoryForm, AskingAControlForWhatItsKindDoesNotHaveIsAFaultOfTheProgram) {
    PortableFileSystem files({});
    MemoryUi ui(files);
    NoEvents events;
    const std::unique_ptr<Form> main = ui.createForm(frmMainDesign, events);
    const std::unique_ptr<Form> options = ui.createForm(frmOptDesign, events);
    const struct {
        const char* name;
        std::function<void()> ask;
    } cases[] = {
        {"a text box's check state", [&] { options->toggle(frmOptNames::txtPath); }},
        {"a button's check state", [&] { options->toggle(frmOptNames::cmdOK); }},
        {"a button's drive", [&] { main->driveList(frmMainNames::cmdCr); }},
        {"a drive list's path", [&] { main->folderList(frmMainNames::driDri); }},
        {"a folder list's view", [&] { main->folderView(frmMainNames::dirDir); }},
    };
    for (const auto& c : cases) EXPECT_THROW(c.ask(), std::logic_error) << c.name;
}

}  // namespace
}  // namespace parcelo
