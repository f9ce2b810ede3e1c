#pragma once

#include "Errors.h"

#include <chrono>
#include <functional>

namespace corvane::platform {

// How an operation that a share refuses for a moment is tried again: how often or how long, and
// how long to wait between tries. The wait before try n+1 after n failed tries is
// base + min(delay + step * (n - 1), maxDelay) + a random part below jitter. Policies are named
// constants, chosen where the operation is known.
struct RetryPolicy
{
    const char *what = "";                  // names the operation in the log
    int attempts = 0;                       // gives up after this many tries (0: no limit)
    std::chrono::milliseconds patience{0};  // gives up once this much time has passed (0: no limit)
    std::chrono::milliseconds delay{10};    // after the first failed try
    std::chrono::milliseconds step{10};     // added for every further failed try
    std::chrono::milliseconds maxDelay{1000};
    std::chrono::milliseconds base{0};      // waited before every try again, also when only busy
    std::chrono::milliseconds jitter{0};    // spreads writers that would otherwise meet again
};

// What one try came to.
enum class Try {
    Done,   // finished: stop
    Busy,   // someone else holds what we need: wait the base time and look again
    Failed, // refused for a moment (EBUSY, EAGAIN, a share's stale handle, EIO): wait longer each time
};

// Runs `attempt` on the calling thread until it is Done or the policy gives up; waits between
// tries by sleeping, so never on the UI thread. Returns whether it was Done. An exception from
// `attempt` ends the tries and is passed on.
bool retry(const RetryPolicy &policy, const std::function<Try()> &attempt);
// The same for a try that either succeeds (true) or fails for the moment (false).
bool retry(const RetryPolicy &policy, const std::function<bool()> &attempt);

// Runs `operation` until it returns without an Error, as long as `passing` says the Error may
// go away by itself; the last Error is thrown when the policy gives up or an Error does not pass.
void retryOnError(const RetryPolicy &policy, const std::function<void()> &operation,
                  const std::function<bool(const Error &)> &passing);

// A removal the program waits for: a message or attachment that must not be taken twice.
inline constexpr RetryPolicy kPatientRemoval{.what = "remove",
                                             .patience = std::chrono::seconds(60),
                                             .delay = std::chrono::milliseconds(20),
                                             .step = std::chrono::milliseconds(20)};
// A removal of a temporary file of our own: one left behind goes with a later sweep.
inline constexpr RetryPolicy kQuickRemoval{.what = "remove",
                                           .patience = std::chrono::seconds(5),
                                           .delay = std::chrono::milliseconds(20),
                                           .step = std::chrono::milliseconds(20)};

// Removes a file, trying again while a share refuses (the file is held open elsewhere). Returns
// whether the file is gone.
bool removeFileRetrying(const QString &path, const RetryPolicy &policy = kPatientRemoval);

} // namespace corvane::platform
