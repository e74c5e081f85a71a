#include <gtest/gtest.h>

#include "core/command_line.h"

namespace parcelo {
namespace {

using Arguments = std::vector<std::string>;

struct SplitCase {
    const char* text;
    Arguments arguments;
};

TEST(SplitArguments, FollowsTheSystemsRules) {
    const SplitCase cases[] = {
        {"", {}},
        {"   \t ", {}},
        {R"(C:\a.exe)", {R"(C:\a.exe)"}},
        {R"(  C:\a.exe   D:\b.exe )", {R"(C:\a.exe)", R"(D:\b.exe)"}},
        {R"("C:\Program Files\App\app.exe")", {R"(C:\Program Files\App\app.exe)"}},
        {R"("C:\Program Files\テスト\app.exe" "D:\My Files\b.com")",
         {R"(C:\Program Files\テスト\app.exe)", R"(D:\My Files\b.com)"}},
        {R"(C:\Program Files\App\app.exe)", {R"(C:\Program)", R"(Files\App\app.exe)"}},
        {R"(a"b c"d)", {"ab cd"}},
        {R"("")", {""}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"("C:\dir\\" next)", {R"(C:\dir\)", "next"}},
        {R"(C:\a\b\)", {R"(C:\a\b\)"}},
        {R"(a\"b)", {R"(a"b)"}},
        {R"(a\\"b c")", {R"(a\b c)"}},
        {R"(a\\\"b)", {R"(a\"b)"}},
        {R"(a\\\\\"b)", {R"(a\\"b)"}},
        {R"("a""b")", {R"(a"b)"}},
        {R"("a"""b c")", {R"(a"b c)"}},
        {R"("unterminated path)", {"unterminated path"}},
    };
    for (const SplitCase& c : cases) EXPECT_EQ(splitArguments(c.text), c.arguments) << c.text;
}

TEST(ArgumentText, DropsTheProgramsOwnName) {
    const std::pair<const char*, const char*> cases[] = {
        {R"("C:\Program Files\Parcelo\Parcelo.exe" "C:\x y\a.exe")", R"("C:\x y\a.exe")"},
        {R"(C:\Tools\Parcelo.exe C:\a.exe)", R"(C:\a.exe)"},
        {R"(Parcelo.exe)", ""},
        {R"("C:\Program Files\Parcelo\Parcelo.exe")", ""},
        {R"(Parcelo.exe    )", ""},
        {R"("C:\P q\Parcelo.exe"C:\a.exe)", R"(C:\a.exe)"},
    };
    for (const auto& [line, text] : cases) EXPECT_EQ(argumentText(line), text) << line;
}

}  // namespace
}  // namespace parcelo
