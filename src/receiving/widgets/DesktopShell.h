#pragma once

#include "receiving/MailReading.h"

namespace corvane::receiving {

// The reader's desktop: files and folders open with the programs the desktop associates with them.
class DesktopShell final : public Desktop
{
public:
    void openFile(const QString &path, const QString &workingFolder) override;
    void openFolder(const QString &folder) override;
};

} // namespace corvane::receiving
