#pragma once

#include "Draft.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace corvane::sending {

inline const QString kKeptDraftFileName = QStringLiteral("Unsent message.json");

// Keeps the message being written in a file of the profile while it is written, so that a crash,
// a logout or a killed process loses at most the last seconds of it. An edit starts a countdown
// (not restarted by further edits); when it runs out, the draft is taken as it is then and written
// on a worker, atomically, so typing never waits for the disk. A draft with nothing of the user's
// in it (just sent, cleared or filled from a stored message) removes the file.
class DraftKeeper : public QObject
{
    Q_OBJECT

public:
    // The draft as it is now; nothing when it holds no work of the user's.
    using Snapshot = std::function<std::optional<Draft>()>;

    DraftKeeper(QString path, Snapshot snapshot, QObject *parent = nullptr);
    // Waits for a write still running.
    ~DraftKeeper() override;

    // How old the kept file may be behind the editor.
    void setDelay(std::chrono::milliseconds delay) { m_timer.setInterval(delay); }
    // The draft changed: it is written within the delay.
    void noteChange();
    // Writes the draft now and waits for it (the window ends). Throws WriteError.
    void saveNow();
    // Removes the kept file (the user declined it).
    void discard();
    const QString &path() const { return m_path; }

    // The kept draft in the file, if there is a readable one.
    static std::optional<Draft> read(const QString &path);

private:
    void writeDue();

    QString m_path;
    Snapshot m_snapshot;
    QTimer m_timer;
    bool m_writing = false; // a write runs on the worker
    bool m_again = false;   // a change came while it ran
    QThreadPool m_worker;
};

} // namespace corvane::sending
