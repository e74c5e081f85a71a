#pragma once
#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace parcelo {

struct ShownBox {
    std::string text;
    std::string caption;
    unsigned flags;
};

// A user who answers from a script and remembers everything shown to them.
class ScriptedUser : public Dialogs {
public:
    int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;

    // Buttons to press, in order; with none left the user presses OK.
    std::deque<int> buttons;
    std::vector<ShownBox> shown;
};

}  // namespace parcelo
