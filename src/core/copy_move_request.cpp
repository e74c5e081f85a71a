#include "core/copy_move_request.h"

#include "core/send_to_entries.h"
#include "core/windows_names.h"

namespace parcelo {

std::optional<CopyMoveRequest> copyMoveRequest(const std::vector<std::string>& arguments) {
    if (arguments.empty()) return std::nullopt;
    for (const Transfer transfer : {Transfer::Copy, Transfer::Move}) {
        if (sameIgnoringCase(arguments[0], copyMoveSwitch(transfer)))
            return CopyMoveRequest{transfer, {arguments.begin() + 1, arguments.end()}};
    }
    return std::nullopt;
}

std::string copyMoveSwitch(Transfer transfer) { return transfer == Transfer::Copy ? "/copyto" : "/moveto"; }

bool isWithin(const std::string& path, const std::string& folder) {
    std::string at = path;
    for (;;) {
        // "C:" climbed to from "C:\a" stands for the drive's root "C:\".
        if (sameWindowsPath(at, folder) || sameWindowsPath(at + "\\", folder)) return true;
        const size_t separator = at.find_last_of('\\');
        if (separator == std::string::npos) return false;
        at.resize(separator);
    }
}

}  // namespace parcelo
