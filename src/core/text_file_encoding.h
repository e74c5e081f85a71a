#pragma once
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace parcelo {

// Settings text on disk: the ANSI code page when every character fits there, so files stay as
// they always were; otherwise UTF-8 behind a byte-order mark, so no character of a path is lost.
std::string encodeSettingsText(std::string_view text, Codepage& codepage);
std::string decodeSettingsText(std::string_view bytes, Codepage& codepage);

}  // namespace parcelo
