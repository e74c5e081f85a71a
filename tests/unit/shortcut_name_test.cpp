#include <gtest/gtest.h>

#include "core/shortcut_name.h"

namespace parcelo {
namespace {

TEST(ShortcutName, PlainNamesPass) {
    const std::string plain[] = {"メモ帳", "App 2", "a.b", "ﾌｫﾙﾀﾞ", " leading blank", "console", "COM10", "nul-ish",
                                std::string(247, 'x')};
    for (const std::string& name : plain)
        EXPECT_TRUE(isPlainFileName(name)) << name;
}

TEST(ShortcutName, NamesThatCouldLeaveTheFolderOrFailAreRefused) {
    const std::string refused[] = {
        "", "   ", "a\\b", "..\\..\\evil", "a/b", "C:evil", "a*", "a?", "a\"b", "a<b", "a>b", "a|b",
        std::string("a\tb"), std::string("a\x01"), ".", "..", "trailing.", "trailing ", "CON", "con", "nul.txt",
        "Aux .lnk", "PRN", "COM1", "lpt9.doc", std::string(248, 'x'), std::string(300, 'x'),
        // 248 characters, too long with ".lnk.new" however few bytes each takes.
        [] { std::string s; for (int i = 0; i < 248; ++i) s += "あ"; return s; }(),
    };
    for (const std::string& name : refused) EXPECT_FALSE(isPlainFileName(name)) << name;
}

TEST(ShortcutName, CountsCharactersNotBytes) {
    std::string name;
    for (int i = 0; i < 83; ++i) name += "あ";  // 249 bytes, 83 units, plenty of room
    EXPECT_TRUE(isPlainFileName(name));
    std::string emoji;
    for (int i = 0; i < 124; ++i) emoji += "\xF0\x9F\x98\x80";  // 248 units as surrogate pairs
    EXPECT_FALSE(isPlainFileName(emoji));
}

}  // namespace
}  // namespace parcelo
