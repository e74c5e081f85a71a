#include <gtest/gtest.h>

#include "copymove/copy_move.h"
#include "core/recent_destinations.h"
#include "platform/platform_error.h"
#include "support/portable_machine.h"

namespace parcelo {
namespace {

using Paths = std::vector<std::string>;

TEST(CopyMoveRequest, AFolderHoldsItselfAndWhatIsInsideIt) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"C:\\a\\b\\c", "c:\\A\\", true}, {"C:\\a", "C:\\a", true},   {"C:\\x", "C:\\", true},
        {"C:\\ab", "C:\\a", false},       {"C:\\a", "C:\\a\\b", false}, {"D:\\a", "C:\\a", false},
        {"\\\\srv\\s\\x", "\\\\SRV\\s", true},
    };
    for (const auto& [path, folder, within] : cases) EXPECT_EQ(isWithin(path, folder), within) << path << " " << folder;
}

TEST(RecentDestinations, TheFileIsOnePathALineMostRecentFirstAndAnythingElseIsEmpty) {
    const std::pair<std::string, Paths> cases[] = {
        {"C:\\b\r\nD:\\写真 1\r\n\\\\srv\\s\r\n", {"C:\\b", "D:\\写真 1", "\\\\srv\\s"}},
        {"C:\\a\n\nc:\\A\\\nC:\\ｂ\nC:\\Ｂ", {"C:\\a", "C:\\ｂ"}},
        {"C:\\0\nC:\\1\nC:\\2\nC:\\3\nC:\\4\nC:\\5\nC:\\6\nC:\\7\nC:\\8\nC:\\9\nC:\\10\n",
         {"C:\\0", "C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\5", "C:\\6", "C:\\7", "C:\\8", "C:\\9"}},
        {"C:\\a\r\nC:\\\xff\r\n", {}},
        {std::string("C:\\a\0b", 6), {}},
        {"C:\\a\r\nrelative\r\n", {}},
        {"C:", {}},
        {"C:a", {}},
    };
    for (const auto& [bytes, folders] : cases) EXPECT_EQ(recentFromBytes(bytes), folders) << bytes;
    EXPECT_EQ(recentBytes({"C:\\b", "D:\\写真 1"}), "C:\\b\r\nD:\\写真 1\r\n");
    const Paths ten = recentFromBytes(cases[2].first);
    EXPECT_EQ(withFirst(ten, "c:\\5\\"),
              (Paths{"c:\\5\\", "C:\\0", "C:\\1", "C:\\2", "C:\\3", "C:\\4", "C:\\6", "C:\\7", "C:\\8", "C:\\9"}));
    EXPECT_EQ(withFirst(ten, "C:\\new").back(), "C:\\8");
    EXPECT_EQ(without({"C:\\a", "C:\\b"}, "c:\\A\\"), Paths{"C:\\b"});
}

// The shell's operation as the mode asks for it, one line a call; it fails when told to.
struct RecordedOperation : FileOperation {
    void transfer(Transfer transfer, const Paths& paths, const std::string& folder) override {
        std::string call = transfer == Transfer::Copy ? "copy" : "move";
        for (const std::string& path : paths) call += " " + path;
        calls.push_back(call + " > " + folder);
        if (fail) throw PlatformError(5, "アクセスが拒否されました。");
    }
    Paths calls;
    bool fail = false;
};

class CopyMove : public testing::Test {
protected:
    CopyMove() {
        machine.makeFolder("C:\\先");
        machine.makeFolder("C:\\元\\中");
        machine.writeBytes("C:\\元\\a b.txt", "a");
    }
    void run(Transfer transfer, Paths paths, std::optional<std::string> choice) {
        machine.user.chosenItems.push_back(choice);
        runCopyMove(machine.platform, operation, {transfer, std::move(paths)});
    }
    std::string recent() { return machine.readBytes(recentFile); }

    const std::string recentFile = std::string(test::PortableMachine::programFolder) + "\\Recent.txt";
    test::PortableMachine machine;
    RecordedOperation operation;
};

TEST_F(CopyMove, RecentFoldersShowTheNamesTheShellShowsAndTheirPathsWhereTwoNamesAreTheSame) {
    machine.makeFolder("C:\\z\\書類");
    machine.folders.displayNames["C:\\z\\書類"] = "同じ";
    const PopupItem separator{"", "", true, {}, true};
    EXPECT_EQ(destinationMenu(machine.folders, Transfer::Move,
                              {"C:\\x\\A&B", "D:\\", "C:\\y\\同じ", "D:\\同じ\\", "C:\\z\\書類", "C:\\z"}),
              (std::vector<PopupItem>{
                  {"移動先", "", false, {}},
                  {"A&&B", "C:\\x\\A&B", true, {}},
                  {"D:\\", "D:\\", true, {}},
                  {"同じ (C:\\y\\同じ)", "C:\\y\\同じ", true, {}},
                  {"同じ (D:\\同じ\\)", "D:\\同じ\\", true, {}},
                  {"同じ (C:\\z\\書類)", "C:\\z\\書類", true, {}},
                  {"z", "C:\\z", true, {}},
                  separator,
                  {"フォルダーを選ぶ(&F)...", chooseFolderCommand, true, {}},
                  {"履歴を消す(&H)", clearRecentCommand, true, {}},
              }));
}

TEST_F(CopyMove, WhatCannotBeSentIsToldBeforeAnythingStartsAndTheLastCommandEmptiesTheList) {
    machine.writeBytes(recentFile, "C:\\無い\r\nC:\\先\r\n");
    runCopyMove(machine.platform, operation, {Transfer::Move, {}});
    run(Transfer::Move, {"C:\\元\\a b.txt"}, "C:\\無い");
    EXPECT_EQ(recent(), "C:\\先\r\n");
    run(Transfer::Copy, {"C:\\元\\a b.txt", "C:\\元"}, "C:\\元\\中");
    run(Transfer::Copy, {"C:\\元\\消えた", "C:\\元\\a b.txt", "C:\\元\\x"}, "C:\\先");
    run(Transfer::Copy, {"C:\\元\\消えた"}, "C:\\先");
    operation.fail = true;
    run(Transfer::Move, {"C:\\元\\a b.txt"}, "C:\\先");
    const unsigned warning = box::iconWarning, error = box::iconError;
    EXPECT_EQ(machine.user.shown, (std::vector<ShownBox>{
                                      {"移動する項目がありません。", "Parcelo", warning},
                                      {"フォルダが見つかりません。\nC:\\無い", "Parcelo", error},
                                      {"フォルダーをそれ自身の中へコピーすることはできません。\nC:\\元", "Parcelo", error},
                                      {"次の項目が見つかりません。ほかの項目はコピーします。\n\nC:\\元\\消えた\nC:\\元\\x",
                                       "Parcelo", warning},
                                      {"次の項目が見つかりません。\n\nC:\\元\\消えた", "Parcelo", warning},
                                      {"移動できませんでした。\n\nアクセスが拒否されました。", "Parcelo", error},
                                  }));
    EXPECT_EQ(operation.calls, (Paths{"copy C:\\元\\a b.txt > C:\\先", "move C:\\元\\a b.txt > C:\\先"}));
    run(Transfer::Copy, {"C:\\元\\a b.txt"}, clearRecentCommand);
    EXPECT_EQ(recent(), "");
}

TEST_F(CopyMove, EscOrACancelledDialogChangesNothing) {
    machine.writeBytes(recentFile, "C:\\先\r\n");
    const test::Snapshot before = machine.snapshot();
    run(Transfer::Copy, {"C:\\元\\a b.txt"}, std::nullopt);
    run(Transfer::Copy, {"C:\\元\\a b.txt"}, chooseFolderCommand);
    EXPECT_EQ(machine.snapshot(), before);
    const BrowseCall browse{0, 0, "コピー先のフォルダーを選んでください。", 0x41, "C:\\先"};
    EXPECT_EQ(machine.folderBrowser.calls, std::vector<BrowseCall>{browse});
    EXPECT_TRUE(operation.calls.empty() && machine.user.shown.empty());
}

TEST_F(CopyMove, AFolderPickedInTheDialogIsSentToAndAListThatCannotBeKeptIsNotAndNothingComplains) {
    machine.makeFolder(recentFile);
    machine.folderBrowser.picks.push_back(PickedItem{"C:\\先", "先"});
    run(Transfer::Copy, {"C:\\元\\a b.txt", "C:\\元\\中"}, chooseFolderCommand);
    EXPECT_EQ(operation.calls, Paths{"copy C:\\元\\a b.txt C:\\元\\中 > C:\\先"});
    EXPECT_EQ(machine.user.menus.at(0).size(), 4u);  // no recent folder
    EXPECT_TRUE(machine.user.shown.empty());
    EXPECT_FALSE(machine.exists(machine.dataIni()));
}

}  // namespace
}  // namespace parcelo
