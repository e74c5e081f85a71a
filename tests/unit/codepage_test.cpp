#include <gtest/gtest.h>

#include "core/text_file_encoding.h"
#include "core/utf8.h"
#include "support/codepage_portable.h"

namespace parcelo {
namespace {

TEST(SettingsTextEncoding, Utf8IsTakenOnlyWhenWellFormedAndEachBadByteIsReplacedAsInTheCodepage) {
    PortableCodepage codepage;
    const std::string bad = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"a\x80" "b", "a" + bad + "b"},                                   // a lone continuation byte
        {"\xC0\xAF\xC1\xBF", bad + bad + bad + bad},                       // overlong two-byte forms
        {"\xC2\x80\xDF\xBF", "\xC2\x80\xDF\xBF"},                        // the two-byte range
        {"\xE0\x9F\xBF\xE0\xA0\x80", bad + bad + bad + "\xE0\xA0\x80"},  // overlong, then the lowest three-byte
        {"\xED\xA0\x80\xED\x9F\xBF", bad + bad + bad + "\xED\x9F\xBF"},  // a surrogate, then the one below
        {"\xE3\x80\x80\xE3\x81", "\xE3\x80\x80" + bad + bad},            // cut off at the end
        {"\xE3\x80\xC0", bad + bad + bad},                                 // a bad third byte
        {"\xF0\x8F\xBF\xBF\xF0\x90\x80\x80", bad + bad + bad + bad + "\xF0\x90\x80\x80"},
        {"\xF4\x8F\xBF\xBF\xF4\x90\x80\x80", "\xF4\x8F\xBF\xBF" + bad + bad + bad + bad},  // up to U+10FFFF
        {"\xF0\x9F\x98\x80\xF5\x80\x80\x80", "\xF0\x9F\x98\x80" + bad + bad + bad + bad},
    };
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(decodeSettingsText("\xEF\xBB\xBF" + bytes, codepage), text) << testing::PrintToString(bytes);
    EXPECT_EQ(decodeSettingsText("\xFF" "B", codepage), bad + "B") << "no mark: read in the code page";
}

TEST(Utf16, ComesBackAsTheSameUtf8AndALoneSurrogateAsAReplacement) {
    // U+E000 just above the surrogates, and a pair behind it; U+E0001 needs the top bits of four bytes.
    for (const std::string text : {"", "C:\\a b", "\xC2\x80\xDF\xBF", "ｶﾀｶﾅ 送る", "𠀋野家 \xF0\x9F\x93\x81",
                                   "\xEE\x80\x80\xF0\x9F\x98\x80 \xF3\xA0\x80\x81"})
        EXPECT_EQ(utf8Of(utf16Of(text)), text);
    EXPECT_EQ(utf8Of(u"a\xD800" "b\xDC00\xDC00"), "a\xEF\xBF\xBD" "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

}  // namespace
}  // namespace parcelo
