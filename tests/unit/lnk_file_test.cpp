#include <gtest/gtest.h>

#include <cstring>

#include "platform/portable/codepage_portable.h"
#include "platform/portable/lnk_file.h"
#include "lnkinfo.h"

namespace parcelo {
namespace {

std::uint32_t le32(const std::string& b, size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
    return v;
}
unsigned le16(const std::string& b, size_t at) {
    return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

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

TEST(ShellLinkBytes, HeaderAndSectionSizesHoldTogether) {
    const std::string bytes = shellLinkBytes("C:\\Program Files\\テスト\\app.exe", "?", "x", false);
    ASSERT_GT(bytes.size(), 0x4Cu + 2);
    EXPECT_EQ(le32(bytes, 0), 0x4Cu);
    EXPECT_EQ(std::memcmp(bytes.data() + 4, "\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16), 0);
    EXPECT_EQ(le32(bytes, 20), 0x01u | 0x02u | 0x20u | 0x80u);  // id list, link info, arguments, unicode
    EXPECT_EQ(le32(bytes, 60), 1u);                              // shown normally

    // The id list's size covers its items up to the two-byte terminator.
    const size_t listSize = le16(bytes, 0x4C);
    size_t at = 0x4C + 2;
    while (const unsigned item = le16(bytes, at)) at += item;
    EXPECT_EQ(at + 2, 0x4C + 2 + listSize);

    // The link info follows, its size field matching where the arguments begin.
    const size_t info = 0x4C + 2 + listSize;
    const size_t arguments = info + le32(bytes, info);
    EXPECT_EQ(le16(bytes, arguments), 1u);
    EXPECT_EQ(bytes.substr(arguments + 2, 2), std::string("x\0", 2));
    EXPECT_EQ(le32(bytes, arguments + 4), 0u);
    EXPECT_EQ(bytes.size(), arguments + 8);
}

}  // namespace
}  // namespace parcelo
