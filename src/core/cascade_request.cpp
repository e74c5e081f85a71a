#include "core/cascade_request.h"

#include <algorithm>

#include "core/command_line.h"

namespace parcelo {
namespace {

bool isMenuSwitch(const std::string& argument) {
    return argument.size() == 5 && argument[0] == '/' &&
           std::equal(argument.begin() + 1, argument.end(), "menu", [](char a, char b) {
               return (a >= 'A' && a <= 'Z' ? a - 'A' + 'a' : a) == b;
           });
}

}  // namespace

std::optional<CascadeRequest> cascadeRequest(const std::vector<std::string>& arguments) {
    if (arguments.empty() || !isMenuSwitch(arguments[0])) return std::nullopt;
    CascadeRequest request;
    if (arguments.size() > 1) request.folder = arguments[1];
    if (arguments.size() > 2) request.paths.assign(arguments.begin() + 2, arguments.end());
    return request;
}

std::string cascadeArguments(const std::string& folder) { return "/menu " + quoteArgument(folder); }

}  // namespace parcelo
