#pragma once

#include "receiving/NewMailAnnouncement.h"

#include <QObject>

class QAudioOutput;
class QMediaPlayer;

namespace corvane::receiving {

// Plays sound files through Qt Multimedia, one at a time: a new sound replaces one still playing.
class MediaSoundPlayer final : public QObject, public SoundPlayer
{
    Q_OBJECT

public:
    explicit MediaSoundPlayer(QObject *parent = nullptr);
    void play(const QString &file, std::function<void(const QString &reason)> failed) override;

Q_SIGNALS:
    // The sound ended, played through or failed.
    void finished();

private:
    void createPlayer();
    void fail(const QString &reason);

    QMediaPlayer *m_player = nullptr;
    QAudioOutput *m_output = nullptr;
    std::function<void(const QString &)> m_failed;
};

} // namespace corvane::receiving
