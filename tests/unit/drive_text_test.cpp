#include <gtest/gtest.h>

#include "core/drive_text.h"

namespace parcelo {
namespace {

TEST(DriveText, TakesTheDriveATextBeginsWith) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"C:\\Users\\x", "c:"}, {"d:", "d:"}, {"Z: [Data]", "z:"}, {"", ""},
        {"C", ""}, {"\\\\server\\share", ""}, {"1:\\", ""}, {"ä:", ""},
    };
    for (const auto& [text, drive] : cases) EXPECT_EQ(driveOf(text), drive) << text;
}

TEST(DriveText, KnowsAWholeDriveFromAFolderOnIt) {
    const std::pair<std::string_view, bool> cases[] = {
        {"c:", true}, {"c: [Windows]", true}, {"C:\\", false}, {"c:x", false}, {"c: [open", false}, {"", false},
    };
    for (const auto& [text, whole] : cases) EXPECT_EQ(isDriveDesignation(text), whole) << text;
}

TEST(DriveText, ResolvesDotsByNameWithoutClimbingAboveTheDrive) {
    using Parts = std::vector<std::string>;
    const std::pair<std::string_view, Parts> cases[] = {
        {"\\Users\\x\\Start Menu\\Programs\\..\\..\\SendTo", {"Users", "x", "SendTo"}},
        {"\\a\\.\\b/c\\", {"a", "b", "c"}},
        {"\\..\\..\\Windows", {"Windows"}},
        {"\\", {}},
        {"", {}},
    };
    for (const auto& [path, parts] : cases) EXPECT_EQ(pathComponents(path), parts) << path;
}

}  // namespace
}  // namespace parcelo
