#include "Icons.h"

namespace corvane::shell::icons {

namespace {
QIcon fromResource(const char *name)
{
    return QIcon(QStringLiteral(":/icons/") + QLatin1String(name) + QStringLiteral(".svg"));
}
} // namespace

const QList<QIcon> &navigationImages()
{
    static const QList<QIcon> images{
        fromResource("mail-message-new"), fromResource("address-book-new"),
        fromResource("document-edit"),    fromResource("configure"),
        fromResource("mail-sent"),        fromResource("mail-folder-inbox"),
        fromResource("mail-read"),
    };
    return images;
}

QIcon named(const char *name)
{
    return fromResource(name);
}

QIcon desktopFirst(const char *name)
{
    // A desktop that names no icon theme of its own (a bare X session: "hicolor", which has no
    // action icons) still has the icons of Breeze when it is installed.
    static const bool fallbackSet = [] {
        const QString fallback = QIcon::fallbackThemeName();
        if (fallback.isEmpty() || fallback == QLatin1String("hicolor"))
            QIcon::setFallbackThemeName(QStringLiteral("breeze"));
        return true;
    }();
    Q_UNUSED(fallbackSet);
    return QIcon::fromTheme(QLatin1String(name), fromResource(name));
}

QIcon checkMail()
{
    return fromResource("mail-receive");
}

QIcon help()
{
    return fromResource("help-contents");
}

QIcon deleteItem()
{
    return fromResource("edit-delete");
}

QIcon application()
{
    return fromResource("mail-client");
}

} // namespace corvane::shell::icons
