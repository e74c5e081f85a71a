#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmItemsDesign;

// The names of the entries dialog's controls.
namespace frmItemsNames {
inline constexpr std::string_view lvwItems = "lvwItems";
inline constexpr std::string_view cmdDel = "cmdDel";
inline constexpr std::string_view cmdRen = "cmdRen";
inline constexpr std::string_view cmdBroken = "cmdBroken";
inline constexpr std::string_view cmdSub = "cmdSub";
inline constexpr std::string_view cmdProp = "cmdProp";
inline constexpr std::string_view cmdOpen = "cmdOpen";
inline constexpr std::string_view cmdStd = "cmdStd";
inline constexpr std::string_view cmdClose = "cmdClose";
}  // namespace frmItemsNames

// The columns of the entry list.
enum ItemsColumn : size_t { columnName = 0, columnTarget = 1, columnState = 2 };

}  // namespace parcelo
