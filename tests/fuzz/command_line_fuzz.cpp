// Any command line: splitting never fails, and the arguments it gives, quoted as the shell quotes paths
// and put behind a program name, split back into themselves.
#include <cstdint>
#include <string>
#include <vector>

#include "core/command_line.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace parcelo;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> arguments = splitArguments(argumentText(line));

    std::string text;
    for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + quoteArgument(argument);
    require(argumentText("\"C:\\Program Files\\Parcelo\\Parcelo.exe\" " + text) == text,
            "the program's own name is all that goes");
    require(splitArguments(text) == arguments, "quoted arguments split back into themselves");
    return 0;
}
