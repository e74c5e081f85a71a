#pragma once
#include <exception>
#include <string>

#include "platform/dialogs.h"

namespace parcelo {

// The event dispatcher's rule for a failure no handler claims: tell the user, keep running.
void reportUnexpected(Dialogs& dialogs, const std::exception& failure);

template <class Step>
void reportErrors(Dialogs& dialogs, Step&& step) {
    try {
        step();
    } catch (const std::exception& failure) {
        reportUnexpected(dialogs, failure);
    }
}

// For handlers whose steps are each skipped silently when they fail.
template <class Step>
void skipOnError(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace parcelo
