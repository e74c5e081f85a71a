#include <gtest/gtest.h>

#include "core/folder_tree.h"

namespace parcelo {
namespace {

struct Line {
    std::string path, name;
    int depth;
    bool open;
};

struct TreeCase {
    const char* what;
    std::string path;
    std::vector<std::string> subfolders;
    std::vector<Line> lines;
};

const TreeCase cases[] = {
    {"a folder two levels down",
     "C:\\Users\\花子",
     {"AppData", "ﾃﾞｽｸﾄｯﾌﾟ"},
     {{"C:\\", "c:\\", 0, true},
      {"C:\\Users", "Users", 1, true},
      {"C:\\Users\\花子", "花子", 2, true},
      {"C:\\Users\\花子\\AppData", "AppData", 3, false},
      {"C:\\Users\\花子\\ﾃﾞｽｸﾄｯﾌﾟ", "ﾃﾞｽｸﾄｯﾌﾟ", 3, false}}},
    {"the root", "D:\\", {"a"}, {{"D:\\", "d:\\", 0, true}, {"D:\\a", "a", 1, false}}},
    {"a root without its backslash", "d:", {}, {{"d:\\", "d:\\", 0, true}}},
    {"a trailing backslash", "C:\\x\\", {"y"}, {{"C:\\", "c:\\", 0, true}, {"C:\\x", "x", 1, true}, {"C:\\x\\y", "y", 2, false}}},
    {"no subfolders", "C:\\x", {}, {{"C:\\", "c:\\", 0, true}, {"C:\\x", "x", 1, true}}},
    {"nothing to show", "", {"a"}, {}},
};

TEST(FolderTree, RootThenTheOpenFoldersThenTheSubfoldersOneLevelIn) {
    for (const TreeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<FolderEntry> entries = folderTree(c.path, c.subfolders);
        ASSERT_EQ(entries.size(), c.lines.size());
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(entries[i].path, c.lines[i].path) << i;
            EXPECT_EQ(entries[i].name, c.lines[i].name) << i;
            EXPECT_EQ(entries[i].depth, c.lines[i].depth) << i;
            EXPECT_EQ(entries[i].open, c.lines[i].open) << i;
        }
    }
}

}  // namespace
}  // namespace parcelo
