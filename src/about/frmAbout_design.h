#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmAboutDesign;

// The names of the About box's controls.
namespace frmAboutNames {
inline constexpr std::string_view imgIcon = "imgIcon";
inline constexpr std::string_view lblVersion = "lblVersion";
inline constexpr std::string_view lblCopyright = "lblCopyright";
inline constexpr std::string_view txtURL = "txtURL";
inline constexpr std::string_view txtMail = "txtMail";
inline constexpr std::string_view cmdOK = "cmdOK";
}  // namespace frmAboutNames

// The maker's addresses: shown in the address boxes and opened by a double click there.
inline constexpr std::string_view makerMail = "parcelo@example.com";
inline constexpr std::string_view makerWeb = "http://example.com";

}  // namespace parcelo
