#pragma once

#include <QString>

#include <functional>

class QObject;

namespace corvane::addressbook {

// Tests whether an inbox folder exists, off the calling thread, so that folders on slow or
// unreachable shares are tested in parallel while the window keeps working.
class FolderProbe
{
public:
    virtual ~FolderProbe() = default;

    // Starts one test. `answer` runs exactly once, on the thread of `context`, with whether the
    // folder exists; a test that has not answered within the probe's time-out answers false. No
    // answer is given once `context` is destroyed.
    virtual void probe(const QString &folder, const QString &name, QObject *context,
                       std::function<void(bool exists)> answer) = 0;
};

} // namespace corvane::addressbook
