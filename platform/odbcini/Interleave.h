#pragma once

#include <functional>

namespace hestova::odbcini {

// Moments at which another process may change the user file's folder or the file; tests put in what it does there.
// Outside tests nothing happens at them.
enum class Moment {
    BetweenAttributeReads,  // an attribute list or value was measured and is about to be read
    BeforeReplacing,        // the staged copy was checked by its name and is about to take the file's place
};

// Runs what a test put in at `moment`.
void interleave(Moment moment);

// Tests: runs `action` at every `moment` from now on; an empty action clears it.
void setInterleaved(Moment moment, std::function<void()> action);

}  // namespace hestova::odbcini
