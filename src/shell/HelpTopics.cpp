#include "HelpTopics.h"

#include "platform/Paths.h"

namespace corvane::shell {

QString helpFolder(const QString &applicationFolder)
{
    return applicationFolder + QStringLiteral("help") + platform::nativeSeparator();
}

QString helpDocumentPath(const QString &applicationFolder)
{
    return helpFolder(applicationFolder) + QStringLiteral("corvane.html");
}

QUrl helpUrl(const QString &applicationFolder, int context)
{
    QUrl url = QUrl::fromLocalFile(helpDocumentPath(applicationFolder));
    if (context >= help::kFirstTopic && context <= help::kLastTopic)
        url.setFragment(helpAnchor(context));
    return url;
}

QString helpAnchor(int context)
{
    return QStringLiteral("context-%1").arg(context);
}

} // namespace corvane::shell
