#include <gtest/gtest.h>

#include <algorithm>

#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmOptNames;

const ShownBox invalidPath{"このパスは無効です｡", "Parcelo", 0x30};

// What the dialog's controls show.
struct Shown {
    std::string_view selected;  // the selected option button; "several" when more than one is
    bool pathEnabled;      // txtPath and cmdO, which always go together
    std::string path;
    bool quitTicked;
    friend bool operator==(const Shown&, const Shown&) = default;
};

std::ostream& operator<<(std::ostream& out, const Shown& s) {
    return out << "{" << s.selected << ", " << (s.pathEnabled ? "enabled" : "disabled") << ", \"" << s.path << "\", "
               << (s.quitTicked ? "ticked" : "unticked") << "}";
}

Shown shownBy(MemoryForm& dialog) {
    std::string_view selected;
    for (std::string_view option : {optUpath, optSend, optStart})
        if (dialog.toggle(option).checked()) selected = selected.empty() ? option : "several";
    EXPECT_EQ(dialog.control(txtPath).enabled(), dialog.control(cmdO).enabled());
    return {selected, dialog.control(txtPath).enabled(), dialog.control(txtPath).text(),
            dialog.toggle(chkOQ).checked()};
}

// One run of the program on a machine of its own.
struct Session {
    Session() {
        machine.makeFolder("D:\\mine");
        machine.makeFolder("D:\\other");
    }

    // A second start, from a Data.ini with these settings.
    void startWith(const std::string& target, const std::string& user, int quit = 0) {
        machine.writeBytes(machine.dataIni(),
                           "\"" + target + "\",\"" + user + "\",8100,6600,1500,2250,0," + std::to_string(quit) + "\r\n");
        window = std::make_unique<frmMain>(machine.platform, machine.values);
        window->start();
    }
    MemoryForm* dialog() { return machine.ui.form("frmOpt"); }
    MemoryForm& mainWindow() { return *machine.ui.form("frmMain"); }
    // Shows the dialog from the options button, with the user doing `act` in it.
    void showOptions(std::function<void(MemoryForm&)> act) {
        machine.ui.modalUser.push_back(std::move(act));
        window->cmdOpt_Click();
    }
    // What the dialog shows when it opens from the options button; the user then cancels.
    Shown shownWhenOpened() {
        Shown shown{};
        showOptions([&](MemoryForm& d) {
            shown = shownBy(d);
            d.click(cmdCan);
        });
        return shown;
    }
    std::string programs() { return machine.shell.specialFolderPath(csidlPrograms); }
    std::string upper(std::string text) {
        for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return text;
    }

    test::PortableMachine machine;
    std::unique_ptr<frmMain> window;
};

class OptionsDialog : public testing::Test, protected Session {};

TEST_F(OptionsDialog, StartUpLoadsItOnlyForASpecialFolderAndItOpensOnTheMatchingOption) {
    const struct {
        const char* name;
        std::string target, user;
        bool loadedAtStart;
        Shown shown;
    } cases[] = {
        {"Send To", machine.sendTo(), "D:\\mine", true, {optSend, false, "D:\\mine", false}},
        {"Programs", programs(), "D:\\mine", true, {optStart, false, "D:\\mine", false}},
        {"Send To, also the user path", machine.sendTo(), machine.sendTo(), true,
         {optSend, false, machine.sendTo(), false}},
        {"the user path", "D:\\mine", "D:\\mine", false, {optUpath, true, "D:\\mine", false}},
        {"none of them", "D:\\other", "D:\\mine", false, {optSend, false, "D:\\mine", false}},
        {"Send To in other case", upper(machine.sendTo()), "", false, {optSend, false, "", false}},
        {"Programs in other case", upper(programs()), "", false, {optSend, false, "", false}},
        {"the user path in other case", "D:\\MINE", "D:\\mine", false, {optSend, false, "D:\\mine", false}},
    };
    for (const auto& c : cases) {
        Session run;
        run.startWith(c.target, c.user);
        EXPECT_EQ(run.dialog() != nullptr, c.loadedAtStart) << c.name;
        if (run.dialog()) {
            EXPECT_FALSE(run.dialog()->visible()) << c.name;
            EXPECT_EQ(shownBy(*run.dialog()), c.shown) << c.name << ": loaded hidden at start-up";
        }
        EXPECT_EQ(run.shownWhenOpened(), c.shown) << c.name;
        ASSERT_NE(run.dialog(), nullptr) << c.name << ": hidden by Cancel, not unloaded";
        EXPECT_EQ(run.dialog()->modalShows, 1) << c.name;
    }
}

TEST_F(OptionsDialog, TheQuitBoxShowsTheStoredOption) {
    for (int quit : {0, 1}) {
        machine.values = {};
        startWith("D:\\other", "", quit);
        EXPECT_EQ(shownWhenOpened().quitTicked, quit == 1) << quit;
        // OK without a change keeps the option as it was.
        showOptions([](MemoryForm& d) { d.click(cmdOK); });
        EXPECT_EQ(machine.values.QuitAfterSend, quit);
    }
}

TEST_F(OptionsDialog, OkMakesTheChosenFolderTheTargetAndPointsTheMainWindowThere) {
    const struct {
        std::string_view option;
        std::string typed;
        std::string target;
        std::string userPath;
    } cases[] = {
        {optSend, "ignored", machine.sendTo(), "D:\\old"},
        {optStart, "ignored", programs(), "D:\\old"},
        {optUpath, "D:\\mine", "D:\\mine", "D:\\mine"},
    };
    for (const auto& c : cases) {
        machine.values = {};
        startWith("D:\\other", "D:\\old");
        mainWindow().log.clear();
        showOptions([&](MemoryForm& d) {
            d.click(c.option);
            d.control(txtPath).setText(c.typed);
            d.click(chkOQ);
            d.click(cmdOK);
        });
        EXPECT_EQ(machine.values.TargetPath, c.target) << c.option;
        EXPECT_EQ(machine.values.UserPath, c.userPath) << c.option;
        EXPECT_EQ(machine.values.QuitAfterSend, 1) << c.option;
        ASSERT_NE(dialog(), nullptr) << c.option;
        EXPECT_FALSE(dialog()->visible()) << c.option << ": hidden, not closed";
        EXPECT_EQ(dialog()->control(txtPath).text(), c.target) << c.option;
        EXPECT_EQ(mainWindow().folderList(frmMainNames::dirDir).path(), c.target) << c.option;
        EXPECT_EQ(mainWindow().driveList(frmMainNames::driDri).drive(), c.target.substr(0, 2) == "C:" ? "c:" : "d:")
            << c.option;
        const std::vector<std::string>& log = mainWindow().log;
        ASSERT_FALSE(log.empty()) << c.option;
        EXPECT_EQ(log.front(), "webMain navigate " + c.target) << c.option;
        EXPECT_NE(std::find(log.begin(), log.end(), "webMain refresh"), log.end()) << c.option;
        EXPECT_EQ(log.back(), "dirDir refresh") << c.option;
        EXPECT_TRUE(machine.user.shown.empty()) << c.option;
    }
    // The next run finds it in Data.ini.
    mainWindow().unload();
    EXPECT_EQ(machine.readBytes(machine.dataIni()).substr(0, 24), "\"D:\\mine\",\"D:\\mine\",8100");
}

TEST_F(OptionsDialog, APathThatFailsSaysSoOnceAndKeepsTheFoldersButNotTheQuitOption) {
    for (const char* typed : {"D:\\missing", "Q:\\nodrive", "", "relative"}) {
        machine.values = {};
        machine.user.shown.clear();
        startWith("D:\\other", "D:\\old", 0);
        showOptions([&](MemoryForm& d) {
            d.click(optUpath);
            d.control(txtPath).setText(typed);
            d.click(chkOQ);
            d.click(cmdOK);
        });
        EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{invalidPath}) << typed;
        EXPECT_EQ(machine.values.TargetPath, "D:\\other") << typed;
        EXPECT_EQ(machine.values.UserPath, "D:\\old") << typed;
        EXPECT_EQ(machine.values.QuitAfterSend, 1) << typed;
        ASSERT_NE(dialog(), nullptr) << typed;
        EXPECT_FALSE(dialog()->visible()) << typed;
        EXPECT_EQ(mainWindow().folderList(frmMainNames::dirDir).path(), "D:\\other") << typed;
    }
}

TEST_F(OptionsDialog, AMissingSendToFailsAfterItBecameTheTarget) {
    startWith("D:\\other", "D:\\old");
    std::filesystem::remove_all(machine.files.hostPath(machine.sendTo()));
    showOptions([](MemoryForm& d) { d.click(cmdOK); });
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{invalidPath});
    EXPECT_EQ(machine.values.TargetPath, machine.sendTo());
    EXPECT_EQ(machine.values.UserPath, "D:\\old");
}

TEST_F(OptionsDialog, CancelStoresNothingAndTheNextShowingFindsTheControlsAsLeft) {
    startWith("D:\\other", "D:\\old", 0);
    showOptions([](MemoryForm& d) {
        d.click(optUpath);
        d.control(txtPath).setText("D:\\draft");
        d.click(chkOQ);
        d.click(cmdCan);
    });
    EXPECT_EQ(machine.values.TargetPath, "D:\\other");
    EXPECT_EQ(machine.values.UserPath, "D:\\old");
    EXPECT_EQ(machine.values.QuitAfterSend, 0);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_FALSE(dialog()->visible());
    EXPECT_EQ(shownWhenOpened(), (Shown{optUpath, true, "D:\\draft", true}));
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->modalShows, 2) << "one window, shown twice";
}

TEST_F(OptionsDialog, OkLeavesTheSpecialFolderInTheBoxForTheUserOptionToTake) {
    startWith("D:\\other", "");
    showOptions([](MemoryForm& d) { d.click(cmdOK); });
    EXPECT_EQ(machine.values.TargetPath, machine.sendTo());
    showOptions([](MemoryForm& d) {
        d.click(optUpath);
        d.click(cmdOK);
    });
    EXPECT_EQ(machine.values.TargetPath, machine.sendTo());
    EXPECT_EQ(machine.values.UserPath, machine.sendTo());
}

TEST_F(OptionsDialog, TheCloseBoxUnloadsItAndTheNextShowingStartsAfresh) {
    startWith("D:\\mine", "D:\\mine");
    showOptions([](MemoryForm& d) {
        d.click(optStart);
        d.control(txtPath).setText("D:\\draft");
        d.unload();
    });
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(machine.values.TargetPath, "D:\\mine");
    EXPECT_EQ(shownWhenOpened(), (Shown{optUpath, true, "D:\\mine", false}));
}

TEST_F(OptionsDialog, TheOptionsEnableThePathBoxAndItsBrowseButtonOnlyForTheUserPath) {
    startWith("D:\\other", "");
    showOptions([](MemoryForm& d) {
        d.click(optUpath);
        EXPECT_TRUE(d.control(txtPath).enabled() && d.control(cmdO).enabled());
        d.click(optStart);
        EXPECT_FALSE(d.control(txtPath).enabled() || d.control(cmdO).enabled());
        EXPECT_FALSE(d.toggle(optUpath).checked()) << "one option of the group at a time";
        d.click(optUpath);
        d.click(optSend);
        EXPECT_FALSE(d.control(txtPath).enabled() || d.control(cmdO).enabled());
        EXPECT_EQ(shownBy(d).selected, optSend);
    });
}

TEST_F(OptionsDialog, BrowseFillsThePathBoxWithThePickedFolder) {
    const struct {
        const char* name;
        std::optional<PickedItem> pick;
        std::string path;
    } cases[] = {
        {"a folder", PickedItem{"D:\\picked", "picked"}, "D:\\picked"},
        {"cancelled", std::nullopt, "D:\\typed"},
        {"an item with no path", PickedItem{"", "プリンタ"}, ""},
    };
    startWith("D:\\other", "");
    for (const auto& c : cases) {
        machine.folderBrowser.picks.push_back(c.pick);
        showOptions([&](MemoryForm& d) {
            d.click(optUpath);
            d.control(txtPath).setText("D:\\typed");
            d.click(cmdO);
            EXPECT_EQ(d.control(txtPath).text(), c.path) << c.name;
            EXPECT_EQ(shownBy(d).selected, optUpath) << c.name;
            d.click(cmdCan);
        });
    }
    ASSERT_EQ(machine.folderBrowser.calls.size(), 3u);
    EXPECT_EQ(machine.folderBrowser.calls[0], (BrowseCall{0, 0, "", "参照", 0}));
    EXPECT_EQ(machine.folderBrowser.liveLists(), 0);
}

TEST_F(OptionsDialog, TheMenuItemOpensTheSameDialogAsTheButton) {
    startWith("D:\\other", "");
    machine.ui.modalUser.push_back([](MemoryForm& d) { d.click(cmdCan); });
    window->onEvent(frmMainNames::mnuOpt, Event::Click);
    ASSERT_NE(dialog(), nullptr);
    machine.ui.modalUser.push_back([](MemoryForm& d) { d.click(cmdCan); });
    window->onEvent(frmMainNames::cmdOpt, Event::Click);
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->modalShows, 2);
    EXPECT_TRUE(machine.ui.modalUser.empty());
}

}  // namespace
}  // namespace parcelo
