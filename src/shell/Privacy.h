#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace corvane::shell {

struct Settings;

// Whether other users of the machine may read the user's mail: a profile folder, store or folder
// of received attachments that the group or others may read (an older profile, or one made by
// hand; what the program makes now is the user's alone). Each is named once a run, in the log and
// to the user; nothing is changed.
class ExposureWarnings
{
public:
    // The places among `paths` that others may read and that were not named before, each logged
    // as a warning, in one text for the user; empty when there are none.
    QString check(const QStringList &paths);

    // The profile folder and, with settings, the three stores and the received attachments'
    // folder they name.
    static QStringList placesOf(const QString &profileFolder, const Settings *settings);

private:
    QSet<QString> m_told;
};

} // namespace corvane::shell
