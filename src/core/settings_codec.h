#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/design.h"

namespace parcelo {

// The outer window as Data.ini records it, in twips, and its state (2: maximised). Read as whole
// numbers; written as they are, fractions included.
struct WindowPlacement {
    Twips width = 0;
    Twips height = 0;
    Twips top = 0;
    Twips left = 0;
    std::int32_t state = 0;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The one record of Data.ini as it is read back.
struct SettingsRecord {
    std::string targetPath;
    std::string userPath;
    WindowPlacement placement;
    std::uint8_t quitAfterSend = 0;
};

// Reads the eight fields in order; a field that is missing or unreadable leaves its value in
// `record` as it was.
void readSettingsRecord(std::string_view text, SettingsRecord& record);

// The record line, CR LF included.
std::string writeSettingsRecord(const std::string& targetPath, const std::string& userPath,
                                const WindowPlacement& window, std::uint8_t quitAfterSend);

}  // namespace parcelo
