#pragma once

#include <QString>
#include <QStringList>

namespace corvane::sending {

// The compose pane's state at the moment of sending.
struct Draft
{
    QStringList recipients;      // the chosen names, in list order; a name may appear twice
    QString subject;
    QStringList attachmentPaths; // full paths, in the attachment list's order
    QString rtfBody;             // the editor's whole document as RTF
};

} // namespace corvane::sending
