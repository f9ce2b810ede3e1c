#include "MessageFiles.h"

#include <QDir>
#include <QDirIterator>

#include <algorithm>

namespace corvane::receiving {

QString messageFileName(const QString &userName, qint64 number)
{
    return userName + QString::number(number) + QStringLiteral(".cvm");
}

qint64 messageFileNumber(const QString &fileName, const QString &userName)
{
    static const QString extension = QStringLiteral(".cvm");
    const qsizetype digits = fileName.size() - userName.size() - extension.size();
    if (digits < 1 || digits > 18)
        return 0;
    if (!fileName.startsWith(userName, Qt::CaseInsensitive)
        || !fileName.endsWith(extension, Qt::CaseInsensitive))
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

Addressee addresseeOf(const QString &fileName, const pugi::xml_node &to, const QString &userName)
{
    bool named = false;
    bool alsoAnother = false;
    for (pugi::xml_node recipient = to.child("Recipient"); recipient; recipient = recipient.next_sibling("Recipient")) {
        const QString name = QString::fromUtf8(recipient.attribute("Name").value());
        if (name.compare(userName, Qt::CaseInsensitive) == 0)
            named = true;
        else if (messageFileNumber(fileName, name) > 0)
            alsoAnother = true;
    }
    if (!named)
        return Addressee::Other;
    return alsoAnother ? Addressee::Shared : Addressee::User;
}

QList<MessageFile> listMessageFiles(const QString &folder, const QString &userName)
{
    QList<MessageFile> files;
    if (userName.isEmpty())
        return files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (const qint64 number = messageFileNumber(name, userName))
            files.append({folder + name, number});
    }
    std::sort(files.begin(), files.end(),
              [](const MessageFile &a, const MessageFile &b) { return a.number < b.number; });
    return files;
}

} // namespace corvane::receiving
