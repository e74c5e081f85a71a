#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmMainDesign;

// The open-file dialog's filter: one entry, "description|patterns".
inline constexpr std::string_view dlgFileFilter = "exeﾌｧｲﾙ(*.exe,*.com)|*.exe;*.com";

}  // namespace parcelo
