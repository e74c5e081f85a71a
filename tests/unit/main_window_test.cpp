#include <gtest/gtest.h>

#include "about/frmAbout_design.h"
#include "core/placement.h"
#include "mainwindow/frmMain.h"
#include "support/portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

class MainWindowEvents : public testing::Test {
protected:
    MainWindowEvents() : window(machine.start()) { form().log.clear(); }
    MemoryForm& form() { return machine.mainForm(); }

    test::PortableMachine machine;
    frmMain& window;
};

TEST_F(MainWindowEvents, AFailingHandlerIsReportedAndTheProgramGoesOn) {
    form().driveList(driDri).setDrive("D:");
    std::filesystem::remove_all(machine.files.hostPath("D:\\"));  // the medium is taken out

    window.onEvent(driDri, Event::Change);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{"エラーが発生しました。\n\nパスが見つかりません: d:",
                                                          "Parcelo", box::ok | box::iconError}}));
    EXPECT_FALSE(form().ended());
    EXPECT_EQ(form().folderList(dirDir).path(), "d:\\");
}

TEST_F(MainWindowEvents, HelpOpensTheIndexPageBesideTheProgramAndFailsSilently) {
    machine.shell.refuseToOpen = true;
    window.onEvent(mnuHelp, Event::Click);
    EXPECT_EQ(machine.shell.opened, std::vector<std::string>{"C:\\Tools\\Parcelo\\index.html"});
    EXPECT_TRUE(machine.user.shown.empty());
}

// The About box reads the version record as it opens; its addresses open on a double click
// whatever the box shows, and a mail program or browser that fails to start is not reported.
TEST_F(MainWindowEvents, TheAboutBoxShowsTheVersionRecordAndOpensAnAddressOnADoubleClickOnly) {
    using namespace frmAboutNames;
    machine.shell.version = {3, 10, 4, "Copyright (C) 2031 例"};
    machine.shell.refuseToOpen = true;
    machine.ui.modalUser.push_back([&](MemoryForm& box) {
        EXPECT_EQ(box.control(lblVersion).text(), "Parcelo Version3.104");
        EXPECT_EQ(box.control(lblCopyright).text(), "Copyright (C) 2031 例");
        box.click(txtMail);
        box.click(txtURL);
        box.control(txtMail).setText("edited@example.org");
        box.doubleClick(txtMail);
        box.doubleClick(txtURL);
        EXPECT_TRUE(box.visible() && box.loaded());
        box.click(frmAboutNames::cmdOK);
    });
    window.onEvent(mnuVer, Event::Click);
    EXPECT_EQ(machine.ui.form("frmAbout"), nullptr) << "unloaded when it closes";
    EXPECT_EQ(machine.shell.opened, (std::vector<std::string>{"mailto:parcelo@example.com", "http://example.com"}));
    EXPECT_TRUE(machine.user.shown.empty());
}

// The in-memory window's frame adds 240 twips across and 900 down to the client area.
TEST(MainWindowLayout, DraggingSettlesAtTheMinimumsMinimisingMovesNothingAndMaximisingFillsTheWorkArea) {
    test::PortableMachine machine;
    machine.start();
    MemoryForm& form = machine.mainForm();
    const auto rect = [&](std::string_view name) { return form.control(name).rect(); };
    // What the rules give for a client area of this size.
    const auto expectLaidOutFor = [&](Twips clientWidth, Twips clientHeight) {
        EXPECT_EQ(form.clientRect(), (TwipsRect{0, 0, clientWidth, clientHeight}));
        EXPECT_EQ(rect(driDri), (TwipsRect{0, 900, 1815, 300}));
        EXPECT_EQ(rect(dirDir), (TwipsRect{-15, 1200, 1815, clientHeight - 1200}));
        EXPECT_EQ(rect(webMain), (TwipsRect{1815, 900, clientWidth - 1815, clientHeight - 900}));
    };
    // Both minimums at once are grown by the start-up of a 0 by 0 placement.
    const struct {
        const char* what;
        TwipsRect outer;    // where the user leaves the window
        TwipsRect settled;  // where the rules leave it
    } drags[] = {
        {"larger than both minimums", {300, 200, 9000, 8000}, {300, 200, 9000, 8000}},
        {"below the height minimum",  {300, 200, 9000, 2500}, {300, 200, 9000, 3000}},
        {"below the strip's width",   {300, 200, 7000, 8000}, {300, 200, 7335, 8000}},
    };
    expectLaidOutFor(7200, 6045);  // the designed client area, at the first showing
    for (const auto& drag : drags) {
        SCOPED_TRACE(drag.what);
        form.moveOuter(drag.outer);
        EXPECT_EQ(form.outerRect(), drag.settled);
        expectLaidOutFor(drag.settled.width - memoryFrameWidth, drag.settled.height - memoryFrameHeight);
    }
    const TwipsRect view = rect(webMain), list = rect(dirDir);
    form.setState(WindowState::Minimized);
    machine.window->onEvent(formSource, Event::Resize);  // the system may send more while the window is an icon
    form.moveOuter({300, 200, 10000, 9000});  // the restored size changes behind the icon
    EXPECT_EQ(rect(webMain), view);
    EXPECT_EQ(rect(dirDir), list);
    form.setState(WindowState::Normal);
    expectLaidOutFor(10000 - memoryFrameWidth, 9000 - memoryFrameHeight);
    form.setState(WindowState::Maximized);
    expectLaidOutFor(15360 - memoryFrameWidth, 11520 - memoryFrameHeight);
}

TEST(FitOntoMonitors, KeepsWhatIsOnAMonitorAndBringsBackWhatIsNot) {
    const TwipsRect leftMonitor{0, 0, 15360, 11520}, rightMonitor{15360, 0, 28800, 11520};
    const struct {
        const char* name;
        TwipsRect wanted, expected;
    } cases[] = {
        {"partly off the edge stays", {-3000, -60, 7200, 6045}, {-3000, -60, 7200, 6045}},
        {"on the second monitor stays", {30000, 3000, 7200, 6045}, {30000, 3000, 7200, 6045}},
        // An empty window still has a corner that must be on a monitor.
        {"empty just left of the monitors", {-1, 100, 0, 0}, {0, 100, 0, 0}},
        {"empty just above the monitors", {100, -1, 0, 0}, {100, 0, 0, 0}},
        {"just right of the right monitor", {44160, 3000, 7200, 6045}, {36960, 3000, 7200, 6045}},
        {"far right comes to the nearest monitor", {90000, 3000, 7200, 6045}, {36960, 3000, 7200, 6045}},
        {"just below the monitors", {1000, 11520, 7200, 6045}, {1000, 5475, 7200, 6045}},
        {"larger than the monitor starts at its corner", {-50000, -50000, 20000, 14000}, {0, 0, 20000, 14000}},
    };
    for (const auto& c : cases) EXPECT_EQ(fitOntoMonitors(c.wanted, {leftMonitor, rightMonitor}), c.expected) << c.name;
    EXPECT_EQ(fitOntoMonitors({-40000, 0, 10, 10}, {}), (TwipsRect{-40000, 0, 10, 10})) << "no monitor known";
}

}  // namespace
}  // namespace parcelo
