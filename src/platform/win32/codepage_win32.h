#pragma once
#include "platform/codepage.h"

namespace parcelo::win32 {

class Win32Codepage : public Codepage {
public:
    std::optional<std::string> toAnsi(std::string_view utf8) override;
    std::string fromAnsi(std::string_view ansi) override;
};

}  // namespace parcelo::win32
