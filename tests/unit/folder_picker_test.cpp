#include <gtest/gtest.h>

#include "folderpicker/clsBrowsFolder.h"
#include "platform/portable/scripted_folder_browser.h"

namespace parcelo {
namespace {

class FolderPicker : public testing::Test {
protected:
    BrowseCall onlyCall() {
        EXPECT_EQ(shell.calls.size(), 1u);
        return shell.calls.empty() ? BrowseCall{} : shell.calls.back();
    }

    ScriptedFolderBrowser shell;
};

TEST_F(FolderPicker, ANewPickerIsEmptyAndShowsAnUntitledDialogAtTheDesktopWithNoOwner) {
    clsBrowsFolder picker(shell);
    EXPECT_EQ(picker.pTarget(), 0);
    EXPECT_EQ(picker.pFlags(), 0);
    EXPECT_EQ(picker.pDialogTitle(), "");
    EXPECT_EQ(picker.pUseInitDir(), "");
    EXPECT_EQ(picker.pInitDir(), 0);
    EXPECT_FALSE(picker.pUseDir());
    EXPECT_EQ(picker.pPathName(), "");
    EXPECT_EQ(picker.pDisplayName(), "");

    EXPECT_FALSE(picker.mShowDialog());
    EXPECT_EQ(onlyCall(), (BrowseCall{0, 0, "", "", 0}));
}

TEST_F(FolderPicker, OwnerTitleAndFlagsReachTheDialogUnchanged) {
    clsBrowsFolder picker(shell);
    picker.pTarget(0x2a0b6);
    picker.pDialogTitle("参照 ﾌｫﾙﾀﾞ Ελληνικά");
    picker.pFlags(0x41);
    picker.mShowDialog();
    EXPECT_EQ(onlyCall(), (BrowseCall{0x2a0b6, 0, "", "参照 ﾌｫﾙﾀﾞ Ελληνικά", 0x41}));
}

struct RootCase {
    const char* name;
    bool useDir;
    const char* useInitDir;
    ItemIdHandle initDir;
    bool rootedAtPath;  // else the root is `expectedRoot`
    ItemIdHandle expectedRoot;
};

const RootCase rootCases[] = {
    {"ListWhenUseDirIsFalse", false, "", 0x5150, false, 0x5150},
    {"PathAloneChangesNothing", false, "C:\\Data", 0, false, 0},
    {"PathAloneLeavesTheList", false, "C:\\Data", 0x5150, false, 0x5150},
    {"EmptyPathIsTheDesktopWhateverTheList", true, "", 0x5150, false, 0},
    {"PathWhenUseDirIsTrue", true, "C:\\Data\\写真", 0x5150, true, 0},
    {"PathTheShellCannotFindIsTheDesktop", true, "Q:\\nowhere", 0x5150, false, 0},
};

class FolderPickerRoot : public FolderPicker, public testing::WithParamInterface<RootCase> {};

TEST_P(FolderPickerRoot, ChoosesTheRootAndReleasesWhatItMade) {
    const RootCase& c = GetParam();
    shell.unknownPaths = {"Q:\\nowhere"};
    clsBrowsFolder picker(shell);
    picker.pUseDir(c.useDir);
    picker.pUseInitDir(c.useInitDir);
    picker.pInitDir(c.initDir);
    picker.mShowDialog();

    const BrowseCall call = onlyCall();
    if (c.rootedAtPath) {
        EXPECT_NE(call.root, 0);
        EXPECT_EQ(call.rootPath, c.useInitDir);
    } else {
        EXPECT_EQ(call.root, c.expectedRoot);
        EXPECT_EQ(call.rootPath, "");
    }
    EXPECT_EQ(shell.liveLists(), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, FolderPickerRoot, testing::ValuesIn(rootCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FolderPicker, EachCallReplacesBothResults) {
    const PickedItem photos{"C:\\Users\\hanako\\写真", "写真"};
    shell.picks = {photos, PickedItem{"", "プリンタ"}, photos, std::nullopt, PickedItem{"", ""}};
    clsBrowsFolder picker(shell);

    EXPECT_TRUE(picker.mShowDialog());
    EXPECT_EQ(picker.pPathName(), photos.path);
    EXPECT_EQ(picker.pDisplayName(), "写真");

    // An item without a file-system path still counts as chosen.
    EXPECT_TRUE(picker.mShowDialog());
    EXPECT_EQ(picker.pPathName(), "");
    EXPECT_EQ(picker.pDisplayName(), "プリンタ");

    EXPECT_TRUE(picker.mShowDialog());
    EXPECT_FALSE(picker.mShowDialog());  // cancelled after a pick
    EXPECT_EQ(picker.pPathName(), "");
    EXPECT_EQ(picker.pDisplayName(), "");

    EXPECT_FALSE(picker.mShowDialog());  // an item with neither path nor name
    EXPECT_EQ(shell.calls.size(), 5u);
    EXPECT_EQ(shell.liveLists(), 0);
}

}  // namespace
}  // namespace parcelo
