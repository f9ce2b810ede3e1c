// Plays a sound file through the program's player and exits when it has played
// through (0) or failed (1, the reason on standard error). scripts/sound-check records it.
#include "receiving/widgets/MediaSoundPlayer.h"

#include <QGuiApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: sound_play FILE\n");
        return 2;
    }
    corvane::receiving::MediaSoundPlayer player;
    int status = 0;
    QObject::connect(&player, &corvane::receiving::MediaSoundPlayer::finished, &app, [&] { app.exit(status); });
    player.play(QString::fromLocal8Bit(argv[1]), [&](const QString &reason) {
        std::fprintf(stderr, "could not be played: %s\n", qPrintable(reason));
        status = 1;
    });
    QTimer::singleShot(10000, &app, [&] {
        std::fprintf(stderr, "still playing after 10 s\n");
        app.exit(1);
    });
    return app.exec();
}
