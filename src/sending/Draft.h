#pragma once

#include <QString>
#include <QStringList>

namespace corvane::sending {

// The compose pane's state. Every edit bumps the revision, so that a send can tell whether the
// message changed while it was waiting.
struct Draft
{
    QStringList recipients;      // the chosen names, in list order; a name may appear twice
    QString subject;
    QStringList attachmentPaths; // full paths, in the attachment list's order
    QString rtfBody;             // the editor's whole document as RTF
    quint64 revision = 0;        // raised by every edit

    // An edit of the compose pane (a key, a changed text, a changed recipient or attachment
    // list, a dialog closed with OK): bumps the revision. The pane also sets NewGuidNeeded.
    void noteEdit() { ++revision; }
};

} // namespace corvane::sending
