#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;
using namespace frmOptNames;

const ShownBox invalidPath{"このパスは無効です｡", "Parcelo", 0x30};
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
        makeFolder("D:\\mine");
        makeFolder("D:\\other");
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

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

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
        {"Send To in other case", upper(sendTo), "", 0, false, "optSend ()"},
        {"Programs in other case", upper(programs), "", 0, false, "optSend ()"},
        {"the user path in other case", "D:\\MINE", "D:\\mine", 0, false, "optSend (D:\\mine)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session run(c.target, c.user, c.quit);
        EXPECT_EQ(run.dialog() != nullptr, c.loadedAtStart);
        if (run.dialog()) {
            EXPECT_FALSE(run.dialog()->visible());
            EXPECT_EQ(shownBy(*run.dialog()), c.shown) << "loaded hidden at start-up";
        }
        EXPECT_EQ(run.shownWhenOpened(), c.shown);
        ASSERT_NE(run.dialog(), nullptr) << "hidden by Cancel, not unloaded";
        EXPECT_EQ(run.dialog()->modalShows, 1);
        // OK without a change keeps the quit option and the user folder.
        run.showOptions([](MemoryForm& d) { d.click(cmdOK); });
        EXPECT_EQ(run.values.QuitAfterSend, c.quit);
        EXPECT_EQ(run.values.UserPath, c.user);
    }
}

TEST(OptionsDialog, OkMakesTheChosenFolderTheTargetOrSaysOnceThatItFails) {
    const struct {
        std::string_view option;
        std::string typed;
        std::string target, userPath;  // empty target: it fails
    } cases[] = {
        {optSend, "ignored", sendTo, "D:\\old"},
        {optStart, "ignored", programs, "D:\\old"},
        {optUpath, "D:\\mine", "D:\\mine", "D:\\mine"},
        {optUpath, "D:\\missing", "", "D:\\old"},
        {optUpath, "Q:\\nodrive", "", "D:\\old"},
        {optUpath, "", "", "D:\\old"},
        {optUpath, "relative", "", "D:\\old"},
        {optSend, "<Send To missing>", "", "D:\\old"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.option) + " " + c.typed);
        Session run("D:\\other", "D:\\old");
        // Send To becomes the target before it is found missing.
        const bool sendToGone = c.typed[0] == '<';
        if (sendToGone) std::filesystem::remove_all(run.files.hostPath(sendTo));
        const std::string target = c.target.empty() ? (sendToGone ? sendTo : "D:\\other") : c.target;
        run.mainForm().log.clear();
        run.showOptions([&](MemoryForm& d) {
            d.click(c.option);
            d.control(txtPath).setText(c.typed);
            d.click(chkOQ);
            d.click(cmdOK);
        });
        EXPECT_EQ(run.values.TargetPath, target);
        EXPECT_EQ(run.values.UserPath, c.userPath);
        EXPECT_EQ(run.values.QuitAfterSend, 1) << "taken even when the folder fails";
        ASSERT_NE(run.dialog(), nullptr);
        EXPECT_FALSE(run.dialog()->visible()) << "hidden, not closed";
        if (c.target.empty()) {
            EXPECT_EQ(run.user.shown, std::vector<ShownBox>{invalidPath});
            EXPECT_TRUE(sendToGone || run.mainForm().folderList(dirDir).path() == "D:\\other");
            continue;
        }
        EXPECT_TRUE(run.user.shown.empty());
        EXPECT_EQ(run.dialog()->control(txtPath).text(), c.target);
        EXPECT_EQ(run.mainForm().folderList(dirDir).path(), c.target);
        EXPECT_EQ(run.mainForm().driveList(driDri).drive(), c.target.substr(0, 2) == "C:" ? "c:" : "d:");
        const std::vector<std::string>& log = run.mainForm().log;
        ASSERT_FALSE(log.empty());
        EXPECT_EQ(log.front(), "webMain navigate " + c.target);
        EXPECT_NE(std::find(log.begin(), log.end(), "webMain refresh"), log.end());
        EXPECT_EQ(log.back(), "dirDir refresh");
        // The next run finds it in Data.ini.
        run.mainForm().unload();
        EXPECT_EQ(run.readBytes(run.dataIni()).rfind("\"" + c.target + "\",\"" + c.userPath + "\",", 0), 0u);
    }
}

TEST(OptionsDialog, CancelKeepsTheControlsAsLeftAndTheCloseBoxUnloadsThem) {
    const struct {
        const char* how;
        Act close;
        std::string target;
        bool loaded;
        std::string next;
    } cases[] = {
        {"Cancel", [](MemoryForm& d) { d.click(cmdCan); }, "D:\\other", true, "optUpath [D:\\draft] quit"},
        {"the close box", [](MemoryForm& d) { d.unload(); }, "D:\\other", false, "optSend (D:\\old)"},
        {"the close box, on Programs", [](MemoryForm& d) { d.unload(); }, programs, false, "optStart (D:\\old)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        Session run(c.target, "D:\\old", 0);
        run.showOptions([&](MemoryForm& d) {
            d.click(optUpath);
            d.control(txtPath).setText("D:\\draft");
            d.click(chkOQ);
            c.close(d);
        });
        EXPECT_EQ(run.values.TargetPath, c.target);
        EXPECT_EQ(run.values.UserPath, "D:\\old");
        EXPECT_EQ(run.values.QuitAfterSend, 0);
        EXPECT_EQ(run.dialog() != nullptr, c.loaded);
        EXPECT_EQ(run.shownWhenOpened(), c.next);
        EXPECT_EQ(run.dialog()->modalShows, c.loaded ? 2 : 1);
    }
}

TEST(OptionsDialog, OnlyTheUserOptionEnablesThePathBoxWhichOkLeavesHoldingTheSpecialFolder) {
    Session run("D:\\other", "");
    run.showOptions([](MemoryForm& d) {
        d.click(optUpath);
        EXPECT_TRUE(d.control(txtPath).enabled() && d.control(cmdO).enabled());
        d.click(optStart);
        EXPECT_FALSE(d.control(txtPath).enabled() || d.control(cmdO).enabled());
        EXPECT_EQ(shownBy(d), "optStart ()") << "one option of the group at a time";
        d.click(optUpath);
        d.click(optSend);
        EXPECT_FALSE(d.control(txtPath).enabled() || d.control(cmdO).enabled());
        EXPECT_EQ(shownBy(d), "optSend ()");
        d.click(cmdOK);
    });
    EXPECT_EQ(run.values.TargetPath, sendTo);
    run.showOptions([](MemoryForm& d) {
        d.click(optUpath);
        d.click(cmdOK);
    });
    EXPECT_EQ(run.values.TargetPath, sendTo);
    EXPECT_EQ(run.values.UserPath, sendTo);
}

TEST(OptionsDialog, BrowseFillsThePathBoxWithThePickedFolder) {
    const struct {
        const char* name;
        std::optional<PickedItem> pick;
        std::string path;
    } cases[] = {
        {"a folder", PickedItem{"D:\\picked", "picked"}, "D:\\picked"},
        {"cancelled", std::nullopt, "D:\\typed"},
        {"an item with no path", PickedItem{"", "プリンタ"}, ""},
    };
    Session run("D:\\other", "");
    for (const auto& c : cases) {
        run.folderBrowser.picks.push_back(c.pick);
        run.showOptions([&](MemoryForm& d) {
            d.click(optUpath);
            d.control(txtPath).setText("D:\\typed");
            d.click(cmdO);
            EXPECT_EQ(d.control(txtPath).text(), c.path) << c.name;
            EXPECT_TRUE(shownBy(d).starts_with("optUpath [")) << c.name;
            d.click(cmdCan);
        });
    }
    ASSERT_EQ(run.folderBrowser.calls.size(), 3u);
    EXPECT_EQ(run.folderBrowser.calls[0], (BrowseCall{0, 0, "", "参照", 0}));
    EXPECT_EQ(run.folderBrowser.liveLists(), 0);
}

}  // namespace
}  // namespace parcelo
