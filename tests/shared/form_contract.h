#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/form.h"

namespace parcelo::test {

// What every platform's forms do, whichever realises them. A harness gives the platform's part:
//   std::unique_ptr<Form> create(const FormDesign&, FormEvents&);
//   void duringModal(std::function<void()> act);  // act runs inside the next modal showing
//   void click(Form&, std::string_view name);       // a person's click
//   void pressTab(Form&, bool forward);
//   std::string focused(Form&);                     // empty when no control has the focus

inline constexpr ControlDesign contractControls[] = {
    // name      kind                       container  caption      left   top  width height tab
    {"lblName", ControlKind::Label,        "",        "名前(&N):", { 120,  120, 1200, 255}, 0},
    {"txtName", ControlKind::TextBox,      "",        "",          {1440,  120, 2400, 270}, 1},
    {"fraKind", ControlKind::Frame,        "",        "種類",      { 120,  600, 3720, 1455}, 2},
    {"optA",    ControlKind::OptionButton, "fraKind", "A(&A)",     { 120,  360, 1455, 255}, 3, control_flag::checked},
    {"optB",    ControlKind::OptionButton, "fraKind", "B(&B)",     { 120,  720, 1455, 255}, 4},
    {"optC",    ControlKind::OptionButton, "fraKind", "ｼｰ(&C)",    { 120, 1080, 1455, 255}, 5},
    {"chkOn",   ControlKind::CheckBox,     "",        "入れる(&O)", { 120, 2160, 3000, 255}, 6},
    {"cmdOK",   ControlKind::Button,       "",        "OK",        {4080,  120, 1215, 300}, 7, control_flag::defaultButton},
    {"cmdCan",  ControlKind::Button,       "",        "Cancel",    {4080,  480, 1215, 300}, 8, control_flag::cancelButton},
};

inline const FormDesign contractDesign{"frmContract", "契約", Border::FixedDialog, {0, 0, 5520, 2640},
                                       {192, 192, 192}, contractControls, {}};

using Raised = std::vector<std::pair<std::string, Event>>;

// Resize and Shown come when each system lays out and paints a window; the rest come in the same order.
struct Recorder : FormEvents {
    void onEvent(std::string_view source, Event event) override {
        if (event != Event::Resize && event != Event::Shown) raised.emplace_back(source, event);
    }
    Raised raised;
};

template <class Harness>
class FormContract : public testing::Test {
protected:
    Harness harness;
    Recorder events;
    std::unique_ptr<Form> form = harness.create(contractDesign, events);
};

TYPED_TEST_SUITE_P(FormContract);

TYPED_TEST_P(FormContract, ShowsHidesAndUnloads) {
    Form& form = *this->form;
    const struct {
        void (Form::*step)();
        bool visible, loaded;
    } steps[] = {
        {&Form::show, true, true}, {&Form::hide, false, true}, {&Form::show, true, true}, {&Form::unload, false, false},
    };
    EXPECT_FALSE(form.visible()) << "created hidden";
    for (const auto& s : steps) {
        (form.*s.step)();
        EXPECT_EQ(form.visible(), s.visible);
        EXPECT_EQ(form.loaded(), s.loaded);
    }
    EXPECT_EQ(this->events.raised, (Raised{{"Form", Event::Unload}}));
}

TYPED_TEST_P(FormContract, ShownModalReturnsOnceHiddenOrUnloadedFromInside) {
    const struct {
        void (Form::*end)();
        bool loadedAfter;
    } cases[] = {{&Form::hide, true}, {&Form::unload, false}};
    for (const auto& c : cases) {
        this->harness.duringModal([&] {
            EXPECT_TRUE(this->form->visible()) << "shown while modal";
            (this->form.get()->*c.end)();
        });
        this->form->showModal();
        EXPECT_FALSE(this->form->visible());
        EXPECT_EQ(this->form->loaded(), c.loadedAfter);
    }
}

TYPED_TEST_P(FormContract, AnOptionSelectedClearsTheOthersOfItsGroupAndRaisesClickWhoeverSelectsIt) {
    Form& form = *this->form;
    const struct {
        std::string_view name;
        bool byPerson;        // else the program checks it
        const char* checked;  // then optA, optB, optC and chkOn, 1 for checked
        bool click;
    } steps[] = {
        {"optB", false, "0100", true},  {"optC", true, "0010", true},
        {"optC", false, "0010", false},  // already selected: nothing happens
        {"chkOn", true, "0011", true},  {"chkOn", true, "0010", true},
        {"chkOn", false, "0011", true}, {"chkOn", false, "0011", false},
    };
    for (const auto& s : steps) {
        this->events.raised.clear();
        if (s.byPerson) this->harness.click(form, s.name);
        else form.toggle(s.name).setChecked(true);
        std::string checked;
        for (const char* name : {"optA", "optB", "optC", "chkOn"}) checked += form.toggle(name).checked() ? '1' : '0';
        EXPECT_EQ(checked, s.checked) << s.name;
        EXPECT_EQ(this->events.raised, (s.click ? Raised{{std::string(s.name), Event::Click}} : Raised{})) << s.name;
    }
}

TYPED_TEST_P(FormContract, TabFollowsTheTabNumbersOverEnabledStopsAndTheSelectedOption) {
    Form& form = *this->form;
    form.control("cmdCan").setEnabled(false);
    form.show();
    const struct {
        bool forward;
        std::string_view focused;
    } presses[] = {
        {true, "txtName"}, {true, "optA"}, {true, "chkOn"}, {true, "cmdOK"}, {true, "txtName"}, {false, "cmdOK"},
    };
    for (const auto& p : presses) {
        this->harness.pressTab(form, p.forward);
        EXPECT_EQ(this->harness.focused(form), p.focused) << (p.forward ? "Tab" : "Shift+Tab");
    }
}

TYPED_TEST_P(FormContract, AControlNotInTheDesignOrAskedForAsAnotherKindIsAProgrammingError) {
    Form& form = *this->form;
    const std::function<void()> asks[] = {
        [&] { form.control("txtNmae"); }, [&] { form.toggle("optD"); },          [&] { form.driveList("driDri"); },
        [&] { form.toggle("cmdOK"); },    [&] { form.folderList("lblName"); }, [&] { form.folderView("fraKind"); },
    };
    for (size_t i = 0; i < std::size(asks); ++i) EXPECT_THROW(asks[i](), std::logic_error) << "ask " << i;
}

REGISTER_TYPED_TEST_SUITE_P(FormContract, ShowsHidesAndUnloads, ShownModalReturnsOnceHiddenOrUnloadedFromInside,
                            AnOptionSelectedClearsTheOthersOfItsGroupAndRaisesClickWhoeverSelectsIt,
                            TabFollowsTheTabNumbersOverEnabledStopsAndTheSelectedOption,
                            AControlNotInTheDesignOrAskedForAsAnotherKindIsAProgrammingError);

}  // namespace parcelo::test
