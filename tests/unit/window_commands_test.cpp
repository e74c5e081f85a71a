#include <gtest/gtest.h>

#include "about/frmAbout_design.h"
#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

class WindowCommands : public testing::Test {
protected:
    WindowCommands() : window(machine.platform, machine.values) { window.start(); }

    test::PortableMachine machine;
    frmMain window;
};

TEST_F(WindowCommands, HelpOpensTheIndexPageBesideTheProgram) {
    window.onEvent(frmMainNames::mnuHelp, Event::Click);
    EXPECT_EQ(machine.shell.opened, std::vector<std::string>{"C:\\Tools\\Parcelo\\index.html"});
}

TEST_F(WindowCommands, HelpThatCannotOpenShowsNothingAndLeavesTheWindowAsItWas) {
    machine.shell.refuseToOpen = true;
    window.onEvent(frmMainNames::mnuHelp, Event::Click);
    EXPECT_EQ(machine.shell.opened.size(), 1u);
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_FALSE(machine.ui.form("frmMain")->ended());
}

TEST_F(WindowCommands, OptionsAndAboutAreShownModal) {
    machine.ui.modalUser.push_back([](MemoryForm& d) {
        EXPECT_EQ(d.design().caption, "設定");
        d.click(frmOptNames::cmdCan);
    });
    machine.ui.modalUser.push_back([](MemoryForm& d) {
        EXPECT_EQ(d.design().caption, "バージョン情報");
        d.click(frmAboutNames::cmdOK);
    });
    window.onEvent(frmMainNames::cmdOpt, Event::Click);
    window.onEvent(frmMainNames::mnuVer, Event::Click);
    EXPECT_TRUE(machine.ui.modalUser.empty());
    ASSERT_NE(machine.ui.form("frmOpt"), nullptr) << "hidden, still loaded";
    EXPECT_EQ(machine.ui.form("frmOpt")->modalShows, 1);
}

}  // namespace
}  // namespace parcelo
