#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <stdexcept>

#include "about/frmAbout.h"
#include "about/frmAbout_design.h"
#include "items/frmItems.h"
#include "items/frmItems_design.h"
#include "mainwindow/frmMain.h"
#include "platform/portable/scripted_user.h"

namespace parcelo {
namespace {

template <class Window>
std::vector<std::string_view> sourcesOf(EventTable<Window> table) {
    std::vector<std::string_view> sources;
    for (const Binding<Window>& binding : table) sources.push_back(binding.source);
    return sources;
}

TEST(WindowTables, EveryEventSourceAndContainerIsAPartOfTheWindowsDesign) {
    const struct {
        const FormDesign& design;
        std::vector<std::string_view> sources;
    } windows[] = {
        {frmMainDesign, sourcesOf(frmMain::eventTable)},
        {frmOptDesign, sourcesOf(frmOpt::eventTable)},
        {frmAboutDesign, sourcesOf(frmAbout::eventTable)},
        {frmItemsDesign, sourcesOf(frmItems::eventTable)},
    };
    for (const auto& w : windows) {
        std::set<std::string_view> controls, parts;
        for (const ControlDesign& c : w.design.controls) controls.insert(c.name);
        for (const MenuDesign& m : w.design.menu) parts.insert(m.name);
        parts.insert(controls.begin(), controls.end());
        EXPECT_EQ(parts.size(), w.design.controls.size() + w.design.menu.size()) << w.design.name << ": a name twice";
        for (std::string_view source : w.sources)
            EXPECT_TRUE(source == formSource || parts.contains(source)) << w.design.name << ": " << source;
        for (const ControlDesign& c : w.design.controls)
            EXPECT_TRUE(c.container.empty() || controls.contains(c.container)) << w.design.name << ": " << c.name;
    }
}

// A handler that runs `step`, bare or under skipOnError.
struct Handler {
    void cmdGo_Click() { skipping ? skipOnError(step) : step(); }
    bool skipping;
    std::function<void()> step;
};

TEST(ErrorStyles, HandleThePlatformsFailuresButLetAFaultOfTheProgramGoOnUp) {
    static constexpr Binding<Handler> bindings[] = {{"cmdGo", Event::Click, &Handler::cmdGo_Click}};
    const std::vector<ShownBox> reported{{"エラーが発生しました。\n\n読み取り専用です", "Parcelo", box::iconError}};
    for (const bool skipping : {true, false}) {
        ScriptedUser user;
        Handler handler{skipping, [] { throw PlatformError(error_code::accessDenied, "読み取り専用です"); }};
        dispatch(EventTable<Handler>(bindings), handler, "cmdGo", Event::Click, user);
        EXPECT_EQ(user.shown, skipping ? std::vector<ShownBox>{} : reported);
        handler.step = [] { throw std::logic_error("no control cmdGoo in frmSlip"); };  // a misspelt name
        EXPECT_THROW(dispatch(EventTable<Handler>(bindings), handler, "cmdGo", Event::Click, user), std::logic_error);
    }
}

}  // namespace
}  // namespace parcelo
