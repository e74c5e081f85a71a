#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "core/event_table.h"
#include "support/scripted_user.h"

namespace parcelo {
namespace {

// A handler that runs `step`, bare or under skipOnError.
struct Handler {
    void cmdGo_Click() { skipping ? skipOnError(step) : step(); }
    bool skipping;
    std::function<void()> step;
};

// The platform's failures: the main window's tests see a failing handler reported and a skipped step silent.
TEST(ErrorStyles, LetAFaultOfTheProgramGoOnUp) {
    static constexpr Binding<Handler> bindings[] = {{"cmdGo", Event::Click, &Handler::cmdGo_Click}};
    ScriptedUser user;
    for (const bool skipping : {true, false}) {
        Handler handler{skipping, [] { throw std::logic_error("no control cmdGoo in frmSlip"); }};  // a misspelt name
        EXPECT_THROW(dispatch(EventTable<Handler>(bindings), handler, "cmdGo", Event::Click, user), std::logic_error);
    }
}

}  // namespace
}  // namespace parcelo
