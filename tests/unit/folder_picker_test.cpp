#include <gtest/gtest.h>

#include "folderpicker/clsBrowsFolder.h"
#include "platform/portable/scripted_folder_browser.h"

namespace parcelo {
namespace {

TEST(FolderPicker, ANewPickerShowsAnUntitledDialogAtTheDesktopAndSettingsReachItUnchanged) {
    ScriptedFolderBrowser shell;
    clsBrowsFolder picker(shell);
    EXPECT_FALSE(picker.mShowDialog());
    EXPECT_EQ(picker.pPathName(), "");
    picker.pTarget(0x2a0b6);
    picker.pDialogTitle("参照 ﾌｫﾙﾀﾞ Ελληνικά");
    picker.pFlags(0x41);
    picker.mShowDialog();
    EXPECT_EQ(shell.calls, (std::vector<BrowseCall>{{0, 0, "", "", 0}, {0x2a0b6, 0, "", "参照 ﾌｫﾙﾀﾞ Ελληνικά", 0x41}}));
}

TEST(FolderPicker, ChoosesTheRootAndReleasesWhatItMade) {
    const struct {
        const char* name;
        bool useDir;
        const char* useInitDir;
        ItemIdHandle initDir;
        bool rootedAtPath;  // else the root is `expectedRoot`
        ItemIdHandle expectedRoot;
    } cases[] = {
        {"the list when pUseDir is false", false, "", 0x5150, false, 0x5150},
        {"a path alone changes nothing", false, "C:\\Data", 0, false, 0},
        {"a path alone leaves the list", false, "C:\\Data", 0x5150, false, 0x5150},
        {"an empty path is the desktop whatever the list", true, "", 0x5150, false, 0},
        {"the path when pUseDir is true", true, "C:\\Data\\写真", 0x5150, true, 0},
        {"a path the shell cannot find is the desktop", true, "Q:\\nowhere", 0x5150, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedFolderBrowser shell;
        shell.unknownPaths = {"Q:\\nowhere"};
        clsBrowsFolder picker(shell);
        picker.pUseDir(c.useDir);
        picker.pUseInitDir(c.useInitDir);
        picker.pInitDir(c.initDir);
        picker.mShowDialog();
        ASSERT_EQ(shell.calls.size(), 1u);
        if (c.rootedAtPath) {
            EXPECT_NE(shell.calls[0].root, 0);
            EXPECT_EQ(shell.calls[0].rootPath, c.useInitDir);
        } else {
            EXPECT_EQ(shell.calls[0].root, c.expectedRoot);
            EXPECT_EQ(shell.calls[0].rootPath, "");
        }
        EXPECT_EQ(shell.liveLists(), 0);
    }
}

TEST(FolderPicker, EachCallReplacesBothResults) {
    ScriptedFolderBrowser shell;
    const PickedItem photos{"C:\\Users\\hanako\\写真", "写真"};
    // An item without a file-system path still counts as chosen; neither path nor name does not.
    shell.picks = {photos, PickedItem{"", "プリンタ"}, photos, std::nullopt, PickedItem{"", ""}};
    const struct {
        bool chosen;
        std::string path, name;
    } results[] = {{true, photos.path, "写真"}, {true, "", "プリンタ"}, {true, photos.path, "写真"}, {false, "", ""},
                   {false, "", ""}};
    clsBrowsFolder picker(shell);
    for (const auto& r : results) {
        EXPECT_EQ(picker.mShowDialog(), r.chosen);
        EXPECT_EQ(picker.pPathName(), r.path);
        EXPECT_EQ(picker.pDisplayName(), r.name);
    }
    EXPECT_EQ(shell.liveLists(), 0);
}

}  // namespace
}  // namespace parcelo
