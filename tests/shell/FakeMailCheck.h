#pragma once

#include "shell/MailCheckController.h"

#include <functional>

namespace corvane::test {

// A mail check that runs a prepared body.
struct FakeRunner : shell::MailCheckRunner
{
    std::function<shell::MailCheckResult()> body = [] { return shell::MailCheckResult{}; };
    int runs = 0;
    shell::MailCheckResult runCheck() override
    {
        ++runs;
        return body();
    }
};

} // namespace corvane::test
