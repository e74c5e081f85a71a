#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "about/frmAbout_design.h"
#include "mainwindow/frmMain.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmAboutNames;

TEST(VersionText, MinorAndRevisionRunTogetherAfterThePoint) {
    const struct {
        VersionRecord version;
        const char* text;
    } cases[] = {
        {{0, 2, 4, ""}, "Parcelo Version0.24"},
        {{0, 10, 3, ""}, "Parcelo Version0.103"},
        {{1, 0, 0, ""}, "Parcelo Version1.00"},
        {{12, 34, 5678, ""}, "Parcelo Version12.345678"},
        {{65535, 65535, 65535, ""}, "Parcelo Version65535.6553565535"},
    };
    for (const auto& c : cases) EXPECT_EQ(versionText(c.version), c.text);
}

class AboutBox : public testing::Test {
protected:
    AboutBox() : window(machine.platform, machine.values) { window.start(); }
    // Shows the box from the version menu item, with the user doing `act` in it.
    void showAbout(std::function<void(MemoryForm&)> act) {
        machine.ui.modalUser.push_back(std::move(act));
        window.onEvent(frmMainNames::mnuVer, Event::Click);
    }

    test::PortableMachine machine;
    frmMain window;
};

TEST_F(AboutBox, ShowsTheVersionAndCopyrightOfTheRecordAndClosesWithOk) {
    machine.shell.version = {3, 1, 4, "Copyright (C) 2031 例"};
    bool shown = false;
    showAbout([&](MemoryForm& box) {
        shown = true;
        EXPECT_TRUE(box.visible());
        EXPECT_EQ(box.control(lblVersion).text(), "Parcelo Version3.14");
        EXPECT_EQ(box.control(lblCopyright).text(), "Copyright (C) 2031 例");
        box.click(cmdOK);
        EXPECT_FALSE(box.loaded());
    });
    EXPECT_TRUE(shown);
    EXPECT_EQ(machine.ui.form("frmAbout"), nullptr) << "unloaded when it closes";
}

TEST_F(AboutBox, TheDefaultRecordReadsVersionZeroPointTwoFour) {
    std::string version;
    showAbout([&](MemoryForm& box) {
        version = box.control(lblVersion).text();
        box.unload();  // the close box
    });
    EXPECT_EQ(version, "Parcelo Version0.24");
    EXPECT_EQ(machine.ui.form("frmAbout"), nullptr);
}

TEST_F(AboutBox, EveryShowingLoadsItAfresh) {
    for (unsigned minor : {5u, 6u}) {
        machine.shell.version.minor = minor;
        showAbout([&](MemoryForm& box) {
            EXPECT_EQ(box.modalShows, 1);
            EXPECT_EQ(box.control(lblVersion).text(), "Parcelo Version0." + std::to_string(minor) + "4");
            box.click(cmdOK);
        });
    }
}

TEST_F(AboutBox, ADoubleClickOpensAnAddressAndASingleClickNothing) {
    showAbout([&](MemoryForm& box) {
        box.click(txtMail);
        box.click(txtURL);
        EXPECT_TRUE(machine.shell.opened.empty());
        box.control(txtMail).setText("edited@example.org");  // what the box shows is not what opens
        box.doubleClick(txtMail);
        box.doubleClick(txtURL);
        box.click(cmdOK);
    });
    EXPECT_EQ(machine.shell.opened,
              (std::vector<std::string>{"mailto:parcelo@example.com", "http://example.com"}));
}

TEST_F(AboutBox, AnAddressWithNothingToOpenItLeavesTheBoxAsItWas) {
    machine.shell.refuseToOpen = true;
    showAbout([&](MemoryForm& box) {
        EXPECT_EQ(box.control(txtURL).text(), "http://example.com");
        box.doubleClick(txtURL);
        box.doubleClick(txtMail);
        EXPECT_TRUE(box.visible() && box.loaded());
        box.click(cmdOK);
    });
    EXPECT_EQ(machine.shell.opened.size(), 2u);
    EXPECT_TRUE(machine.user.shown.empty());
}

}  // namespace
}  // namespace parcelo
