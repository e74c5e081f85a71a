#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/codepage.h"

namespace parcelo::test {

struct Conversion {
    const char* name;
    std::string text;
    std::string ansi;  // empty: has no exact counterpart in cp932
};

inline void PrintTo(const Conversion& c, std::ostream* os) { *os << c.name; }

// The same answers from iconv and from the system, so both builds write the same Data.ini.
inline const Conversion cp932Conversions[] = {
    {"backslash_stays_a_single_byte", "C:\\~", "C:\\~"},
    {"kanji_and_hiragana", "送る", "\x91\x97\x82\xE9"},
    {"half_width_katakana", "ﾌｫﾙﾀﾞ", "\xCC\xAB\xD9\xC0\xDE"},
    {"latin_letter_outside", "naïve", ""},
    {"euro_sign_outside", "€", ""},
    {"yen_sign_has_only_a_best_fit", "¥", ""},
};

// Converts exactly, there and back, or not at all.
inline void expectConversion(Codepage& codepage, const Conversion& c) {
    const std::optional<std::string> ansi = codepage.toAnsi(c.text);
    if (c.ansi.empty()) {
        EXPECT_FALSE(ansi.has_value()) << "converted to " << ansi.value_or("");
    } else {
        ASSERT_TRUE(ansi.has_value());
        EXPECT_EQ(*ansi, c.ansi);
        EXPECT_EQ(codepage.fromAnsi(*ansi), c.text);
    }
}

}  // namespace parcelo::test
