#pragma once
#include <exception>
#include <string>

#include "platform/dialogs.h"
#include "platform/platform_error.h"

namespace parcelo {

// The event dispatcher's rule for a failure no handler claims: tell the user, keep running.
void reportUnexpected(Dialogs& dialogs, const std::exception& failure);

// Both styles handle the platform's failures only: anything else, such as a control asked for by a
// name its window does not have, is a fault of the program and must not pass unseen.
template <class Step>
void reportErrors(Dialogs& dialogs, Step&& step) {
    try {
        step();
    } catch (const PlatformError& failure) {
        reportUnexpected(dialogs, failure);
    }
}

// For handlers whose steps are each skipped silently when they fail.
template <class Step>
void skipOnError(Step&& step) {
    try {
        step();
    } catch (const PlatformError&) {
    }
}

}  // namespace parcelo
