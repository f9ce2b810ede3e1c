#include "receiving/widgets/MediaSoundPlayer.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>

namespace corvane::receiving {

MediaSoundPlayer::MediaSoundPlayer(QObject *parent) : QObject(parent)
{
}

void MediaSoundPlayer::createPlayer()
{
    // Made on the first sound: a program that never plays one never talks to the sound server.
    m_player = new QMediaPlayer(this);
    m_output = new QAudioOutput(this);
    m_player->setAudioOutput(m_output);
    connect(m_player, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString &text) { fail(text); });
    connect(m_player, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::InvalidMedia)
            fail(m_player->errorString());
        else if (status == QMediaPlayer::EndOfMedia)
            Q_EMIT finished();
    });
}

void MediaSoundPlayer::play(const QString &file, std::function<void(const QString &reason)> failed)
{
    if (!m_player)
        createPlayer();
    m_player->stop();
    m_failed = std::move(failed);
    m_player->setSource(QUrl::fromLocalFile(file));
    m_player->play();
}

void MediaSoundPlayer::fail(const QString &reason)
{
    // Told once per sound, whichever of the player's reports comes first.
    if (std::function<void(const QString &)> failed = std::exchange(m_failed, nullptr))
        failed(reason.isEmpty() ? tr("the sound format is not supported") : reason);
    Q_EMIT finished();
}

} // namespace corvane::receiving
