#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "lnkinfo.h"
#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

const std::string photos = "C:\\Users\\hanako\\写真";
const ShownBox namePrompt{"ショートカット名を入力してください", "Parcelo", 0};
const ShownBox done{"完了", "Parcelo", 0};
const ShownBox failed{"失敗", "Parcelo", 0};
const ShownBox folderPrompt{"フォルダ名を入力してください", "フォルダ作成", 0};
const BrowseCall browseDialog{0, 0, "", "参照", 0};

class FolderCommands : public testing::Test {
protected:
    FolderCommands() {
        machine.makeFolder(photos);
        window.start();
        form().log.clear();
        treeBefore = tree();
    }
    MemoryForm& form() { return *machine.ui.form("frmMain"); }
    const std::vector<std::string>& log() { return form().log; }
    std::vector<std::string> entries(const std::string& folder) {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(machine.files.hostPath(folder)))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // Every file and folder of the machine, relative to its root.
    std::vector<std::string> tree() {
        std::vector<std::string> paths;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(machine.root))
            paths.push_back(std::filesystem::relative(entry.path(), machine.root).string());
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    test::PortableMachine machine;
    frmMain window{machine.platform, machine.values};
    std::vector<std::string> treeBefore;
};

class FolderLink : public FolderCommands, public testing::WithParamInterface<void (frmMain::*)()> {
protected:
    void run() { (window.*GetParam())(); }
};

TEST_P(FolderLink, CancelInTheDialogEndsWithNothingShownOrRefreshed) {
    run();
    EXPECT_EQ(machine.folderBrowser.calls, std::vector<BrowseCall>{browseDialog});
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_TRUE(log().empty());
}

TEST_P(FolderLink, AnEmptyNameEndsAfterThePromptWithNothingWritten) {
    machine.folderBrowser.picks = {PickedItem{photos, "写真"}};
    run();
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{namePrompt});
    EXPECT_TRUE(log().empty());
    EXPECT_TRUE(entries(machine.sendTo()).empty());
}

TEST_P(FolderLink, ANamedLinkToThePickedFolderLandsInSendTo) {
    machine.folderBrowser.picks = {PickedItem{photos, "写真"}};
    machine.user.typed = {"写真へ"};
    run();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt, done}));
    EXPECT_EQ(log(), std::vector<std::string>{"webMain refresh"});
    EXPECT_EQ(entries(machine.sendTo()), std::vector<std::string>{"写真へ.lnk"});
    EXPECT_EQ(machine.folderBrowser.liveLists(), 0);
    if (test::haveLnkinfo()) {
        const std::string output = test::lnkinfo(machine.readBytes(machine.sendTo() + "\\写真へ.lnk"));
        EXPECT_EQ(test::lnkinfoField(output, "Local path"), photos) << output;
    }
}

INSTANTIATE_TEST_SUITE_P(ButtonAndMenu, FolderLink, testing::Values(&frmMain::cmdFopen_Click, &frmMain::mnuDi_Click));

struct RefusedLink {
    const char* why;
    PickedItem picked;
    std::string name;
};

TEST_F(FolderCommands, WhatTheWriterRefusesIsAFailureAfterWhichTheViewIsRefreshed) {
    const RefusedLink cases[] = {
        {"an item without a file-system path", {"", "プリンタ"}, "プリンタ"},
        {"a folder that has gone", {"C:\\Users\\hanako\\消えた", "消えた"}, "消えた"},
        {"a name that leaves Send To", {photos, "写真"}, "..\\写真"},
    };
    treeBefore = tree();
    for (const RefusedLink& c : cases) {
        machine.user.shown.clear();
        form().log.clear();
        machine.folderBrowser.picks = {c.picked};
        machine.user.typed = {c.name};
        window.mnuDi_Click();
        EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt, failed})) << c.why;
        EXPECT_EQ(log(), std::vector<std::string>{"webMain refresh"}) << c.why;
    }
    EXPECT_EQ(tree(), treeBefore);
}

TEST_F(FolderCommands, AFailedWriteIsAFailureAndLeavesSendToAsItWas) {
    machine.files.mark(machine.sendTo(), false, false, true);
    machine.folderBrowser.picks = {PickedItem{photos, "写真"}};
    machine.user.typed = {"写真"};
    window.mnuDi_Click();
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{namePrompt, failed}));
    EXPECT_EQ(tree(), treeBefore);
}

TEST_F(FolderCommands, ALinkGoesToSendToWhateverTheTargetFolder) {
    const std::string programs = machine.shell.specialFolderPath(csidlPrograms);
    machine.values.TargetPath = programs;
    machine.folderBrowser.picks = {PickedItem{photos, "写真"}};
    machine.user.typed = {"写真"};
    window.mnuDi_Click();
    EXPECT_EQ(entries(machine.sendTo()), std::vector<std::string>{"写真.lnk"});
    EXPECT_TRUE(entries(programs).empty());
}

struct NewFolderCase {
    const char* why;
    std::optional<std::string> typed;  // nothing: Cancel
    std::vector<std::string> made;     // inside the target folder
};

void PrintTo(const NewFolderCase& c, std::ostream* os) { *os << c.why; }

class NewFolder : public FolderCommands, public testing::WithParamInterface<NewFolderCase> {
protected:
    NewFolder() {
        machine.makeFolder(machine.sendTo() + "\\既存");
        machine.writeBytes(machine.sendTo() + "\\既存\\中.lnk", "kept");
        machine.makeFolder(machine.sendTo() + "\\親");
        treeBefore = tree();
    }
};

TEST_P(NewFolder, MakesAtMostTheOneFolderSaysNothingAndRereadsViewAndList) {
    const NewFolderCase& c = GetParam();
    if (c.typed) machine.user.typed = {*c.typed};
    window.onEvent(frmMainNames::cmdNdir, Event::Click);

    std::vector<std::string> expected = treeBefore;
    const std::string sendTo = std::filesystem::relative(machine.files.hostPath(machine.sendTo()), machine.root).string();
    for (const std::string& folder : c.made) expected.push_back(sendTo + "/" + folder);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(tree(), expected);
    EXPECT_EQ(machine.readBytes(machine.sendTo() + "\\既存\\中.lnk"), "kept");
    EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{folderPrompt});
    EXPECT_EQ(log(), (std::vector<std::string>{"webMain refresh", "dirDir refresh"}));
}

const NewFolderCase newFolderCases[] = {
    {"Cancel", std::nullopt, {}},
    {"OkOnAnEmptyField", "", {}},
    {"AName", "新しいフォルダ ﾌｫﾙﾀﾞ", {"新しいフォルダ ﾌｫﾙﾀﾞ"}},
    {"AnExistingFolder", "既存", {}},
    {"BelowAnExistingFolder", "親\\子", {"親/子"}},
    {"BelowAMissingFolder", "無い\\子", {}},
    {"AStar", "a*b", {}},
    {"AColon", "x:y", {}},
    {"AQuestionMark", "何?", {}},
    {"UpOneFolder", "..\\外", {}},
    {"UpAndBack", "親\\..\\..\\外", {}},
};

INSTANTIATE_TEST_SUITE_P(Names, NewFolder, testing::ValuesIn(newFolderCases),
                         [](const auto& info) { return std::string(info.param.why); });

TEST_F(FolderCommands, ANewFolderGoesIntoTheTargetFolderWhicheverFolderIsShown) {
    form().folderList(frmMainNames::dirDir).setPath(photos);
    form().log.clear();
    machine.user.typed = {"新"};
    window.cmdNdir_Click();
    EXPECT_TRUE(machine.exists(machine.sendTo() + "\\新"));
    EXPECT_FALSE(machine.exists(photos + "\\新"));
    EXPECT_EQ(log(), (std::vector<std::string>{"webMain refresh", "dirDir refresh"}));  // no navigation
    EXPECT_EQ(form().folderList(frmMainNames::dirDir).path(), photos);
}

}  // namespace
}  // namespace parcelo
