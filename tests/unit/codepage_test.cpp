#include <gtest/gtest.h>

#include "../shared/cp932_cases.h"
#include "core/text_file_encoding.h"
#include "platform/portable/codepage_portable.h"

namespace parcelo {
namespace {

using test::Conversion;

class AnsiCodepage : public testing::TestWithParam<Conversion> {};

TEST_P(AnsiCodepage, ConvertsExactlyOrNotAtAll) {
    PortableCodepage codepage;
    test::expectConversion(codepage, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cp932, AnsiCodepage, testing::ValuesIn(test::cp932Conversions),
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
