#include "core/cascade_request.h"

#include "core/command_line.h"
#include "core/windows_names.h"

namespace parcelo {

std::optional<CascadeRequest> cascadeRequest(const std::vector<std::string>& arguments) {
    if (arguments.empty() || !sameIgnoringCase(arguments[0], "/menu")) return std::nullopt;
    CascadeRequest request;
    if (arguments.size() > 1) request.folder = arguments[1];
    if (arguments.size() > 2) request.paths.assign(arguments.begin() + 2, arguments.end());
    return request;
}

std::string cascadeArguments(const std::string& folder) { return "/menu " + quoteArgument(folder); }

}  // namespace parcelo
