#include <gtest/gtest.h>

#include "platform/portable/codepage_portable.h"
#include "platform/portable/lnk_file.h"
#include "lnkinfo.h"

namespace parcelo {
namespace {

struct Target {
    const char* name;
    std::string path;
    std::string arguments;
    bool folder;
};

void PrintTo(const Target& t, std::ostream* os) { *os << t.name; }

class ReadBackByLnkinfo : public testing::TestWithParam<Target> {};

TEST_P(ReadBackByLnkinfo, ShowsTheTargetPathAndArguments) {
    if (!test::haveLnkinfo()) GTEST_SKIP() << "lnkinfo (liblnk-utils) is not installed";
    const Target& t = GetParam();
    PortableCodepage codepage;
    const std::string output = test::lnkinfo(shellLinkBytes(t.path, codepage.toAnsi(t.path).value_or("?"), t.arguments, t.folder));
    EXPECT_EQ(test::lnkinfoField(output, "Local path"), t.path) << output;
    if (!t.arguments.empty()) {
        EXPECT_EQ(test::lnkinfoField(output, "Command line arguments"), t.arguments) << output;
    }
    EXPECT_EQ(output.find("Error"), std::string::npos) << output;
}

const Target targets[] = {
    {"ascii", "C:\\Windows\\notepad.exe", "", false},
    {"blanks", "C:\\Program Files\\App\\app.exe", "", false},
    {"japanese", "C:\\Program Files\\テスト\\app.exe", "", false},
    {"half_width_katakana", "D:\\ﾌｫﾙﾀﾞ\\x.com", "", false},
    {"folder", "C:\\Users\\花子\\Documents", "", true},
    {"drive_root", "C:\\", "", true},
    {"arguments", "C:\\Tools\\a.exe", "--flag \"x y\"", false},
};

INSTANTIATE_TEST_SUITE_P(Targets, ReadBackByLnkinfo, testing::ValuesIn(targets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ShellLinkBytes, BlocksFitTogetherAndTheHeaderSaysWhatFollows) {
    const std::string bytes = shellLinkBytes("C:\\Program Files\\テスト\\app.exe", "?", "x", false);
    EXPECT_EQ(test::linkLayoutFault(bytes), "");
    EXPECT_EQ(bytes.substr(4, 16), std::string("\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16));
    // An id list, link info, arguments, in Unicode; shown normally.
    EXPECT_EQ(bytes.substr(20, 4), std::string("\xA3\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(60, 4), std::string("\x01\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 8, 4), std::string("\x01\x00x\x00", 4)) << "the arguments";
    EXPECT_EQ(test::linkLayoutFault(shellLinkBytes("C:\\", "C:\\", "", true)), "");
}

}  // namespace
}  // namespace parcelo
