#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "about/frmAbout.h"
#include "about/frmAbout_design.h"
#include "items/frmItems.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain.h"
#include "support/scripted_user.h"

namespace parcelo {
namespace {

template <class Window>
void expectPartsOfTheDesign(const FormDesign& design, EventTable<Window> table) {
    std::set<std::string_view> controls, parts;
    for (const ControlDesign& c : design.controls) controls.insert(c.name);
    for (const MenuDesign& m : design.menu) parts.insert(m.name);
    parts.insert(controls.begin(), controls.end());
    EXPECT_EQ(parts.size(), design.controls.size() + design.menu.size()) << design.name << ": a name twice";
    for (const Binding<Window>& b : table)
        EXPECT_TRUE(b.source == formSource || parts.contains(b.source)) << design.name << ": " << b.source;
    for (const ControlDesign& c : design.controls)
        EXPECT_TRUE(c.container.empty() || controls.contains(c.container)) << design.name << ": " << c.name;
}

TEST(WindowTables, EveryEventSourceAndContainerIsAPartOfTheWindowsDesign) {
    expectPartsOfTheDesign(frmMainDesign, frmMain::eventTable);
    expectPartsOfTheDesign(frmOptDesign, frmOpt::eventTable);
    expectPartsOfTheDesign(frmAboutDesign, frmAbout::eventTable);
    expectPartsOfTheDesign(frmItemsDesign, frmItems::eventTable);
}

// A handler that runs `step`, bare or under skipOnError.
struct Handler {
    void cmdGo_Click() { skipping ? skipOnError(step) : step(); }
    bool skipping;
    std::function<void()> step;
};

TEST(ErrorStyles, HandleThePlatformsFailuresButLetAFaultOfTheProgramGoOnUp) {
    static constexpr Binding<Handler> bindings[] = {{"cmdGo", Event::Click, &Handler::cmdGo_Click}};
    for (const bool skipping : {true, false}) {
        ScriptedUser user;
        Handler handler{skipping, [] { throw PlatformError(error_code::accessDenied, "読み取り専用です"); }};
        dispatch(EventTable<Handler>(bindings), handler, "cmdGo", Event::Click, user);
        EXPECT_EQ(user.shown.empty(), skipping) << "reported unless skipped; the main window's tests read the box";
        handler.step = [] { throw std::logic_error("no control cmdGoo in frmSlip"); };  // a misspelt name
        EXPECT_THROW(dispatch(EventTable<Handler>(bindings), handler, "cmdGo", Event::Click, user), std::logic_error);
    }
}

}  // namespace
}  // namespace parcelo
