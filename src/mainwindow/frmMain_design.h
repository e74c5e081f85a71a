#pragma once
#include <string_view>

#include "platform/design.h"

namespace parcelo {

extern const FormDesign frmMainDesign;

// The names of the main window's controls and menu items, spelt once for the design, the event
// table, the handlers and the tools that find them.
namespace frmMainNames {
inline constexpr std::string_view dirDir = "dirDir";
inline constexpr std::string_view webMain = "webMain";
inline constexpr std::string_view Picture1 = "Picture1";
inline constexpr std::string_view cmdEx = "cmdEx";
inline constexpr std::string_view cmdNdir = "cmdNdir";
inline constexpr std::string_view cmdCr = "cmdCr";
inline constexpr std::string_view cmdOpen = "cmdOpen";
inline constexpr std::string_view txtName = "txtName";
inline constexpr std::string_view Label2 = "Label2";
inline constexpr std::string_view cmdRef = "cmdRef";
inline constexpr std::string_view cmdOpt = "cmdOpt";
inline constexpr std::string_view driDri = "driDri";
inline constexpr std::string_view cmdFopen = "cmdFopen";

inline constexpr std::string_view mnuCr = "mnuCr";
inline constexpr std::string_view mnul = "mnul";
inline constexpr std::string_view mnuli = "mnuli";
inline constexpr std::string_view mnuEx = "mnuEx";
inline constexpr std::string_view mnuDi = "mnuDi";
inline constexpr std::string_view mnulin = "mnulin";
inline constexpr std::string_view mnuExi = "mnuExi";
inline constexpr std::string_view mnuOpt = "mnuOpt";
inline constexpr std::string_view mnuTool = "mnuTool";
inline constexpr std::string_view mnuItems = "mnuItems";
inline constexpr std::string_view mnuReg = "mnuReg";
inline constexpr std::string_view mnuCopyMove = "mnuCopyMove";
inline constexpr std::string_view mnuHel = "mnuHel";
inline constexpr std::string_view mnuHelp = "mnuHelp";
inline constexpr std::string_view mnuline = "mnuline";
inline constexpr std::string_view mnuVer = "mnuVer";
}  // namespace frmMainNames

// The open-file dialog's filter: one entry, "description|patterns".
inline constexpr std::string_view dlgFileFilter = "exeﾌｧｲﾙ(*.exe,*.com)|*.exe;*.com";

}  // namespace parcelo
