#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmAboutDesign;

// The maker's addresses: shown in the address boxes and opened by a double click there.
inline constexpr std::string_view makerMail = "parcelo@example.com";
inline constexpr std::string_view makerWeb = "http://example.com";

}  // namespace parcelo
