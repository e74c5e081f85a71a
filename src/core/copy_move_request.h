#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/file_operation.h"

namespace parcelo {

// A launch from one of the two Send To entries: "/copyto PATH..." or "/moveto PATH...".
struct CopyMoveRequest {
    Transfer transfer = Transfer::Copy;
    std::vector<std::string> paths;
};

// The request, when the first argument is one of the two switches in any case.
std::optional<CopyMoveRequest> copyMoveRequest(const std::vector<std::string>& arguments);

// The switch that starts the transfer.
std::string copyMoveSwitch(Transfer transfer);

// Whether `path` is `folder` itself or lies somewhere inside it.
bool isWithin(const std::string& path, const std::string& folder);

}  // namespace parcelo
