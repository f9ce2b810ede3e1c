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

QString helpTopicPath(const QString &applicationFolder, int context)
{
    return helpFolder(applicationFolder) + QStringLiteral("topic-%1.html").arg(context);
}

QUrl helpUrl(const QString &applicationFolder, int context)
{
    if (context < help::kFirstTopic || context > help::kLastTopic)
        return QUrl::fromLocalFile(helpDocumentPath(applicationFolder));
    return QUrl::fromLocalFile(helpTopicPath(applicationFolder, context));
}

QString helpAnchor(int context)
{
    return QStringLiteral("context-%1").arg(context);
}

} // namespace corvane::shell
