#pragma once
#include <string>

namespace parcelo {

// Message box flags and results, with the values the system uses.
namespace box {
inline constexpr unsigned ok = 0x00;
inline constexpr unsigned okCancel = 0x01;
inline constexpr unsigned iconError = 0x10;
inline constexpr unsigned iconWarning = 0x30;
inline constexpr int pressedOk = 1;
inline constexpr int pressedCancel = 2;
}  // namespace box

inline constexpr const char* applicationTitle = "Parcelo";

// The modal boxes that ask or tell the user something.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Returns the button pressed (box::pressedOk, box::pressedCancel).
    virtual int messageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
};

}  // namespace parcelo
