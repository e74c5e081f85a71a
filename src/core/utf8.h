#pragma once
#include <string>
#include <string_view>

namespace parcelo {

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when none begins there
// (overlong forms, surrogates and cut-off sequences included).
size_t utf8SequenceLength(std::string_view s);

// The text as UTF-16 code units; each byte that begins no well-formed sequence becomes U+FFFD.
std::u16string utf16Of(std::string_view utf8);

// The UTF-16 text as UTF-8; a surrogate without its partner becomes U+FFFD.
std::string utf8Of(std::u16string_view utf16);

}  // namespace parcelo
