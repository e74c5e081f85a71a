#include "core/drive_text.h"

namespace parcelo {

std::string driveOf(std::string_view text) {
    if (text.size() < 2 || text[1] != ':') return {};
    char letter = text[0];
    if (letter >= 'A' && letter <= 'Z') letter = static_cast<char>(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z') return {};
    return {letter, ':'};
}

bool isDriveDesignation(std::string_view text) {
    if (driveOf(text).empty()) return false;
    return text.size() == 2 || (text.substr(2, 2) == " [" && text.back() == ']');
}

}  // namespace parcelo
