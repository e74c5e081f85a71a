#pragma once
#include <exception>

#include "core/error_styles.h"

namespace parcelo::win32 {

// Runs a step of a window procedure, subclass procedure or loop, from which no exception may reach the
// system: a failure is reported as the event dispatcher reports one, anything else is stopped here.
template <class Result, class Step>
Result guardCallback(Dialogs& dialogs, Result onFailure, Step&& step) noexcept {
    try {
        return step();
    } catch (const std::exception& failure) {
        try {
            reportUnexpected(dialogs, failure);
        } catch (...) {
        }
    } catch (...) {
    }
    return onFailure;
}

// The same where nobody can be told: the step's result, or `onFailure` when it throws.
template <class Result, class Step>
Result guardCallback(Result onFailure, Step&& step) noexcept {
    try {
        return step();
    } catch (...) {
    }
    return onFailure;
}

}  // namespace parcelo::win32
