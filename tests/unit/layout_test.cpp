#include <gtest/gtest.h>

#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmMainNames;

// The in-memory window's frame adds 240 twips across and 900 down to the client area.
class MainWindowLayout : public testing::Test {
protected:
    MainWindowLayout() { machine.start(); }
    MemoryForm& form() { return machine.mainForm(); }
    TwipsRect rect(std::string_view name) { return form().control(name).rect(); }

    // What the rules give for a client area of this size.
    void expectLaidOutFor(Twips clientWidth, Twips clientHeight) {
        EXPECT_EQ(form().clientRect(), (TwipsRect{0, 0, clientWidth, clientHeight}));
        EXPECT_EQ(rect(driDri), (TwipsRect{0, 900, 1815, 300}));
        EXPECT_EQ(rect(dirDir), (TwipsRect{-15, 1200, 1815, clientHeight - 1200}));
        EXPECT_EQ(rect(webMain), (TwipsRect{1815, 900, clientWidth - 1815, clientHeight - 900}));
        EXPECT_EQ(rect(Picture1), (TwipsRect{0, 0, 7335, 900}));
    }

    test::PortableMachine machine;
};

struct Drag {
    const char* what;
    TwipsRect outer;       // where the user leaves the window
    TwipsRect settled;     // where the rules leave it
};

const Drag drags[] = {
    {"larger than both minimums",      {300, 200, 9000, 8000}, {300, 200, 9000, 8000}},
    {"below the height minimum",       {300, 200, 9000, 2500}, {300, 200, 9000, 3000}},
    {"exactly the height minimum",     {300, 200, 9000, 3000}, {300, 200, 9000, 3000}},
    {"one twip above it",              {300, 200, 9000, 3001}, {300, 200, 9000, 3001}},
    {"below the strip's width",        {300, 200, 7000, 8000}, {300, 200, 7335, 8000}},
    {"exactly the strip's width",      {300, 200, 7335, 8000}, {300, 200, 7335, 8000}},
    {"one twip wider than the strip",  {300, 200, 7336, 8000}, {300, 200, 7336, 8000}},
    {"below both minimums",            {300, 200, 5000, 1000}, {300, 200, 7335, 3000}},
    {"a placement of 0 by 0",          {0, 0, 0, 0},           {0, 0, 7335, 3000}},
};

TEST_F(MainWindowLayout, DraggingTheFrameSettlesAtTheMinimumsAndLaysOutTheRest) {
    expectLaidOutFor(7200, 6045);  // the designed client area, at the first showing
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.what);
        form().moveOuter(drag.outer);
        EXPECT_EQ(form().outerRect(), drag.settled);
        expectLaidOutFor(drag.settled.width - memoryFrameWidth, drag.settled.height - memoryFrameHeight);
    }
}

TEST_F(MainWindowLayout, MaximisedTheViewAndTheFolderListFillTheWorkArea) {
    form().setState(WindowState::Maximized);
    expectLaidOutFor(15360 - memoryFrameWidth, 11520 - memoryFrameHeight);
}

TEST_F(MainWindowLayout, NothingMovesWhileMinimisedAndRestoringLaysOutTheRestoredSize) {
    form().moveOuter({300, 200, 9000, 8000});
    const TwipsRect view = rect(webMain), list = rect(dirDir);
    form().setState(WindowState::Minimized);
    machine.window->onEvent(formSource, Event::Resize);  // the system may send more while the window is an icon
    EXPECT_EQ(rect(webMain), view);
    EXPECT_EQ(rect(dirDir), list);

    form().moveOuter({300, 200, 10000, 9000});  // the restored size changes behind the icon
    EXPECT_EQ(rect(webMain), view);
    form().setState(WindowState::Normal);
    expectLaidOutFor(10000 - memoryFrameWidth, 9000 - memoryFrameHeight);
}

}  // namespace
}  // namespace parcelo
