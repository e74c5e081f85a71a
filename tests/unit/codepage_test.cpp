#include <gtest/gtest.h>

#include "core/text_file_encoding.h"
#include "platform/portable/codepage_portable.h"

namespace parcelo {
namespace {

struct Conversion {
    const char* name;
    std::string text;
    std::string ansi;  // empty: has no exact counterpart in cp932
};

void PrintTo(const Conversion& c, std::ostream* os) { *os << c.name; }

class AnsiCodepage : public testing::TestWithParam<Conversion> {};

TEST_P(AnsiCodepage, ConvertsExactlyOrNotAtAll) {
    PortableCodepage codepage;
    const Conversion& c = GetParam();
    const std::optional<std::string> ansi = codepage.toAnsi(c.text);
    if (c.ansi.empty()) {
        EXPECT_FALSE(ansi.has_value()) << "converted to " << ansi.value_or("");
    } else {
        ASSERT_TRUE(ansi.has_value());
        EXPECT_EQ(*ansi, c.ansi);
        EXPECT_EQ(codepage.fromAnsi(*ansi), c.text);
    }
}

const Conversion conversions[] = {
    {"backslash_stays_a_single_byte", "C:\\~", "C:\\~"},
    {"kanji_and_hiragana", "送る", "\x91\x97\x82\xE9"},
    {"half_width_katakana", "ﾌｫﾙﾀﾞ", "\xCC\xAB\xD9\xC0\xDE"},
    {"latin_letter_outside", "naïve", ""},
    {"euro_sign_outside", "€", ""},
    {"yen_sign_has_only_a_best_fit", "¥", ""},
};

INSTANTIATE_TEST_SUITE_P(Cp932, AnsiCodepage, testing::ValuesIn(conversions),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AnsiCodepage, InvalidBytesBecomeReplacementCharacters) {
    PortableCodepage codepage;
    EXPECT_EQ(codepage.fromAnsi("A\x81"), "A\xEF\xBF\xBD");
    EXPECT_EQ(codepage.fromAnsi("\xFF" "B"), "\xEF\xBF\xBD" "B");
}

TEST(SettingsTextEncoding, UsesTheCodepageWhenEveryCharacterFits) {
    PortableCodepage codepage;
    EXPECT_EQ(encodeSettingsText("\"C:\\送る\",\"\"\r\n", codepage), "\"C:\\\x91\x97\x82\xE9\",\"\"\r\n");
}

TEST(SettingsTextEncoding, FallsBackToUtf8WithAByteOrderMark) {
    PortableCodepage codepage;
    EXPECT_EQ(encodeSettingsText("\"C:\\naïve 送る\"\r\n", codepage), "\xEF\xBB\xBF\"C:\\naïve 送る\"\r\n");
}

TEST(SettingsTextEncoding, ReadsBothFormsBack) {
    PortableCodepage codepage;
    for (const std::string text : {"\"C:\\送る\",\"\",1,2,3,4,0,0\r\n", "\"C:\\naïve\",\"¥\",1,2,3,4,0,0\r\n"})
        EXPECT_EQ(decodeSettingsText(encodeSettingsText(text, codepage), codepage), text);
}

TEST(SettingsTextEncoding, DamagedUtf8IsReplacedNotTrusted) {
    PortableCodepage codepage;
    // A lone continuation byte, an overlong slash and a cut-off sequence.
    EXPECT_EQ(decodeSettingsText("\xEF\xBB\xBF" "a\x80" "b\xC0\xAF" "c\xE3\x81", codepage),
              "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD" "c\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace parcelo
