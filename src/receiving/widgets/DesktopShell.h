#pragma once

#include "receiving/MailReading.h"

namespace corvane::receiving {

// The reader's desktop: files and folders open with the programs the desktop associates with them.
// Where the desktop's opener (xdg-open) is found it runs on its own, and an opening it could not
// do (its exit code says so) reaches openFailed.
class DesktopShell final : public Desktop
{
public:
    void openFile(const QString &path, const QString &workingFolder) override;
    void openFolder(const QString &folder) override;

private:
    // Opens the file or folder; failure is the text for the user when no program opened it.
    void open(const QString &path, const QString &failure);
};

} // namespace corvane::receiving
