#pragma once

#include <functional>

namespace hestova::odbcini {

// Moments at which another process may change the user file's folder or the file; tests put in what it does there.
// Outside tests nothing happens at them.
enum class Moment {
    BetweenAttributeReads,  // an attribute list or value was measured and is about to be read
    BeforeReplacing,        // the staged copy is on disk; the copy and the file are about to be checked
    Exchanging,             // both were checked, and the two names are about to be exchanged
    AfterExchanging,        // the names were exchanged, and what each one now leads to is about to be checked
};

// Runs what a test put in at `moment`.
void interleave(Moment moment);

// Tests: runs `action` at every `moment` from now on; an empty action clears it.
void setInterleaved(Moment moment, std::function<void()> action);

// The error with which the exchange of two names is refused, without being tried; 0 outside tests.
int exchangeRefusal();

// Tests: from now on the exchange of two names is refused with `error` (EINVAL: as by a file system that cannot
// exchange names); 0 lets it be made again.
void setExchangeRefusal(int error);

}  // namespace hestova::odbcini
