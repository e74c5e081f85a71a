#pragma once
#include <memory>

#include "platform/codepage.h"

namespace parcelo {

// cp932 through iconv, as a Japanese Windows system has it.
class PortableCodepage : public Codepage {
public:
    PortableCodepage();
    ~PortableCodepage() override;
    std::string fromAnsi(std::string_view ansi) override;

private:
    std::optional<std::string> convertToAnsi(std::string_view utf8) override;

    class Converter;
    // Opened once: opening a converter costs far more than a conversion.
    std::unique_ptr<Converter> toAnsi_, fromAnsi_;
};

}  // namespace parcelo
