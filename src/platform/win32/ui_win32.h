#pragma once
#include <windows.h>

#include "platform/dialogs.h"
#include "platform/form.h"

namespace parcelo::win32 {

class Win32Ui : public Ui {
public:
    explicit Win32Ui(Dialogs& dialogs) : dialogs_(dialogs) {}
    std::unique_ptr<Form> createForm(const FormDesign& design, FormEvents& events) override;

private:
    Dialogs& dialogs_;
};

// Runs the message loop, with each window's keyboard rules, until the program ends.
int runMessageLoop();
// One message of a loop, through the keyboard rules of the window it is for.
void dispatchMessage(MSG& message);

}  // namespace parcelo::win32
