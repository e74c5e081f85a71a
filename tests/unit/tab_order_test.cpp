#include <gtest/gtest.h>

#include <set>

#include "core/tab_order.h"
#include "mainwindow/frmMain_design.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

struct TabCase {
    std::string_view from;
    bool forward;
    std::string_view to;
};

// The main window's statics never take the focus.
bool focusable(const ControlDesign& c) { return c.kind != ControlKind::Label && c.kind != ControlKind::Panel; }

TEST(TabOrder, FollowsTheTabNumbersAcrossTheWindowAndThePanel) {
    const TabCase cases[] = {
        {dirDir, true, webMain},   {webMain, true, cmdEx},  {cmdOpen, true, txtName},
        {txtName, true, cmdRef},   {cmdOpt, true, driDri},  {driDri, true, cmdFopen},
        {cmdFopen, true, dirDir},  {dirDir, false, cmdFopen}, {cmdRef, false, txtName},
        {cmdEx, false, webMain},   {"", true, dirDir},        {"", false, cmdFopen},
    };
    for (const TabCase& c : cases)
        EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, c.from, c.forward, focusable), c.to)
            << c.from << (c.forward ? " Tab" : " Shift+Tab");
}

TEST(TabOrder, SkipsControlsThatCannotTakeTheFocus) {
    const std::set<std::string_view> disabled{cmdEx, cmdNdir, cmdCr};
    const auto canFocus = [&](const ControlDesign& c) { return focusable(c) && !disabled.contains(c.name); };
    EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, webMain, true, canFocus), cmdOpen);
    const auto nothing = [](const ControlDesign&) { return false; };
    EXPECT_EQ(nextInTabOrder(frmMainDesign.controls, webMain, true, nothing), "");
    EXPECT_EQ(nextInTabOrder({}, webMain, true, focusable), "");
}

TEST(TabOrder, GoesByTabNumberNotByPlaceInTheTable) {
    constexpr ControlDesign shuffled[] = {{"cmdC", ControlKind::Button, "", "", {}, 2},
                                          {"cmdA", ControlKind::Button, "", "", {}, 0},
                                          {"cmdB", ControlKind::Button, "", "", {}, 1}};
    EXPECT_EQ(nextInTabOrder(shuffled, "cmdA", true, focusable), "cmdB");
    EXPECT_EQ(nextInTabOrder(shuffled, "cmdA", false, focusable), "cmdC");
}

}  // namespace
}  // namespace parcelo
