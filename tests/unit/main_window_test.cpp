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
