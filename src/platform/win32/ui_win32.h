#pragma once
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

}  // namespace parcelo::win32
