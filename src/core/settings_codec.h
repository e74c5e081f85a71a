#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/design.h"

namespace parcelo {

// The one record of Data.ini as it is read back.
struct SettingsRecord {
    std::string targetPath;
    std::string userPath;
    // Width, height, top, left of the outer window in twips, then the window state.
    std::array<std::int32_t, 5> placement{};
    std::uint8_t quitAfterSend = 0;
};

// The window as it is written: single-precision twips and a 16-bit state.
struct WindowPlacement {
    Twips width = 0;
    Twips height = 0;
    Twips top = 0;
    Twips left = 0;
    std::int16_t state = 0;
};

// Reads the eight fields in order; a field that is missing or unreadable leaves its value in
// `record` as it was.
void readSettingsRecord(std::string_view text, SettingsRecord& record);

// The record line, CR LF included.
std::string writeSettingsRecord(const std::string& targetPath, const std::string& userPath,
                                const WindowPlacement& window, std::uint8_t quitAfterSend);

}  // namespace parcelo
