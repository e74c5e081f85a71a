#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "mainwindow/frmMain_design.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

TEST(MainWindowDesign, TabNumbersRunFromZeroToTwelveInTableOrder) {
    int expected = 0;
    for (const ControlDesign& c : frmMainDesign.controls) EXPECT_EQ(c.tab, expected++) << c.name;
    EXPECT_EQ(expected, 13);
}

TEST(MainWindowDesign, TheSixButtonsFormOneRowInTheirOrder) {
    const std::string_view row[] = {cmdCr, cmdFopen, cmdRef, cmdNdir, cmdOpt, cmdEx};
    for (const ControlDesign& c : frmMainDesign.controls) {
        for (size_t i = 0; i < std::size(row); ++i) {
            if (c.name != row[i]) continue;
            EXPECT_EQ(c.container, Picture1);
            EXPECT_EQ(c.rect, (TwipsRect{1200.f * i, 600, 1215, 300})) << c.name;
        }
    }
}

TEST(MainWindowDesign, MenuEntriesHangUnderADropDownOrStandOnTheBar) {
    int level = 0;
    for (const MenuDesign& m : frmMainDesign.menu) {
        EXPECT_TRUE(m.level == 1 || (m.level == 2 && level >= 1)) << m.name;
        level = m.level;
    }
    // "設定&O" is a command on the bar itself: nothing of level 2 follows it.
    for (size_t i = 0; i + 1 < frmMainDesign.menu.size(); ++i)
        if (frmMainDesign.menu[i].name == mnuOpt) {
            EXPECT_EQ(frmMainDesign.menu[i + 1].level, 1);
        }
}

class MainWindowEvents : public testing::Test {
protected:
    MainWindowEvents() : window(machine.platform, machine.values) { window.start(); }
    MemoryForm& form() { return *machine.ui.form("frmMain"); }

    test::PortableMachine machine;
    frmMain window;
};

TEST_F(MainWindowEvents, AFailingHandlerIsReportedAndTheProgramGoesOn) {
    form().driveList(driDri).setDrive("D:");
    ASSERT_EQ(form().folderList(dirDir).path(), "d:\\");
    std::filesystem::remove_all(machine.files.hostPath("D:\\"));  // the medium is taken out

    window.onEvent(driDri, Event::Change);
    ASSERT_EQ(machine.user.shown.size(), 1u);
    EXPECT_TRUE(machine.user.shown[0].text.starts_with("エラーが発生しました。")) << machine.user.shown[0].text;
    EXPECT_EQ(machine.user.shown[0].caption, "Parcelo");
    EXPECT_EQ(machine.user.shown[0].flags, box::ok | box::iconError);
    EXPECT_FALSE(form().ended());
    EXPECT_EQ(form().folderList(dirDir).path(), "d:\\");
}

TEST_F(MainWindowEvents, ExitButtonAndExitMenuBothSaveAndEnd) {
    for (std::string_view source : {cmdEx, mnuExi}) {
        test::PortableMachine fresh;
        frmMain other(fresh.platform, fresh.values);
        other.start();
        other.onEvent(source, Event::Click);
        EXPECT_TRUE(fresh.ui.form("frmMain")->ended()) << source;
        EXPECT_TRUE(fresh.exists(fresh.dataIni())) << source;
    }
}

TEST_F(MainWindowEvents, ChoosingADriveMovesTheFolderListThenTheViewInOneStep) {
    form().log.clear();
    form().driveList(driDri).setDrive("c:");  // already the drive: nothing moves
    EXPECT_TRUE(form().log.empty());
    form().memoryControl(driDri).choose("d:");
    EXPECT_EQ(form().log, (std::vector<std::string>{"driDri drive d:", "dirDir path d:\\", "webMain navigate d:\\"}));
}

TEST_F(MainWindowEvents, RefreshNavigatesThenReloadsTheViewThenRereadsBothLists) {
    form().log.clear();
    window.onEvent(cmdRef, Event::Click);
    EXPECT_EQ(form().log, (std::vector<std::string>{"webMain navigate " + machine.sendTo(), "webMain refresh",
                                                    "dirDir refresh", "driDri refresh"}));
}

TEST_F(MainWindowEvents, AnUnreadableDrivePickedByTheUserMovesNothing) {
    std::filesystem::remove_all(machine.files.hostPath("D:\\"));  // no medium
    form().log.clear();
    EXPECT_THROW(form().memoryControl(driDri).choose("d:"), PlatformError);
    EXPECT_EQ(form().driveList(driDri).drive(), "c:");
    EXPECT_EQ(form().folderList(dirDir).path(), machine.sendTo());
    EXPECT_TRUE(form().log.empty());
}

TEST_F(MainWindowEvents, UnknownEventsAreLeftAlone) {
    window.onEvent(txtName, Event::Change);
    window.onEvent(Label2, Event::Click);
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_FALSE(form().ended());
}

}  // namespace
}  // namespace parcelo
