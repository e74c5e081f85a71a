#pragma once
#include <optional>
#include <string>
#include <vector>

namespace parcelo {

// A cascade launch: "/menu FOLDER PATH...", from the shortcut that stands for a submenu.
struct CascadeRequest {
    std::string folder;
    std::vector<std::string> paths;
};

// The request, when the first argument is "/menu"; anywhere else it is an ordinary path.
std::optional<CascadeRequest> cascadeRequest(const std::vector<std::string>& arguments);

// The arguments of the shortcut that opens the folder as a submenu.
std::string cascadeArguments(const std::string& folder);

}  // namespace parcelo
