#pragma once
#include "platform/codepage.h"

namespace parcelo::win32 {

class Win32Codepage : public Codepage {
public:
    std::string fromAnsi(std::string_view ansi) override;

private:
    std::optional<std::string> convertToAnsi(std::string_view utf8) override;
};

}  // namespace parcelo::win32
