// corvane-render-icon SVG SIZE PNG: renders the program's icon at one size for the icon theme.
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: corvane-render-icon SVG SIZE PNG\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    const QIcon icon(QString::fromLocal8Bit(argv[1]));
    const QPixmap pixmap = icon.pixmap(QSize(size, size));
    if (pixmap.isNull() || !pixmap.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "corvane-render-icon: could not render %s at %d px\n", argv[1], size);
        return 1;
    }
    return 0;
}
