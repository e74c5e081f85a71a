#include <gtest/gtest.h>

#include "core/new_folder_path.h"

namespace parcelo {
namespace {

TEST(NewFolderPath, IsTheNameAsTypedInsideTheParentOrNothing) {
    const struct {
        std::string parent, name;
        std::optional<std::string> path;
    } cases[] = {
        {"C:\\送る", "新規", "C:\\送る\\新規"},
        {"C:\\送る", "", "C:\\送る\\"},  // the parent itself, which exists
        {"C:\\送る", "a\\b", "C:\\送る\\a\\b"},
        {"C:\\送る", "a..b\\.x\\x.", "C:\\送る\\a..b\\.x\\x."},
        {"C:\\", "新規", "C:\\\\新規"},
        {"", "新規", std::nullopt},  // would be the root of the current drive
        {"C:\\送る", "..", std::nullopt},
        {"C:\\送る", "a/../../x", std::nullopt},
        {"C:\\送る", "x\\...", std::nullopt},
        {"C:\\送る", " .\\x", std::nullopt},
        {"C:\\送る", "x\\. ", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(newFolderPath(c.parent, c.name), c.path) << c.parent << " + " << c.name;
}

}  // namespace
}  // namespace parcelo
