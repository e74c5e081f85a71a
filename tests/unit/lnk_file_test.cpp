#include <gtest/gtest.h>

#include "platform/portable/codepage_portable.h"
#include "platform/portable/lnk_file.h"
#include "lnkinfo.h"

namespace parcelo {
namespace {

TEST(ShellLinkBytes, LnkinfoReadsBackTheTargetPathAndArguments) {
    if (!test::haveLnkinfo()) GTEST_SKIP() << "lnkinfo (liblnk-utils) is not installed";
    const struct {
        std::string path, arguments;
        bool folder;
    } targets[] = {
        {"C:\\Program Files\\テスト\\app.exe", "", false},
        {"D:\\ﾌｫﾙﾀﾞ\\x.com", "", false},
        {"C:\\Users\\花子\\Documents", "", true},
        {"C:\\", "", true},
        {"C:\\Tools\\a.exe", "--flag \"x y\"", false},
    };
    PortableCodepage codepage;
    for (const auto& t : targets) {
        const std::string output =
            test::lnkinfo(shellLinkBytes(t.path, codepage.toAnsi(t.path).value_or("?"), t.arguments, t.folder));
        EXPECT_EQ(test::lnkinfoField(output, "Local path"), t.path) << output;
        EXPECT_EQ(test::lnkinfoField(output, "Command line arguments"), t.arguments.empty() ? "<missing>" : t.arguments)
            << output;
        EXPECT_EQ(output.find("Error"), std::string::npos) << output;
    }
}

TEST(ShellLinkBytes, BlocksFitTogetherAndTheHeaderSaysWhatFollows) {
    const std::string bytes = shellLinkBytes("C:\\Program Files\\テスト\\app.exe", "?", "x", false);
    EXPECT_EQ(test::linkLayoutFault(bytes), "");
    EXPECT_EQ(bytes.substr(60, 4), std::string("\x01\x00\x00\x00", 4)) << "shown normally";
    EXPECT_EQ(test::linkLayoutFault(shellLinkBytes("C:\\", "C:\\", "", true)), "");
}

}  // namespace
}  // namespace parcelo
