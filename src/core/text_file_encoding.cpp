#include "core/text_file_encoding.h"

namespace parcelo {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0.
size_t sequenceLength(std::string_view s) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else
        return 0;
    if (s.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    return length;
}

std::string validUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    while (!s.empty()) {
        const size_t length = sequenceLength(s);
        if (length == 0) {
            out += replacementCharacter;
            s.remove_prefix(1);
        } else {
            out += s.substr(0, length);
            s.remove_prefix(length);
        }
    }
    return out;
}

}  // namespace

std::string encodeSettingsText(std::string_view text, Codepage& codepage) {
    if (auto ansi = codepage.toAnsi(text)) return *ansi;
    return std::string(byteOrderMark) + std::string(text);
}

std::string decodeSettingsText(std::string_view bytes, Codepage& codepage) {
    if (bytes.starts_with(byteOrderMark)) return validUtf8(bytes.substr(byteOrderMark.size()));
    return codepage.fromAnsi(bytes);
}

}  // namespace parcelo
