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

}  // namespace
}  // namespace parcelo
