#include <gtest/gtest.h>

#include "core/option_group.h"
#include "mainwindow/frmMain.h"
#include "support/portable_machine.h"

// The options dialog, with the folder picker behind its browse button and the option buttons' groups.
namespace parcelo {
namespace {

using namespace frmMainNames;
using namespace frmOptNames;

const ShownBox invalidPath{"このパスは無効です｡", "Parcelo", box::iconWarning};
using Act = std::function<void(MemoryForm&)>;

// What the dialog's controls show: the selected option, the path in brackets when the path box
// and its browse button are enabled or in parentheses when not, and "quit" when that box is ticked.
std::string shownBy(MemoryForm& dialog) {
    std::string shown;
    for (std::string_view option : {optUpath, optSend, optStart})
        if (dialog.toggle(option).checked()) shown += std::string(option) + " ";
    EXPECT_EQ(dialog.control(txtPath).enabled(), dialog.control(cmdO).enabled());
    const bool enabled = dialog.control(txtPath).enabled();
    return shown + (enabled ? "[" : "(") + dialog.control(txtPath).text() + (enabled ? "]" : ")") +
           (dialog.toggle(chkOQ).checked() ? " quit" : "");
}

// A machine of its own, started from a Data.ini with these settings.
struct Session : test::PortableMachine {
    Session(const std::string& target, const std::string& user, int quit = 0) {
        for (const char* folder : {"D:\\mine", "D:\\other"}) makeFolder(folder);
        writeBytes(dataIni(), "\"" + target + "\",\"" + user + "\",8100,6600,1500,2250,0," + std::to_string(quit) + "\r\n");
        start();
    }
    MemoryForm* dialog() { return ui.form("frmOpt"); }
    // Shows the dialog from the options button, with the user doing `act` in it.
    void showOptions(Act act) {
        ui.modalUser.push_back(std::move(act));
        window->cmdOpt_Click();
    }
    // What the dialog shows when it opens from the options button; the user then cancels.
    std::string shownWhenOpened() {
        std::string shown;
        showOptions([&](MemoryForm& d) {
            shown = shownBy(d);
            d.click(cmdCan);
        });
        return shown;
    }
};

const std::string sendTo = "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\SendTo";
const std::string programs = "C:\\Users\\hanako\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs";

TEST(OptionsDialog, StartUpLoadsItOnlyForASpecialFolderAndItOpensOnTheMatchingOption) {
    const struct {
        const char* name;
        std::string target, user;
        int quit;
        bool loadedAtStart;
        std::string shown;
    } cases[] = {
        {"Send To", sendTo, "D:\\mine", 0, true, "optSend (D:\\mine)"},
        {"Programs", programs, "D:\\mine", 1, true, "optStart (D:\\mine) quit"},
        {"Send To, also the user path", sendTo, sendTo, 0, true, "optSend (" + sendTo + ")"},
        {"the user path", "D:\\mine", "D:\\mine", 0, false, "optUpath [D:\\mine]"},
        {"none of them", "D:\\other", "D:\\mine", 1, false, "optSend (D:\\mine) quit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session run(c.target, c.user, c.quit);
        EXPECT_EQ(run.dialog() != nullptr && !run.dialog()->visible(), c.loadedAtStart) << "loaded hidden at start-up";
        EXPECT_EQ(run.shownWhenOpened(), c.shown);
    }
}

TEST(OptionsDialog, OkMakesTheChosenFolderTheTargetOrSaysOnceThatItFails) {
    const struct {
        std::string_view option;
        std::string typed, target, userPath;  // empty target: it fails
    } cases[] = {
        {optSend, "ignored", sendTo, "D:\\old"},
        {optStart, "ignored", programs, "D:\\old"},
        {optUpath, "D:\\mine", "D:\\mine", "D:\\mine"},
        {optUpath, "D:\\missing", "", "D:\\old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.typed);
        Session run("D:\\other", "D:\\old");
        run.showOptions([&](MemoryForm& d) {
            d.click(optUpath);  // the path box enabled, for the special folders' options to disable it again
            d.click(c.option);
            EXPECT_EQ(shownBy(d), std::string(c.option) + (c.option == optUpath ? " [D:\\old]" : " (D:\\old)"));
            d.control(txtPath).setText(c.typed);
            d.click(chkOQ);
            d.click(cmdOK);
        });
        EXPECT_EQ(run.values.TargetPath, c.target.empty() ? "D:\\other" : c.target);
        EXPECT_EQ(run.values.UserPath, c.userPath);
        EXPECT_EQ(run.values.QuitAfterSend, 1) << "taken even when the folder fails";
        ASSERT_NE(run.dialog(), nullptr);
        EXPECT_FALSE(run.dialog()->visible()) << "hidden, not closed";
        // A special folder's path is left in the box, for the user option to take next time.
        EXPECT_EQ(run.dialog()->control(txtPath).text(), c.option == optUpath ? c.typed : c.target);
        EXPECT_EQ(run.mainForm().folderList(dirDir).path(), run.values.TargetPath);
        EXPECT_EQ(run.user.shown, c.target.empty() ? std::vector<ShownBox>{invalidPath} : std::vector<ShownBox>{});
        if (!c.target.empty()) {
            EXPECT_EQ(run.mainForm().driveList(driDri).drive(), c.target.substr(0, 2) == "C:" ? "c:" : "d:");
        }
    }
}

TEST(OptionsDialog, BrowseFillsThePathBoxWithThePickedFolderCancelKeepsWhatWasTypedAndTheCloseBoxUnloads) {
    Session run("D:\\other", "");
    run.folderBrowser.picks = {PickedItem{"D:\\picked", "picked"}, std::nullopt};
    for (const std::string path : {"D:\\picked", "D:\\typed"}) {
        run.showOptions([&](MemoryForm& d) {
            d.click(optUpath);
            d.control(txtPath).setText("D:\\typed");
            d.click(cmdO);
            EXPECT_EQ(d.control(txtPath).text(), path);
            path == "D:\\picked" ? d.click(cmdCan) : d.unload();
        });
    }
    EXPECT_EQ(run.folderBrowser.calls, std::vector<BrowseCall>(2, {0, 0, "参照", 0, ""}));
    EXPECT_EQ(run.dialog(), nullptr) << "unloaded by the close box";
    EXPECT_EQ(run.shownWhenOpened(), "optSend ()") << "loaded afresh, nothing taken";
}

using enum ControlKind;
using Names = std::vector<std::string_view>;

// Two groups of option buttons, one in each frame, with other controls between them.
constexpr ControlDesign controls[] = {
    {"optA1", OptionButton, "", "a1", {}, 0},      {"fraB", Frame, "", "b", {}, 1},
    {"optB1", OptionButton, "fraB", "b1", {}, 2}, {"txtB", TextBox, "fraB", "", {}, 3},
    {"optA2", OptionButton, "", "a2", {}, 4},      {"optB2", OptionButton, "fraB", "b2", {}, 5},
    {"optB3", OptionButton, "fraB", "b3", {}, 6}, {"chkA", CheckBox, "", "c", {}, 7},
};

// An option button groups with the others of its container; the arrow keys run through those that follow
// each other.
TEST(OptionGroup, IsTheOptionButtonsOfAContainerAndTheArrowKeysRunThroughThoseThatFollowEachOther) {
    EXPECT_EQ(otherOptionsOfGroup(controls, "optA1"), Names{"optA2"});
    EXPECT_EQ(otherOptionsOfGroup(controls, "optB2"), (Names{"optB1", "optB3"}));
    EXPECT_EQ(otherOptionsOfGroup(controls, "chkA"), Names{});
    Names beginning;
    for (size_t i = 0; i < std::size(controls); ++i)
        if (beginsKeyboardGroup(controls, i)) beginning.push_back(controls[i].name);
    // optB3 directly follows optB2; fraB separates optA1 from optA2, and txtB optB1 from optB2.
    EXPECT_EQ(beginning, (Names{"optA1", "fraB", "optB1", "txtB", "optA2", "optB2", "chkA"}));
}

}  // namespace
}  // namespace parcelo
