#include <gtest/gtest.h>

#include <algorithm>

#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

const std::string photos = "C:\\Users\\hanako\\写真";
const ShownBox namePrompt{"ショートカット名を入力してください", "Parcelo", 0};
const ShownBox done{"完了", "Parcelo", 0};
const ShownBox failed{"失敗", "Parcelo", 0};
const ShownBox folderPrompt{"フォルダ名を入力してください", "フォルダ作成", 0};
using Arrange = std::function<void(test::PortableMachine&)>;

class FolderCommands : public testing::Test {
protected:
    FolderCommands() { machine.makeFolder(photos); }
    MemoryForm& form() { return machine.mainForm(); }

    test::PortableMachine machine;
    frmMain& window = machine.start();
};

TEST_F(FolderCommands, AFolderLinkGoesToSendToWhateverTheTargetOrFailsWithNothingWritten) {
    const struct {
        const char* what;
        std::optional<PickedItem> picked;  // nothing: Cancel
        std::deque<std::string> typed;
        Arrange arrange;
        std::vector<ShownBox> shown;
    } cases[] = {
        {"a named link to the picked folder", PickedItem{photos, "写真"}, {"写真へ"}, nullptr, {namePrompt, done}},
        {"cancel in the dialog", std::nullopt, {}, nullptr, {}},
        {"an empty name", PickedItem{photos, "写真"}, {""}, nullptr, {namePrompt}},
        {"an item without a file-system path", PickedItem{"", "プリンタ"}, {"プリンタ"}, nullptr, {namePrompt, failed}},
        {"a folder that has gone", PickedItem{photos + "\\消えた", "消えた"}, {"消えた"}, nullptr, {namePrompt, failed}},
        {"a name that leaves Send To", PickedItem{photos, "写真"}, {"..\\写真"}, nullptr, {namePrompt, failed}},
        {"a read-only Send To", PickedItem{photos, "写真"}, {"写真"},
         [](test::PortableMachine& m) { m.files.mark(m.sendTo(), false, false, true); }, {namePrompt, failed}},
    };
    machine.values.TargetPath = machine.shell.specialFolderPath(csidlPrograms);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.arrange) c.arrange(machine);
        const test::Snapshot before = machine.snapshot();
        machine.user = {};
        machine.user.typed = c.typed;
        machine.folderBrowser.calls.clear();
        machine.folderBrowser.picks = {c.picked};
        form().log.clear();
        window.cmdFopen_Click();
        EXPECT_EQ(machine.folderBrowser.calls, (std::vector<BrowseCall>{{0, 0, "", "参照", 0}}));
        EXPECT_EQ(machine.folderBrowser.liveLists(), 0);
        EXPECT_EQ(machine.user.shown, c.shown);
        // The view is reread once the writer has been asked.
        EXPECT_EQ(form().log, c.shown.size() == 2 ? std::vector<std::string>{"webMain refresh"}
                                                   : std::vector<std::string>{});
        const test::Snapshot changed = test::changes(before, machine.snapshot());
        if (c.shown.size() == 2 && c.shown[1] == done) {
            const std::string link = machine.sendTo() + "\\写真へ.lnk";
            ASSERT_EQ(changed.size(), 1u) << test::names(changed);
            EXPECT_TRUE(changed.contains(machine.snapshotName(link))) << test::names(changed);
            // The target's 8-bit path, in the code page.
            EXPECT_NE(changed.begin()->second.find("C:\\Users\\hanako\\\x8E\xCA\x90^"), std::string::npos);
            std::filesystem::remove(machine.files.hostPath(link));
        } else {
            EXPECT_TRUE(changed.empty()) << test::names(changed);
        }
    }
}

TEST_F(FolderCommands, ANewFolderGoesIntoTheTargetFolderAndOnlyThatOneAndRereadsViewAndList) {
    machine.makeFolder(machine.sendTo() + "\\既存");
    machine.writeBytes(machine.sendTo() + "\\既存\\中.lnk", "kept");
    machine.makeFolder(machine.sendTo() + "\\親");
    form().folderList(dirDir).setPath(photos);  // not where the folder goes
    const struct {
        const char* why;
        std::optional<std::string> typed;  // nothing: Cancel
        std::optional<std::string> made;   // inside the target folder
    } cases[] = {
        {"Cancel", std::nullopt, std::nullopt},
        {"OK on an empty field", "", std::nullopt},
        {"a name", "新しいフォルダ ﾌｫﾙﾀﾞ", "新しいフォルダ ﾌｫﾙﾀﾞ"},
        {"an existing folder", "既存", std::nullopt},
        {"below an existing folder", "親\\子", "親/子"},
        {"below a missing folder", "無い\\子", std::nullopt},
        {"a star", "a*b", std::nullopt},
        {"a colon", "x:y", std::nullopt},
        {"a question mark", "何?", std::nullopt},
        {"up one folder", "..\\外", std::nullopt},
        {"up and back", "親\\..\\..\\外", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const test::Snapshot before = machine.snapshot();
        machine.user = {};
        if (c.typed) machine.user.typed = {*c.typed};
        form().log.clear();
        window.onEvent(cmdNdir, Event::Click);
        const test::Snapshot changed = test::changes(before, machine.snapshot());
        if (c.made) {
            EXPECT_EQ(changed, (test::Snapshot{{machine.snapshotName(machine.sendTo()) + "/" + *c.made, "<folder>"}}));
        } else {
            EXPECT_TRUE(changed.empty()) << test::names(changed);
        }
        EXPECT_EQ(machine.user.shown, std::vector<ShownBox>{folderPrompt});
        EXPECT_EQ(form().log, (std::vector<std::string>{"webMain refresh", "dirDir refresh"})) << "no navigation";
        EXPECT_EQ(form().folderList(dirDir).path(), photos);
    }
}

}  // namespace
}  // namespace parcelo
