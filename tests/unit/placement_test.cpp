#include <gtest/gtest.h>

#include "core/placement.h"
#include "mainwindow/frmMain_design.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

const TwipsRect leftMonitor{0, 0, 15360, 11520};
const TwipsRect rightMonitor{15360, 0, 28800, 11520};

TEST(FitOntoMonitors, KeepsWhatIsOnAMonitorAndBringsBackWhatIsNot) {
    const struct {
        const char* name;
        TwipsRect wanted, expected;
    } cases[] = {
        {"inside", {4500, 2940, 7200, 6045}, {4500, 2940, 7200, 6045}},
        {"partly off the edge stays", {-3000, -60, 7200, 6045}, {-3000, -60, 7200, 6045}},
        {"on the second monitor stays", {30000, 3000, 7200, 6045}, {30000, 3000, 7200, 6045}},
        {"empty at the origin stays", {0, 0, 0, 0}, {0, 0, 0, 0}},
        // An empty window still has a corner that must be on a monitor.
        {"empty just left of the monitors", {-1, 100, 0, 0}, {0, 100, 0, 0}},
        {"empty just above the monitors", {100, -1, 0, 0}, {100, 0, 0, 0}},
        {"just above the monitors", {100, -6045, 7200, 6045}, {100, 0, 7200, 6045}},
        {"far left comes to the left edge", {-40000, 2000, 7200, 6045}, {0, 2000, 7200, 6045}},
        {"just right of the right monitor", {44160, 3000, 7200, 6045}, {36960, 3000, 7200, 6045}},
        {"far right comes to the nearest monitor", {90000, 3000, 7200, 6045}, {36960, 3000, 7200, 6045}},
        {"just below the monitors", {1000, 11520, 7200, 6045}, {1000, 5475, 7200, 6045}},
        {"below everything comes up", {1000, 50000, 7200, 6045}, {1000, 5475, 7200, 6045}},
        {"larger than the monitor starts at its corner", {-50000, -50000, 20000, 14000}, {0, 0, 20000, 14000}},
    };
    for (const auto& c : cases) EXPECT_EQ(fitOntoMonitors(c.wanted, {leftMonitor, rightMonitor}), c.expected) << c.name;
    EXPECT_EQ(fitOntoMonitors({-40000, 0, 10, 10}, {}), (TwipsRect{-40000, 0, 10, 10})) << "no monitor known";
}

class PlacementOfAForm : public testing::Test {
protected:
    PlacementOfAForm() : form(frmMainDesign, machine.files, events) {}

    struct NoEvents : FormEvents {
        void onEvent(std::string_view, Event) override {}
    } events;
    test::PortableMachine machine;
    MemoryForm form;
};

TEST_F(PlacementOfAForm, StateTwoMaximisesAnyOtherMovesOntoAMonitor) {
    const TwipsRect before = form.restoredOuterRect();
    applyPlacement(form, {100, 200, 300, 400, 2});
    EXPECT_EQ(form.state(), WindowState::Maximized);
    EXPECT_EQ(form.restoredOuterRect(), before);
    for (std::int32_t state : {0, 1, 3, -1}) {
        form.setState(WindowState::Normal);
        applyPlacement(form, {7200, 6045, 2940, 4500, state});
        EXPECT_EQ(form.state(), WindowState::Normal) << state;
        EXPECT_EQ(form.outerRect(), (TwipsRect{4500, 2940, 7200, 6045})) << state;
    }
    applyPlacement(form, {7200, 6045, 2940, 60000, 0});
    EXPECT_EQ(form.outerRect(), (TwipsRect{8160, 2940, 7200, 6045}));
}

TEST_F(PlacementOfAForm, AMinimisedWindowIsSavedAsItWouldBeRestored) {
    form.moveOuter({1500, 2250, 8100, 6600});
    EXPECT_EQ(placementToSave(form), (WindowPlacement{8100, 6600, 2250, 1500, 0}));
    form.setState(WindowState::Minimized);
    EXPECT_EQ(placementToSave(form), (WindowPlacement{8100, 6600, 2250, 1500, 0}));

    form.setState(WindowState::Maximized);
    EXPECT_EQ(placementToSave(form), (WindowPlacement{15360, 11520, 0, 0, 2}));
    form.setState(WindowState::Minimized);
    EXPECT_EQ(placementToSave(form).state, 2);
}

}  // namespace
}  // namespace parcelo
