#include <gtest/gtest.h>

#include "core/drive_text.h"
#include "core/folder_tree.h"
#include "core/new_folder_path.h"
#include "core/shortcut_name.h"

namespace parcelo {
namespace {

using Parts = std::vector<std::string>;

std::string repeated(const std::string& piece, int times) {
    std::string s;
    for (int i = 0; i < times; ++i) s += piece;
    return s;
}

TEST(DriveText, TakesTheDriveATextBeginsWithAndKnowsAWholeDrive) {
    const std::pair<std::string_view, std::string_view> drives[] = {
        {"C:\\Users\\x", "c:"}, {"d:", "d:"}, {"Z: [Data]", "z:"}, {"", ""},
        {"C", ""}, {"Cx", ""}, {"\\\\server\\share", ""}, {"1:\\", ""}, {"ä:", ""},
    };
    for (const auto& [text, drive] : drives) EXPECT_EQ(driveOf(text), drive) << text;
    const std::pair<std::string_view, bool> wholes[] = {
        {"c:", true}, {"c: [Windows]", true}, {"C:\\", false}, {"c:x", false}, {"c: [open", false}, {"", false},
    };
    for (const auto& [text, whole] : wholes) EXPECT_EQ(isDriveDesignation(text), whole) << text;
}

TEST(PathComponents, ResolvesDotsByNameWithoutClimbingAboveTheDrive) {
    const std::pair<std::string_view, Parts> cases[] = {
        {"\\Users\\x\\Start Menu\\Programs\\..\\..\\SendTo", {"Users", "x", "SendTo"}},
        {"\\a\\.\\b/c\\", {"a", "b", "c"}},
        {"\\..\\..\\Windows", {"Windows"}},
    };
    for (const auto& [path, parts] : cases) EXPECT_EQ(pathComponents(path), parts) << path;
}

TEST(FolderTree, RootThenTheOpenFoldersThenTheSubfoldersOneLevelIn) {
    const struct {
        std::string path;
        Parts subfolders;
        std::string lines;  // path, name, depth and open (+) or not (-) of each line
    } cases[] = {
        {"C:\\Users\\花子", {"AppData", "ﾃﾞｽｸﾄｯﾌﾟ"},
         "C:\\ c:\\ 0+|C:\\Users Users 1+|C:\\Users\\花子 花子 2+|C:\\Users\\花子\\AppData AppData 3-|"
         "C:\\Users\\花子\\ﾃﾞｽｸﾄｯﾌﾟ ﾃﾞｽｸﾄｯﾌﾟ 3-|"},
        {"D:\\", {"a"}, "D:\\ d:\\ 0+|D:\\a a 1-|"},
        {"", {"a"}, ""},
    };
    for (const auto& c : cases) {
        std::string lines;
        for (const FolderEntry& e : folderTree(c.path, c.subfolders))
            lines += e.path + " " + e.name + " " + std::to_string(e.depth) + (e.open ? "+|" : "-|");
        EXPECT_EQ(lines, c.lines) << c.path;
    }
}

TEST(NewFolderPath, IsTheNameAsTypedInsideTheParentOrNothing) {
    const struct {
        std::string parent, name;
        std::optional<std::string> path;
    } cases[] = {
        {"C:\\送る", "X", "C:\\送る\\X"},
        {"C:\\送る", "", "C:\\送る\\"},  // the parent itself, which exists
        {"C:\\送る", "a..b\\.x\\x.", "C:\\送る\\a..b\\.x\\x."},
        {"", "新規", std::nullopt},  // would be the root of the current drive
        {"C:\\送る", "a/../../x", std::nullopt},
        {"C:\\送る", " .\\x", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(newFolderPath(c.parent, c.name), c.path) << c.parent << " + " << c.name;
}

TEST(ShortcutName, PassesPlainNamesOnly) {
    const std::string plain[] = {"メモ帳", "App 2", "a.b", "ﾌｫﾙﾀﾞ", " leading blank", "console", "COM10", "COM0",
                                 "nul-ish", "App X", ".profile", std::string(247, 'x'),
                                 repeated("あ", 83)};  // 249 bytes but 83 characters: plenty of room
    for (const std::string& name : plain) EXPECT_TRUE(isPlainFileName(name)) << name;
    const std::string refused[] = {
        "", "   ", "a\\b", "a/b", "C:evil", "a*", "a?", "a\"b", "a<b", "a>b", "a|b", std::string("a\x01"), "a\x1f" "b",
        ".", "..", "trailing.", "trailing ", "name. .", "CON", "Aux .lnk", "PRN", "nul", "com1", "COM9", "lpt9.doc",
        std::string(248, 'x'),
        // Too long with ".lnk.new" however few bytes each character takes, counted in UTF-16 units.
        repeated("あ", 248), repeated("\xF0\x90\x80\x80", 124),
        std::string(250, '\x80')};  // each stray byte a replacement character
    for (const std::string& name : refused) EXPECT_FALSE(isPlainFileName(name)) << name;
}

}  // namespace
}  // namespace parcelo
