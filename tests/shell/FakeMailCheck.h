#pragma once

#include "shell/MailCheckController.h"

#include <functional>
#include <utility>

namespace corvane::test {

// A mail check that runs a prepared body: at once, or held until finish() when `hold` is set.
struct FakeRunner : shell::MailCheckRunner
{
    std::function<shell::MailCheckResult()> body = [] { return shell::MailCheckResult{}; };
    int runs = 0;
    bool hold = false;
    Done pending;

    void startCheck(Done done) override
    {
        ++runs;
        if (hold)
            pending = std::move(done);
        else
            done(body());
    }
    void finish() { std::exchange(pending, {})(body()); }
};

} // namespace corvane::test
