#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmOptDesign;

// The names of the options dialog's controls.
namespace frmOptNames {
inline constexpr std::string_view chkOQ = "chkOQ";
inline constexpr std::string_view cmdOK = "cmdOK";
inline constexpr std::string_view cmdCan = "cmdCan";
inline constexpr std::string_view fraDir = "fraDir";
inline constexpr std::string_view txtPath = "txtPath";
inline constexpr std::string_view cmdO = "cmdO";
inline constexpr std::string_view optUpath = "optUpath";
inline constexpr std::string_view optSend = "optSend";
inline constexpr std::string_view optStart = "optStart";
}  // namespace frmOptNames

}  // namespace parcelo
