#include "MessageFileNames.h"

#include "AttachIni.h"

#include "platform/FileIo.h"
#include "platform/FileNames.h"

#include <QRegularExpression>

namespace corvane::core {

namespace {

const QString &extension()
{
    static const QString text = QStringLiteral(".cvm");
    return text;
}

} // namespace

QString messageFileName(const QString &userName, qint64 number)
{
    return userName + QString::number(number) + extension();
}

qint64 messageFileNumber(const QString &fileName, const QString &userName)
{
    const qsizetype digits = fileName.size() - userName.size() - extension().size();
    if (digits < 1 || digits > 18)
        return 0;
    if (!fileName.startsWith(userName, Qt::CaseInsensitive) || !fileName.endsWith(extension(), Qt::CaseInsensitive))
        return 0;
    const QStringView number = QStringView(fileName).mid(userName.size(), digits);
    if (number.front() == u'0')
        return 0;
    qint64 value = 0;
    for (const QChar c : number) {
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool canNameMessageFiles(const QString &userName)
{
    // A device name is a word and one digit, so the first number is the only one that can make one.
    return platform::isValidFileName(userName) && platform::isValidFileName(messageFileName(userName, 1));
}

bool isMailFolderFileName(const QString &name)
{
    static const QRegularExpression messageFile(QStringLiteral("\\d\\.cvm(\\.unreadable\\d*)?$"),
                                                QRegularExpression::CaseInsensitiveOption);
    return name.compare(kAttachIniFileName, Qt::CaseInsensitive) == 0
        || name.startsWith(platform::temporaryFilePrefix(), Qt::CaseInsensitive) || messageFile.match(name).hasMatch();
}

} // namespace corvane::core
