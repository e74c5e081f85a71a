#pragma once
#include "platform/codepage.h"

namespace parcelo {

// cp932 through iconv, as a Japanese Windows system has it.
class PortableCodepage : public Codepage {
public:
    std::optional<std::string> toAnsi(std::string_view utf8) override;
    std::string fromAnsi(std::string_view ansi) override;
};

}  // namespace parcelo
