#include <gtest/gtest.h>

#include "about/frmAbout.h"
#include "about/frmAbout_design.h"
#include "core/version_info.h"
#include "portable_machine.h"

namespace parcelo {
namespace {

using namespace frmAboutNames;
using namespace frmMainNames;

TEST(VersionText, MinorAndRevisionRunTogetherAfterThePoint) {
    EXPECT_EQ(versionText({0, 2, 4, ""}), "Parcelo Version0.24");
    EXPECT_EQ(versionText({0, 10, 3, ""}), "Parcelo Version0.103");
    EXPECT_EQ(versionText({65535, 65535, 65535, ""}), "Parcelo Version65535.6553565535");
}

class AboutBox : public testing::Test {
protected:
    AboutBox() { machine.start(); }
    // Shows the box from the version menu item, with the user doing `act` in it.
    void showAbout(std::function<void(MemoryForm&)> act) {
        machine.ui.modalUser.push_back(std::move(act));
        machine.window->onEvent(mnuVer, Event::Click);
        EXPECT_TRUE(machine.ui.modalUser.empty());
        EXPECT_EQ(machine.ui.form("frmAbout"), nullptr) << "unloaded when it closes";
    }

    test::PortableMachine machine;
};

TEST_F(AboutBox, ShowsTheRecordsVersionAndCopyrightAfreshEachTimeAndClosesByOkOrItsCloseBox) {
    // The program's own record says what its design says.
    showAbout([&](MemoryForm& box) {
        EXPECT_EQ(box.control(lblVersion).text(), PARCELO_VERSION_LINE);
        EXPECT_EQ(box.control(lblCopyright).text(), PARCELO_COPYRIGHT);
        box.unload();  // the close box
    });
    machine.shell.version = {3, 1, 4, "Copyright (C) 2031 例"};
    showAbout([&](MemoryForm& box) {
        EXPECT_TRUE(box.visible());
        EXPECT_EQ(box.modalShows, 1);
        EXPECT_EQ(box.control(lblVersion).text(), "Parcelo Version3.14");
        EXPECT_EQ(box.control(lblCopyright).text(), "Copyright (C) 2031 例");
        box.click(cmdOK);
        EXPECT_FALSE(box.loaded());
    });
}

TEST_F(AboutBox, ADoubleClickOpensAnAddressASingleClickNothingAndAFailureIsSilent) {
    for (const bool refuse : {false, true}) {
        machine.shell.refuseToOpen = refuse;
        showAbout([&](MemoryForm& box) {
            box.click(txtMail);
            box.click(txtURL);
            EXPECT_TRUE(machine.shell.opened.size() == (refuse ? 2u : 0u));
            box.control(txtMail).setText("edited@example.org");  // what the box shows is not what opens
            box.doubleClick(txtMail);
            box.doubleClick(txtURL);
            EXPECT_TRUE(box.visible() && box.loaded());
            box.click(cmdOK);
        });
    }
    EXPECT_EQ(machine.shell.opened, (std::vector<std::string>{"mailto:parcelo@example.com", "http://example.com",
                                                              "mailto:parcelo@example.com", "http://example.com"}));
    EXPECT_TRUE(machine.user.shown.empty());
}

}  // namespace
}  // namespace parcelo
