#include "core/settings_codec.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace parcelo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool endsField(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Reads fields the way a sequential record reader does: blanks before a field are skipped,
// a quoted field runs to the next quote, commas and line ends end a field.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : text_(text) {}

    std::optional<std::string> next() {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return std::nullopt;

        std::string field;
        if (text_[pos_] == '"') {
            const size_t close = text_.find('"', pos_ + 1);
            const size_t end = close == std::string_view::npos ? text_.size() : close;
            field = text_.substr(pos_ + 1, end - pos_ - 1);
            pos_ = end == text_.size() ? end : end + 1;
            while (pos_ < text_.size() && !endsField(text_[pos_])) ++pos_;
        } else {
            const size_t start = pos_;
            while (pos_ < text_.size() && !endsField(text_[pos_])) ++pos_;
            size_t end = pos_;
            while (end > start && isBlank(text_[end - 1])) --end;
            field = text_.substr(start, end - start);
        }
        skipDelimiter();
        return field;
    }

private:
    void skipDelimiter() {
        if (pos_ >= text_.size()) return;
        const char c = text_[pos_++];
        if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

// Plain decimal with an optional minus sign and fraction; a fraction is rounded to the
// nearest whole number, halves to even.
template <class Int>
std::optional<Int> parseWhole(std::string_view field) {
    size_t i = 0;
    if (i < field.size() && field[i] == '-') ++i;
    const size_t digitsStart = i;
    while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
    size_t digits = i - digitsStart;
    if (i < field.size() && field[i] == '.') {
        const size_t fractionStart = ++i;
        while (i < field.size() && field[i] >= '0' && field[i] <= '9') ++i;
        digits += i - fractionStart;
    }
    if (digits == 0 || i != field.size()) return std::nullopt;

    double value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) return std::nullopt;
    value = std::nearbyint(value);
    if (value < static_cast<double>(std::numeric_limits<Int>::min()) ||
        value > static_cast<double>(std::numeric_limits<Int>::max()))
        return std::nullopt;
    return static_cast<Int>(value);
}

std::string formatTwips(Twips value) {
    if (!std::isfinite(value) || value == 0) return "0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

}  // namespace

void readSettingsRecord(std::string_view text, SettingsRecord& record) {
    FieldReader reader(text);
    if (auto field = reader.next()) record.targetPath = *field;
    if (auto field = reader.next()) record.userPath = *field;
    WindowPlacement& p = record.placement;
    for (Twips* value : {&p.width, &p.height, &p.top, &p.left}) {
        if (auto field = reader.next())
            if (auto number = parseWhole<std::int32_t>(*field)) *value = static_cast<Twips>(*number);
    }
    if (auto field = reader.next())
        if (auto number = parseWhole<std::int32_t>(*field)) p.state = *number;
    if (auto field = reader.next())
        if (auto number = parseWhole<std::uint8_t>(*field)) record.quitAfterSend = *number;
}

std::string writeSettingsRecord(const std::string& targetPath, const std::string& userPath,
                                const WindowPlacement& window, std::uint8_t quitAfterSend) {
    std::string line;
    line += '"' + targetPath + "\",\"" + userPath + "\",";
    line += formatTwips(window.width) + ',' + formatTwips(window.height) + ',';
    line += formatTwips(window.top) + ',' + formatTwips(window.left) + ',';
    line += std::to_string(window.state) + ',' + std::to_string(quitAfterSend) + "\r\n";
    return line;
}

}  // namespace parcelo
