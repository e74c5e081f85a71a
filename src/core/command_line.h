#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace parcelo {

// The command line without the program's own name, as the system splits the name off:
// a quoted name runs to its closing quote, an unquoted one to the first blank.
std::string argumentText(std::string_view commandLine);

// The arguments as the system's own splitter (CommandLineToArgvW) gives them: blanks separate,
// quotes group and go, backslashes count only before a quote.
std::vector<std::string> splitArguments(std::string_view text);

// The argument in quotes, as the system's splitter reads it back whole: backslashes double only
// before a quote.
std::string quoteArgument(std::string_view argument);

}  // namespace parcelo
