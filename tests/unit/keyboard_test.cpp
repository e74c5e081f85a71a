#include <gtest/gtest.h>

#include <set>

#include "about/frmAbout_design.h"
#include "core/keyboard.h"
#include "core/tab_order.h"
#include "mainwindow/frmMain_design.h"
#include "options/frmOpt_design.h"

namespace parcelo {
namespace {

// The memory form's contract steps through a window's tab order; these are the steps it does not take:
// over the panel, Shift+Tab from nowhere, a window without stops, and option groups with none selected.
TEST(TabOrder, StopsAreTheControlsAPersonUsesAndEachOptionButtonOfAGroupWithNoneSelected) {
    const auto noneSelected = [](std::string_view) { return false; };
    const auto focusable = [&](const ControlDesign& c) { return isTabStop(frmMainDesign.controls, c, noneSelected); };
    EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, "webMain", true, focusable), "cmdEx");
    EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, "", false, focusable), "cmdFopen");
    EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, "webMain", true, [](const ControlDesign&) { return false; }), "");
    std::set<std::string_view> stops;
    for (const ControlDesign& d : frmOptDesign.controls)
        if (isTabStop(frmOptDesign.controls, d, noneSelected)) stops.insert(d.name);
    EXPECT_EQ(stops, (std::set<std::string_view>{"chkOQ", "cmdOK", "cmdCan", "txtPath", "cmdO", "optUpath", "optSend",
                                                 "optStart"}));
    for (const ControlDesign& d : frmAboutDesign.controls)
        EXPECT_EQ(isTabStop(frmAboutDesign.controls, d, noneSelected), d.name == "cmdOK")
            << d.name << ": labels, addresses and the icon are passed over";
}

TEST(DialogKeys, EnterPressesTheFocusedButtonOfTheWindowElseTheDefaultAndEscTheCancelButton) {
    const struct {
        const FormDesign& design;
        std::string_view focused, enter, escape;
    } cases[] = {
        {frmOptDesign, "txtPath", "cmdOK", "cmdCan"},
        {frmOptDesign, "cmdCan", "cmdCan", "cmdCan"},
        {frmOptDesign, "cmdO", "cmdOK", "cmdCan"},  // in the frame: not the window's own
        {frmAboutDesign, "", "cmdOK", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(enterButton(c.design.controls, c.focused), c.enter) << c.design.name << " " << c.focused;
        EXPECT_EQ(escapeButton(c.design.controls), c.escape) << c.design.name;
    }
}

TEST(AccessKeys, AreTheMarkedCharacterUpperCasedAndTheMenuBarsComeFirst) {
    const struct {
        std::string_view caption;
        char key;
    } keys[] = {
        {"終了(&Q)", 'Q'}, {"ファイル&f", 'F'}, {"&1 番目", '1'}, {"A && B", 0}, {"A && &B", 'B'}, {"参照...", 0},
        {"末尾&", 0},
        // The ends of each range, and the characters just outside them.
        {"&a", 'A'}, {"&z", 'Z'}, {"&A", 'A'}, {"&Z", 'Z'}, {"&0", '0'}, {"&9", '9'},
        {"&`", 0}, {"&{", 0}, {"&@", 0}, {"&[", 0}, {"&/", 0}, {"&:", 0},
    };
    for (const auto& k : keys) EXPECT_EQ(accessKey(k.caption), k.key) << k.caption;
    for (const char key : {'F', 'o', 'H'}) EXPECT_TRUE(isMenuBarAccessKey(frmMainDesign.menu, key)) << key;
    for (const char key : {'Q', 'C', 'V', '\0'}) EXPECT_FALSE(isMenuBarAccessKey(frmMainDesign.menu, key)) << key;
    constexpr MenuDesign edges[] = {{1, "mnuA", "&A"}, {1, "mnuZ", "&Z"}};
    for (const char key : {'a', 'z'}) EXPECT_TRUE(isMenuBarAccessKey(edges, key)) << key;
}

}  // namespace
}  // namespace parcelo
