#pragma once
#include <vector>

#include "core/settings_codec.h"
#include "platform/form.h"

namespace parcelo {

// Maximises the window for state 2; otherwise moves it to the saved rectangle, brought onto
// the nearest monitor when it lies outside all of them.
void applyPlacement(Form& form, const WindowPlacement& saved);

// What Data.ini records of the window: a minimised window is saved as it would be restored.
WindowPlacement placementToSave(const Form& form);

// A rectangle on no monitor moved, whole where it fits, into the work area nearest to it.
TwipsRect fitOntoMonitors(const TwipsRect& rect, const std::vector<TwipsRect>& workAreas);

}  // namespace parcelo
