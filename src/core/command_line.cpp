#include "core/command_line.h"

namespace parcelo {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string argumentText(std::string_view commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        const size_t close = commandLine.find('"', 1);
        i = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        while (i < commandLine.size() && !isBlank(commandLine[i])) ++i;
    }
    while (i < commandLine.size() && isBlank(commandLine[i])) ++i;
    return std::string(commandLine.substr(i));
}

std::vector<std::string> splitArguments(std::string_view text) {
    std::vector<std::string> arguments;
    std::string current;
    bool inArgument = false;
    size_t backslashes = 0;
    int quotes = 0;  // quotes seen in a row, counted modulo three as the system does
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c) && quotes == 0) {
            if (inArgument) arguments.push_back(std::move(current));
            current.clear();
            inArgument = false;
            backslashes = 0;
            continue;
        }
        inArgument = true;
        if (c == '\\') {
            current += c;
            ++backslashes;
            continue;
        }
        if (c != '"') {
            current += c;
            backslashes = 0;
            continue;
        }
        if (backslashes % 2 == 0) {
            // 2n backslashes and a quote: n backslashes, and the quote opens or closes.
            current.erase(current.size() - backslashes / 2);
            ++quotes;
        } else {
            // 2n+1 backslashes and a quote: n backslashes and a literal quote.
            current.erase(current.size() - backslashes / 2 - 1);
            current += '"';
        }
        backslashes = 0;
        for (; i + 1 < text.size() && text[i + 1] == '"'; ++i) {
            if (++quotes == 3) {
                current += '"';
                quotes = 0;
            }
        }
        if (quotes == 2) quotes = 0;
    }
    if (inArgument) arguments.push_back(std::move(current));
    return arguments;
}

std::string quoteArgument(std::string_view argument) {
    std::string out = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        out.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, '\\');
    return out + "\"";
}

}  // namespace parcelo
