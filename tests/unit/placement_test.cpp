#include <gtest/gtest.h>

#include "core/placement.h"
#include "mainwindow/frmMain_design.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

const TwipsRect leftMonitor{0, 0, 15360, 11520};
const TwipsRect rightMonitor{15360, 0, 28800, 11520};

struct FitCase {
    const char* name;
    TwipsRect wanted;
    TwipsRect expected;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitOntoMonitors : public testing::TestWithParam<FitCase> {};

TEST_P(FitOntoMonitors, KeepsWhatIsOnAMonitorAndBringsBackWhatIsNot) {
    EXPECT_EQ(fitOntoMonitors(GetParam().wanted, {leftMonitor, rightMonitor}), GetParam().expected);
}

const FitCase fitCases[] = {
    {"inside", {4500, 2940, 7200, 6045}, {4500, 2940, 7200, 6045}},
    {"partly_off_the_edge_stays", {-3000, -60, 7200, 6045}, {-3000, -60, 7200, 6045}},
    {"on_the_second_monitor_stays", {30000, 3000, 7200, 6045}, {30000, 3000, 7200, 6045}},
    {"empty_at_the_origin_stays", {0, 0, 0, 0}, {0, 0, 0, 0}},
    {"far_left_comes_to_the_left_edge", {-40000, 2000, 7200, 6045}, {0, 2000, 7200, 6045}},
    {"far_right_comes_to_the_nearest_monitor", {90000, 3000, 7200, 6045}, {36960, 3000, 7200, 6045}},
    {"below_everything_comes_up", {1000, 50000, 7200, 6045}, {1000, 5475, 7200, 6045}},
    {"larger_than_the_monitor_starts_at_its_corner", {-50000, -50000, 20000, 14000}, {0, 0, 20000, 14000}},
};

INSTANTIATE_TEST_SUITE_P(TwoMonitors, FitOntoMonitors, testing::ValuesIn(fitCases),
                         [](const auto& info) { return std::string(info.param.name); });

class PlacementOfAForm : public testing::Test {
protected:
    PlacementOfAForm() : form(frmMainDesign, machine.files, events) {}

    struct NoEvents : FormEvents {
        void onEvent(std::string_view, Event) override {}
    } events;
    test::PortableMachine machine;
    MemoryForm form;
};

TEST_F(PlacementOfAForm, StateTwoMaximisesAndIgnoresTheCoordinates) {
    const TwipsRect before = form.restoredOuterRect();
    applyPlacement(form, {100, 200, 300, 400, 2});
    EXPECT_EQ(form.state(), WindowState::Maximized);
    EXPECT_EQ(form.restoredOuterRect(), before);
}

TEST_F(PlacementOfAForm, EveryOtherStateMovesInWidthHeightTopLeftOrder) {
    for (std::int32_t state : {0, 1, 3, -1}) {
        applyPlacement(form, {7200, 6045, 2940, 4500, state});
        EXPECT_EQ(form.state(), WindowState::Normal) << state;
        EXPECT_EQ(form.outerRect(), (TwipsRect{4500, 2940, 7200, 6045})) << state;
    }
}

TEST_F(PlacementOfAForm, AWindowOffEveryMonitorIsBroughtBack) {
    applyPlacement(form, {7200, 6045, 2940, 60000, 0});
    EXPECT_EQ(form.outerRect(), (TwipsRect{8160, 2940, 7200, 6045}));
}

TEST_F(PlacementOfAForm, SavesTheRestoredPlacementOfAMinimisedWindow) {
    form.moveOuter({1500, 2250, 8100, 6600});
    const WindowPlacement normal = placementToSave(form);
    EXPECT_EQ(std::tie(normal.left, normal.top, normal.width, normal.height, normal.state),
              std::make_tuple(1500.f, 2250.f, 8100.f, 6600.f, std::int16_t{0}));

    form.setState(WindowState::Minimized);
    const WindowPlacement minimised = placementToSave(form);
    EXPECT_EQ(std::tie(minimised.left, minimised.top, minimised.width, minimised.height, minimised.state),
              std::make_tuple(1500.f, 2250.f, 8100.f, 6600.f, std::int16_t{0}));
}

TEST_F(PlacementOfAForm, AMinimisedWindowThatWasMaximisedIsSavedMaximised) {
    form.setState(WindowState::Maximized);
    EXPECT_EQ(placementToSave(form).state, 2);
    EXPECT_EQ(placementToSave(form).width, 15360);
    form.setState(WindowState::Minimized);
    EXPECT_EQ(placementToSave(form).state, 2);
}

}  // namespace
}  // namespace parcelo
