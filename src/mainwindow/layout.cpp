#include "mainwindow/frmMain.h"

namespace parcelo {
namespace {

// The window is never lower than this; its width never less than the button strip's.
constexpr Twips minimumOuterHeight = 3000;

void setTop(Control& control, Twips top) {
    TwipsRect r = control.rect();
    r.top = top;
    control.move(r);
}

void setHeight(Control& control, Twips height) {
    TwipsRect r = control.rect();
    r.height = height;
    control.move(r);
}

void setWidth(Control& control, Twips width) {
    TwipsRect r = control.rect();
    r.width = width;
    control.move(r);
}

}  // namespace

void frmMain::InitialPlacement() {
    const TwipsRect strip = Picture1().rect();
    const TwipsRect client = form_->clientRect();
    const Twips listWidth = dirDir().rect().width;
    webMain().move({listWidth, strip.height, client.width - listWidth, client.height - strip.height});
    setHeight(dirDir(), webMain().rect().height);
}

// Each step reads what the steps before it set; setting the outer size runs this handler again
// inside itself before the rest of the steps here.
void frmMain::Form_Resize() {
    if (form_->state() == WindowState::Minimized) return;
    if (const TwipsRect outer = form_->outerRect(); outer.height < minimumOuterHeight)
        form_->moveOuter({outer.left, outer.top, outer.width, minimumOuterHeight});
    const Twips stripHeight = Picture1().rect().height;
    setTop(driDri(), stripHeight);
    setHeight(webMain(), form_->clientRect().height - stripHeight);
    const TwipsRect drive = driDri().rect();
    setTop(dirDir(), drive.top + drive.height);
    setHeight(dirDir(), form_->clientRect().height - stripHeight - drive.height);
    if (const TwipsRect outer = form_->outerRect(); outer.width <= Picture1().rect().width)
        form_->moveOuter({outer.left, outer.top, Picture1().rect().width, outer.height});
    setWidth(webMain(), form_->clientRect().width - dirDir().rect().width);
}

}  // namespace parcelo
