#include "core/text_file_encoding.h"

#include "core/utf8.h"

namespace parcelo {
namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view replacementCharacter = "\xEF\xBF\xBD";

std::string validUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    while (!s.empty()) {
        const size_t length = utf8SequenceLength(s);
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
