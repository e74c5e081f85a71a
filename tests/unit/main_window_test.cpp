#include <gtest/gtest.h>

#include "mainwindow/frmMain.h"
#include "platform/platform_error.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;
using namespace frmOptNames;

// Everything a run of one command leaves behind, for comparing two ways of running it.
struct Outcome {
    std::vector<ShownBox> shown;
    std::vector<BrowseCall> browsed;
    std::vector<std::string> log;
    test::Snapshot files;
    std::string sourcePath;
    bool ended;
    bool operator==(const Outcome&) const = default;
};

Outcome run(std::string_view source) {
    test::PortableMachine machine;
    machine.writeBytes("C:\\Tools\\app.exe", "MZ");
    machine.makeFolder("C:\\Users\\hanako\\写真");
    frmMain& window = machine.start();
    machine.mainForm().log.clear();
    machine.user.chosenFiles = {"C:\\Tools\\app.exe"};
    machine.user.typed = {"名前"};
    machine.folderBrowser.picks = {PickedItem{"C:\\Users\\hanako\\写真", "写真"}};
    machine.ui.modalUser.push_back([](MemoryForm& d) {
        d.click(optUpath);
        d.control(txtPath).setText("D:\\");
        d.click(cmdOK);
    });
    window.onEvent(source, Event::Click);
    return {machine.user.shown, machine.folderBrowser.calls, machine.mainForm().log, machine.snapshot(),
            window.SourcePath, machine.mainForm().ended()};
}

TEST(MainWindowMenu, EachMenuItemDoesWhatItsButtonDoes) {
    const std::pair<std::string_view, std::string_view> pairs[] = {
        {mnuEx, cmdCr}, {mnul, cmdOpen}, {mnuDi, cmdFopen}, {mnuOpt, cmdOpt}, {mnuExi, cmdEx}};
    for (const auto& [menu, button] : pairs) {
        const Outcome byButton = run(button);
        EXPECT_TRUE(byButton.shown.size() + byButton.log.size() > 0 || byButton.ended) << button << " did nothing";
        EXPECT_TRUE(run(menu) == byButton) << menu << " is not " << button;
    }
    EXPECT_TRUE(run(cmdEx).ended);
}

class MainWindowEvents : public testing::Test {
protected:
    MainWindowEvents() : window(machine.start()) { form().log.clear(); }
    MemoryForm& form() { return machine.mainForm(); }

    test::PortableMachine machine;
    frmMain& window;
};

TEST_F(MainWindowEvents, AFailingHandlerIsReportedAndTheProgramGoesOn) {
    form().driveList(driDri).setDrive("D:");
    ASSERT_EQ(form().folderList(dirDir).path(), "d:\\");
    std::filesystem::remove_all(machine.files.hostPath("D:\\"));  // the medium is taken out

    window.onEvent(driDri, Event::Change);
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{{"エラーが発生しました。\n\nパスが見つかりません: d:",
                                                          "Parcelo", box::ok | box::iconError}}));
    EXPECT_FALSE(form().ended());
    EXPECT_EQ(form().folderList(dirDir).path(), "d:\\");
}

TEST_F(MainWindowEvents, ChoosingADriveMovesTheFolderListThenTheViewAndAnUnreadableOneNothing) {
    form().driveList(driDri).setDrive("c:");  // already the drive: nothing moves
    EXPECT_TRUE(form().log.empty());
    form().memoryControl(driDri).choose("d:");
    EXPECT_EQ(form().log, (std::vector<std::string>{"driDri drive d:", "dirDir path d:\\", "webMain navigate d:\\"}));

    form().log.clear();
    std::filesystem::remove_all(machine.files.hostPath("C:\\"));  // no medium
    EXPECT_THROW(form().memoryControl(driDri).choose("c:"), PlatformError);
    EXPECT_EQ(form().driveList(driDri).drive(), "d:");
    EXPECT_TRUE(form().log.empty());
}

TEST_F(MainWindowEvents, RefreshNavigatesThenReloadsTheViewThenRereadsBothLists) {
    window.onEvent(cmdRef, Event::Click);
    EXPECT_EQ(form().log, (std::vector<std::string>{"webMain navigate " + machine.sendTo(), "webMain refresh",
                                                    "dirDir refresh", "driDri refresh"}));
}

TEST_F(MainWindowEvents, HelpOpensTheIndexPageBesideTheProgramAndFailsSilently) {
    for (const bool refuse : {false, true}) {
        machine.shell.refuseToOpen = refuse;
        window.onEvent(mnuHelp, Event::Click);
    }
    EXPECT_EQ(machine.shell.opened, std::vector<std::string>(2, "C:\\Tools\\Parcelo\\index.html"));
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_FALSE(form().ended());
}

}  // namespace
}  // namespace parcelo
