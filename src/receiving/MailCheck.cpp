#include "MailCheck.h"

#include "AttachmentRetrieval.h"
#include "InboxStore.h"
#include "MessageFiles.h"
#include "ReadAhead.h"

#include "addressbook/AddressCollector.h"
#include "platform/ExclusiveRename.h"
#include "platform/FileNames.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace corvane::receiving {

using addressbook::Notice;

namespace {

Notice errorNotice(const QString &text)
{
    return {Notice::Kind::Error, text, false};
}

} // namespace

MailCheck::MailCheck(InboxStore &store, addressbook::AddressCollector &collector, QObject *parent)
    : QObject(parent),
      m_store(store),
      m_collector(collector),
      m_nowMs([] { return QDateTime::currentMSecsSinceEpoch(); })
{
}

QString MailCheck::setAsideName(const QString &fileName)
{
    return fileName + QStringLiteral(".unreadable");
}

CheckResult MailCheck::CheckiExecute(const addressbook::MailSettings &settings)
{
    CheckResult result;
    if (m_running || m_collector.isCollecting()) {
        result.skipped = true;
        return result;
    }
    m_running = true;
    Q_EMIT statusTextChanged(kCheckingMessages);
    Q_EMIT checkiEnabledChanged(false);
    m_taken.clear();
    m_ownInbox = settings.yourInbox;
    m_sinceEvents.start();

    pugi::xml_node messages;
    try {
        const QString &name = settings.yourName;
        if (!platform::isValidFileName(name))
            throw Error(QStringLiteral("Mail cannot be checked: the name \"%1\" cannot be part of a file name. "
                                       "Change Your Name in the settings.")
                            .arg(name));
        const addressbook::RecipientList folders = m_collector.CollectAddresses({name}, true, settings);
        messages = m_store.ensureMessages();
        if (m_store.KnownMessageGuids.isEmpty())
            m_store.seedKnownGuids();
        QSet<QString> scanned;
        for (const addressbook::RecipientEntry &entry : folders) {
            if (entry.Inbox.isEmpty() || scanned.contains(entry.Inbox))
                continue;
            scanned.insert(entry.Inbox);
            scanFolder(entry.Inbox, name, result);
        }
    } catch (const Error &error) {
        result.notices.append(errorNotice(error.message()));
    }

    // Whatever was taken in is saved; only then are its files removed.
    if (m_taken.isEmpty() || m_store.messages() == messages) {
        try {
            if (m_store.document().isActive())
                m_store.save();
            removeTakenFiles(result);
        } catch (const Error &error) {
            result.notices.append(errorNotice(error.message()));
        }
    } else {
        // The store was opened again while the check let events run: what was taken in went
        // with the old document, so the files stay for the next check, which must not take them
        // for second copies.
        m_store.KnownMessageGuids.clear();
    }
    m_taken.clear();

    m_running = false;
    Q_EMIT statusTextChanged(QString());
    Q_EMIT checkiEnabledChanged(true);
    return result;
}

void MailCheck::scanFolder(const QString &folder, const QString &userName, CheckResult &result)
{
    const QList<MessageFile> files = listMessageFiles(folder, userName);
    QStringList paths;
    paths.reserve(files.size());
    for (const MessageFile &entry : files)
        paths.append(entry.path);
    ReadAhead reader(paths);
    for (const QString &path : std::as_const(paths)) {
        letEventsRun();
        FileRead read = reader.next([] { QCoreApplication::processEvents(); });
        if (!m_notRemoved.isEmpty()) {
            const auto known = m_notRemoved.constFind(path);
            if (known != m_notRemoved.constEnd()) {
                if (stampOf(path) == known.value()) {
                    m_taken.append(path); // handled before; only its removal is still due
                    continue;
                }
                m_notRemoved.erase(known);
            }
        }
        if (!read.opened) {
            if (!read.exists)
                continue; // removed meanwhile
            if (noteUnreadable(path, read.error, result))
                continue;
            return; // a sender may still be writing it: the rest of this folder waits
        }
        platform::XmlDocument document;
        try {
            document.loadFromBytes(std::move(read.bytes), path);
        } catch (const XmlError &error) {
            if (noteUnreadable(path, error.message(), result))
                continue;
            return;
        }
        if (!m_unreadable.isEmpty())
            m_unreadable.remove(path);
        takeIn(document, path, folder, result);
        m_taken.append(path);
    }
}

void MailCheck::takeIn(platform::XmlDocument &file, const QString &path, const QString &folder,
                       CheckResult &result)
{
    const pugi::xml_node root = file.root();
    const pugi::xml_node message = root.child("Message");
    const pugi::xml_node system = root.child("System");
    const pugi::xml_attribute guidAttribute = system.attribute("GUID");
    const QString guid = guidAttribute ? QString::fromUtf8(guidAttribute.value()) : QString();

    if (system && guidAttribute && m_store.KnownMessageGuids.contains(guid)) {
        ++result.duplicates;
        if (m_retrieval && message)
            m_retrieval->GetAttach(message, folder, false, m_ownInbox);
        Q_EMIT messageFileHandled(path, guid, false);
        return;
    }

    result.newMail = true;
    if (guidAttribute)
        m_store.KnownMessageGuids.add(guid);
    bool stored = false;
    if (system && message && QString::fromUtf8(system.attribute("Active").value()) != QStringLiteral("True")) {
        const pugi::xml_node copy = m_store.appendMessage(message, guidAttribute ? &guid : nullptr);
        ++result.stored;
        stored = true;
        if (m_retrieval)
            m_retrieval->GetAttach(copy, folder, true, m_ownInbox);
    }
    Q_EMIT messageFileHandled(path, guid, stored);
}

bool MailCheck::noteUnreadable(const QString &path, const QString &reason, CheckResult &result)
{
    const FileStamp stamp = stampOf(path);
    const qint64 now = m_nowMs();
    auto it = m_unreadable.find(path);
    if (it == m_unreadable.end() || !(it->stamp == stamp)) {
        m_unreadable.insert(path, {stamp, now, false});
        return false;
    }
    if (now - it->since < kSetAsideAfterMs || it->reported)
        return false;

    // Unchanged and still unreadable after the grace time: no sender is writing it any more.
    const QFileInfo info(path);
    const QString folder = path.left(path.size() - info.fileName().size());
    QString aside = setAsideName(info.fileName());
    QString reasonText;
    for (int n = 2; n < 1000; ++n) {
        const platform::RenameOutcome outcome =
            platform::renameWithoutReplacing(path, folder + aside, &reasonText);
        if (outcome == platform::RenameOutcome::Done)
            break;
        if (outcome == platform::RenameOutcome::NotSupported) {
            if (!QFileInfo::exists(folder + aside) && QFile::rename(path, folder + aside)) {
                reasonText.clear();
                break;
            }
        } else if (outcome == platform::RenameOutcome::Failed) {
            break;
        }
        aside = setAsideName(info.fileName()) + QString::number(n);
    }
    it->reported = true;
    if (!QFileInfo::exists(path)) {
        m_unreadable.erase(it);
        result.notices.append({Notice::Kind::Warning,
                               QStringLiteral("The message file %1 could not be read and has been moved "
                                              "aside as %2.\n%3")
                                   .arg(QDir::toNativeSeparators(path), aside, reason),
                               false});
        return true;
    }
    result.notices.append(errorNotice(QStringLiteral("The message file %1 cannot be read.\n%2")
                                          .arg(QDir::toNativeSeparators(path), reason)));
    return false;
}

void MailCheck::removeTakenFiles(CheckResult &result)
{
    for (const QString &path : std::as_const(m_taken)) {
        if (QFile::remove(path) || !QFileInfo::exists(path)) {
            ++result.deleted;
            m_notRemoved.remove(path);
        } else {
            // Held open elsewhere (a share answers EBUSY): the next check removes it.
            m_notRemoved.insert(path, stampOf(path));
        }
    }
}

void MailCheck::letEventsRun()
{
    // Often enough to keep the window alive, seldom enough not to cost the check its speed.
    if (m_sinceEvents.elapsed() < 5)
        return;
    QCoreApplication::processEvents();
    m_sinceEvents.start();
}

MailCheck::FileStamp MailCheck::stampOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

} // namespace corvane::receiving
