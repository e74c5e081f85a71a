#include <gtest/gtest.h>

#include "core/option_group.h"

namespace parcelo {
namespace {

using enum ControlKind;
using Names = std::vector<std::string_view>;

// Two groups of option buttons, one in each frame, with other controls between them.
constexpr ControlDesign controls[] = {
    {"optA1", OptionButton, "", "a1", {}, 0},      {"fraB", Frame, "", "b", {}, 1},
    {"optB1", OptionButton, "fraB", "b1", {}, 2}, {"txtB", TextBox, "fraB", "", {}, 3},
    {"optA2", OptionButton, "", "a2", {}, 4},      {"optB2", OptionButton, "fraB", "b2", {}, 5},
    {"optB3", OptionButton, "fraB", "b3", {}, 6}, {"chkA", CheckBox, "", "c", {}, 7},
};

TEST(OptionGroup, AnOptionButtonGroupsWithTheOthersOfItsContainer) {
    EXPECT_EQ(otherOptionsOfGroup(controls, "optA1"), Names{"optA2"});
    EXPECT_EQ(otherOptionsOfGroup(controls, "optB2"), (Names{"optB1", "optB3"}));
    EXPECT_EQ(otherOptionsOfGroup(controls, "chkA"), Names{});
    EXPECT_EQ(otherOptionsOfGroup(controls, "missing"), Names{});
}

TEST(OptionGroup, ArrowKeysRunThroughOptionButtonsThatFollowEachOther) {
    Names beginning;
    for (size_t i = 0; i < std::size(controls); ++i)
        if (beginsKeyboardGroup(controls, i)) beginning.push_back(controls[i].name);
    // optB3 directly follows optB2; fraB separates optA1 from optA2, and txtB optB1 from optB2.
    EXPECT_EQ(beginning, (Names{"optA1", "fraB", "optB1", "txtB", "optA2", "optB2", "chkA"}));
}

}  // namespace
}  // namespace parcelo
