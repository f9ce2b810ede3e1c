#include "MailCheck.h"

#include "AttachmentFiles.h"
#include "AttachmentRetrieval.h"
#include "InboxStore.h"
#include "Logging.h"
#include "MessageFiles.h"

#include "addressbook/AddressCollector.h"
#include "core/Message.h"
#include "core/MessageFileNames.h"
#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/NoReplaceRename.h"
#include "platform/FileNames.h"
#include "platform/FolderLock.h"
#include "platform/Paths.h"
#include "platform/UiThread.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QSet>

#include <algorithm>
#include <exception>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace corvane::receiving {

using core::Notice;

namespace {

Notice errorNotice(Notice::Code code, const QString &text)
{
    return {code, Notice::Kind::Error, text, false};
}

} // namespace

// The inner loop: one file read, its message taken in or noted.
struct MailCheck::FolderScan
{
    // Copies that another user of the To list may hold for this one wait until the user's own
    // files of the folder are in, so that they are taken only for a message still missing.
    struct Parsed
    {
        FileRead read;
        std::unique_ptr<core::ParsedMessageFile> document;
        core::MessageFile message;
    };

    QString folder;
    QList<MessageFile> files;
    std::unique_ptr<ReadAhead> reader;
    qsizetype next = 0; // the index of the file the reader hands out next
    std::vector<Parsed> shared;
};

namespace {

// Work done in one step before the window gets its turn: often enough to keep it alive, seldom
// enough not to cost the check its speed.
constexpr qint64 kStepMs = 5;
// A lock folder this old in the own inbox folder was left by a writer that ended; writers hold it
// for milliseconds, and the margin covers another machine's clock.
constexpr std::chrono::minutes kAbandonedLockAge{10};
// While the check waits for a file, how often it looks whether the read passed its time limit.
constexpr int kLookAtReadMs = 100;

} // namespace

MailCheck::MailCheck(InboxStore &store, addressbook::AddressCollector &collector, QObject *parent)
    : QObject(parent),
      m_store(store),
      m_collector(collector),
      m_nowMs([] { return QDateTime::currentMSecsSinceEpoch(); })
{
    m_readerLate = new QTimer(this);
    m_readerLate->setSingleShot(true);
    m_readerLate->setInterval(kLookAtReadMs);
    connect(m_readerLate, &QTimer::timeout, this, &MailCheck::step);
    m_settleWait = new QTimer(this);
    m_settleWait->setSingleShot(true);
    connect(m_settleWait, &QTimer::timeout, this, &MailCheck::settled);
}

MailCheck::~MailCheck() = default;

QString MailCheck::setAsideName(const QString &fileName)
{
    return fileName + QStringLiteral(".unreadable");
}

bool MailCheck::start(const addressbook::MailSettings &settings)
{
    if (m_running || m_collector.isRunning())
        return false;
    m_running = true;
    m_cancelled = false;
    m_result = {};
    m_settings = settings;
    m_folders.clear();
    m_scan.reset();
    m_taken.clear();
    m_settling.clear();
    // Mail taken into a store that cannot be saved would be lost with its deleted files.
    if (m_store.isReadOnly()) {
        m_result.notices.append(errorNotice(Notice::Code::StoreReadOnly, m_store.readOnlyReason()));
        m_phase = Phase::Refused;
    } else {
        m_phase = Phase::Collecting;
        Q_EMIT statusTextChanged(checkingMessagesText());
        Q_EMIT checkiEnabledChanged(false);
        m_ownInbox = settings.yourInbox;
        m_storeGeneration = m_store.generation();
        // In a drop box only its owner can clear a lock that a sender which died left there.
        if (const QString own = m_ownInbox; !own.isEmpty())
            m_removals.start([own] { platform::removeAbandonedFolderLock(own, kAbandonedLockAge); });
    }
    scheduleStep();
    return true;
}

void MailCheck::cancel()
{
    if (!m_running)
        return;
    m_cancelled = true;
    scheduleStep();
}

void MailCheck::scheduleStep()
{
    if (std::exchange(m_stepQueued, true))
        return;
    QMetaObject::invokeMethod(this, [this] {
        m_stepQueued = false;
        step();
    }, Qt::QueuedConnection);
}

void MailCheck::step()
{
    if (!m_running || m_phase == Phase::Removing)
        return;
    if (m_phase == Phase::Settling) {
        if (m_cancelled) {
            m_settleWait->stop();
            m_settling.clear();
            ended();
        }
        return;
    }
    m_readerLate->stop();
    if (m_phase == Phase::Refused) {
        finish();
        return;
    }
    try {
        if (m_cancelled) {
            end();
            return;
        }
        if (m_phase == Phase::Collecting) {
            collectFolders();
            return;
        }
        if (m_phase == Phase::WaitingForFolders)
            return;
        if (m_phase == Phase::FoldersFound) {
            // A store loaded while the folders were being found is the one to append to.
            m_storeGeneration = m_store.generation();
            m_store.ensureMessages();
            m_store.ensureProperties();
            m_phase = Phase::Scanning;
            scheduleStep();
            return;
        }
        switch (scanSlice()) {
        case Progress::More:
            scheduleStep();
            return;
        case Progress::Waiting:
            m_readerLate->start(); // the reader wakes the check sooner when the file comes
            return;
        case Progress::Done:
            break;
        }
    } catch (const std::exception &error) {
        const auto *own = dynamic_cast<const Error *>(&error);
        m_result.notices.append(errorNotice(Notice::Code::CheckFailed,
                                            own ? own->message() : QString::fromLocal8Bit(error.what())));
    }
    end();
}

void MailCheck::collectFolders()
{
    const QString &name = m_settings.yourName;
    if (!core::canNameMessageFiles(name))
        throw Error(tr("Mail cannot be checked: the name \"%1\" cannot be part of a file name. "
                       "Change Your Name in the settings.")
                        .arg(name));
    const QMetaObject::Connection collected = connect(
        &m_collector, &addressbook::AddressCollector::finished, this,
        [this](const addressbook::Collection &found) { foldersCollected(found.recipients); },
        Qt::SingleShotConnection);
    if (const std::optional<Notice> refused = m_collector.start({name}, true, m_settings)) {
        disconnect(collected);
        throw Error(refused->text);
    }
    m_phase = Phase::WaitingForFolders;
}

void MailCheck::foldersCollected(const addressbook::RecipientList &folders)
{
    // A check cancelled while the folders were being found has ended already.
    if (!m_running || m_phase != Phase::WaitingForFolders)
        return;
    for (const addressbook::RecipientEntry &entry : folders) {
        if (!entry.Inbox.isEmpty() && !m_folders.contains(entry.Inbox))
            m_folders.append(entry.Inbox);
    }
    m_phase = Phase::FoldersFound;
    scheduleStep();
}

MailCheck::Progress MailCheck::scanSlice()
{
    QElapsedTimer slice;
    slice.start();
    do {
        if (!m_scan) {
            if (m_folders.isEmpty() || storeReplaced())
                return Progress::Done;
            openFolder(m_folders.takeFirst());
            continue;
        }
        if (m_scan->next == m_scan->files.size()) {
            const FileOutcome outcome = finishFolder();
            m_scan.reset();
            if (outcome == FileOutcome::CheckEnds)
                return Progress::Done;
            continue;
        }
        std::optional<FileRead> read = m_scan->reader->tryNext();
        if (!read)
            return Progress::Waiting;
        if (takeFile(std::move(*read)) == FileOutcome::CheckEnds)
            return Progress::Done;
    } while (slice.elapsed() < kStepMs);
    return Progress::More;
}

void MailCheck::openFolder(const QString &folder)
{
    m_scan = std::make_unique<FolderScan>();
    m_scan->folder = folder;
    m_scan->files = listMessageFiles(folder, m_settings.yourName);
    QStringList paths;
    paths.reserve(m_scan->files.size());
    for (const MessageFile &entry : std::as_const(m_scan->files))
        paths.append(entry.path);
    ReadAhead::Options options;
    options.readFile = m_readFile;
    // Called on the reader's thread, never after the reader has gone: a step is posted here.
    options.wake = [this] { QMetaObject::invokeMethod(this, &MailCheck::step, Qt::QueuedConnection); };
    m_scan->reader = std::make_unique<ReadAhead>(std::move(paths), std::move(options));
}

MailCheck::FileOutcome MailCheck::takeFile(FileRead read)
{
    CheckResult &result = m_result;
    const qsizetype index = m_scan->next++; // one file read per path, in order
    if (storeReplaced())
        return FileOutcome::CheckEnds;
    if (!read.opened) {
        switch (read.refusal) {
        case FileRead::Refusal::NotAFile:
            noteNotAFile(read); // never a message: left where it is, the user told when it lasts
            noteUnopenable(read, result);
            break;
        case FileRead::Refusal::TooLarge:
            noteUnreadable(read, read.error, SetAside::AtOnce, result); // never read into memory
            break;
        case FileRead::Refusal::TimedOut:
            qCWarning(lcReceiving, "skipped %s for this check: %s",
                      qUtf8Printable(QDir::toNativeSeparators(read.path)), qUtf8Printable(read.error));
            noteUnopenable(read, result);
            break;
        case FileRead::Refusal::None:
            if (read.exists)
                noteUnopenable(read, result); // a passing fault of the share, as a rule
            break;
        }
        return FileOutcome::Next;
    }
    if (!m_unopenable.isEmpty())
        m_unopenable.remove(read.path);
    if (!m_notRemoved.isEmpty()) {
        const auto known = m_notRemoved.constFind(read.path);
        if (known != m_notRemoved.constEnd()) {
            if (read.identity == known.value()) {
                m_taken.append({read.path, read.identity}); // handled before; only its removal is due
                return FileOutcome::Next;
            }
            m_notRemoved.erase(known);
        }
    }
    auto document = std::make_unique<core::ParsedMessageFile>();
    try {
        document->loadFromBytes(std::move(read.bytes), read.path);
    } catch (const XmlError &error) {
        // A sender may still be writing it; the files after it are taken all the same.
        noteUnreadable(read, error.message(), SetAside::WhenSettled, result);
        return FileOutcome::Next;
    }
    if (!m_unreadable.isEmpty())
        m_unreadable.remove(read.path);
    const QString &fileName = m_scan->files.at(index).name;
    // The body stays in the document: the store copies the Message element as it is.
    core::MessageFile parsed = document->read(core::MessageParts::WithoutBody);
    const QStringList to = parsed.message ? parsed.message->to : QStringList();
    switch (addresseeOf(fileName, to, m_settings.yourName)) {
    case Addressee::Nobody:
        // Written whole (it parses), yet a message for nobody: one cut short, or none at all.
        noteUnreadable(read, QStringLiteral("it names no recipient"), SetAside::AtOnce, result);
        break;
    case Addressee::Other:
        break; // another user's whose name starts with this one's: left where it is
    case Addressee::Shared:
        m_scan->shared.push_back({std::move(read), std::move(document), std::move(parsed)});
        break;
    case Addressee::User:
        handle(*document, parsed, read, m_scan->folder, false, result);
        break;
    }
    return FileOutcome::Next;
}

MailCheck::FileOutcome MailCheck::finishFolder()
{
    const QString &folder = m_scan->folder;
    QSet<QString> sharedHere;
    for (const FolderScan::Parsed &copy : m_scan->shared) {
        if (storeReplaced())
            return FileOutcome::CheckEnds;
        sharedHere.insert(copy.read.path);
        handle(*copy.document, copy.message, copy.read, folder, true, m_result);
    }
    // Copies gone from the folder (taken by the other user) are forgotten.
    m_sharedSeen.removeIf([&](const auto &entry) {
        return entry.key().startsWith(folder) && !sharedHere.contains(entry.key());
    });
    return FileOutcome::Next;
}

void MailCheck::end()
{
    m_scan.reset();
    m_folders.clear();
    // Whatever was taken in is saved; only then are its files removed. When the store was loaded
    // again while the check let events run, what was taken in went with the old document: the
    // files stay for the next check, which no longer knows their messages.
    QList<Taken> toRemove;
    if (m_taken.isEmpty() || !storeReplaced()) {
        try {
            if (m_store.isActive())
                m_store.save();
            toRemove = m_taken;
        } catch (const Error &error) {
            m_result.notices.append(errorNotice(Notice::Code::CheckFailed, error.message()));
        }
    }
    m_taken.clear();
    if (toRemove.isEmpty()) {
        settle();
        return;
    }
    m_phase = Phase::Removing;
    platform::startOnWorker(
        m_removals, this, [toRemove] { return removeFiles(toRemove); },
        [this, toRemove](auto outcome) { removalsDone(toRemove, outcome()); });
}

std::vector<MailCheck::Removal> MailCheck::removeFiles(const QList<Taken> &taken)
{
    std::vector<Removal> outcomes(size_t(taken.size()), Removal::Held);
    QThreadPool removers;
    removers.setMaxThreadCount(8);
    for (qsizetype i = 0; i < taken.size(); ++i) {
        removers.start([&taken, &outcomes, i] {
            const Taken &file = taken[i];
            const FileIdentity now = FileIdentity::ofPath(file.path);
            // Another file under the name (a sender reused the freed number, or a second
            // installation took the one read): it is the next check's to read.
            if (now.exists() && now != file.identity)
                outcomes[size_t(i)] = Removal::Replaced;
            else if (QFile::remove(file.path) || platform::isKnownMissing(file.path))
                outcomes[size_t(i)] = Removal::Removed;
        });
    }
    removers.waitForDone();
    return outcomes;
}

void MailCheck::removalsDone(const QList<Taken> &taken, const std::vector<Removal> &outcomes)
{
    for (qsizetype i = 0; i < taken.size(); ++i) {
        const Taken &file = taken[i];
        switch (outcomes[size_t(i)]) {
        case Removal::Removed:
            qCDebug(lcReceiving, "took %s", qUtf8Printable(QDir::toNativeSeparators(file.path)));
            ++m_result.deleted;
            m_notRemoved.remove(file.path);
            break;
        case Removal::Replaced:
            m_notRemoved.remove(file.path);
            break;
        case Removal::Held:
            // Held open elsewhere (a share answers EBUSY): the next check removes it.
            m_notRemoved.insert(file.path, file.identity);
            break;
        }
    }
    settle();
}

void MailCheck::settle()
{
    if (m_cancelled)
        m_settling.clear();
    if (m_settling.isEmpty()) {
        ended();
        return;
    }
    m_phase = Phase::Settling;
    Q_EMIT statusTextChanged(waitingForFileText(QFileInfo(m_settling.constFirst().path).fileName()));
    qint64 until = 0;
    for (const Settling &file : std::as_const(m_settling))
        until = std::max(until, m_unreadable.value(file.path).since + kSettledMs);
    m_settleWait->start(int(std::clamp<qint64>(until - m_nowMs(), 0, kSettledMs)));
}

void MailCheck::settled()
{
    if (m_phase != Phase::Settling)
        return;
    const QList<Settling> settling = std::exchange(m_settling, {});
    const qint64 now = m_nowMs();
    for (const Settling &file : settling) {
        const auto it = m_unreadable.find(file.path);
        if (it == m_unreadable.end() || it->identity != file.identity)
            continue; // read well, or set aside, meanwhile
        const FileIdentity identity = FileIdentity::ofPath(file.path);
        if (identity == file.identity) {
            moveAside(file.path, file.reason, m_result); // no sender is writing it
        } else if (!identity.exists()) {
            m_unreadable.erase(it);
        } else {
            // Still being written: it is given the longer wait, and holds nothing up meanwhile.
            it->identity = identity;
            it->since = now;
            it->grew = true;
        }
    }
    ended();
}

void MailCheck::ended()
{
    Q_EMIT statusTextChanged(QString());
    Q_EMIT checkiEnabledChanged(true);
    finish();
}

void MailCheck::finish()
{
    m_phase = Phase::Idle;
    m_running = false;
    const CheckResult result = std::exchange(m_result, {});
    Q_EMIT finished(result);
}

bool MailCheck::storeReplaced() const
{
    return m_store.generation() != m_storeGeneration;
}

void MailCheck::handle(const core::ParsedMessageFile &file, const core::MessageFile &parsed, const FileRead &read,
                       const QString &folder, bool shared, CheckResult &result)
{
    if (shared) {
        // Either copy serves, as every copy of a send is the same; one already taken in means
        // this copy may be the other user's.
        if (parsed.guid && m_store.knownMessageGuids().contains(*parsed.guid)) {
            m_sharedSeen.remove(read.path);
            return;
        }
        // Taken too early, it could be the other user's while the user's own copy, written a
        // moment later under a name of its own, would then go as a second copy.
        const qint64 now = m_nowMs();
        const auto seen = m_sharedSeen.find(read.path);
        if (seen == m_sharedSeen.end() || seen->identity != read.identity) {
            m_sharedSeen.insert(read.path, {read.identity, now});
            return;
        }
        if (now - seen->since < kSharedSettleMs)
            return;
        m_sharedSeen.erase(seen);
    }
    takeIn(file, parsed, read.path, folder, result);
    m_taken.append({read.path, read.identity});
}

void MailCheck::takeIn(const core::ParsedMessageFile &file, const core::MessageFile &parsed, const QString &path,
                       const QString &folder, CheckResult &result)
{
    const QString guid = parsed.guid.value_or(QString());
    KnownMessageGuids &known = m_store.knownMessageGuids();

    if (parsed.guid && known.contains(guid)) {
        ++result.duplicates;
        if (m_retrieval && parsed.message)
            m_retrieval->GetAttach(parsed.message->attachmentNames(), folder, false, m_ownInbox, {}, {});
        Q_EMIT messageFileHandled(path, guid, false);
        return;
    }

    result.newMail = true;
    if (parsed.guid)
        known.add(guid);
    bool stored = false;
    if (parsed.hasSystem && parsed.message && !parsed.active) {
        // The store keeps the Message element as the sender wrote it, with its own attributes.
        const QString keptIn = m_store.appendMessage(file, parsed.guid ? &guid : nullptr);
        ++result.stored;
        stored = true;
        if (m_retrieval) {
            const QStringList names = parsed.message->attachmentNames();
            m_retrieval->GetAttach(names, folder, true, m_ownInbox, messageAttachmentFolder(m_settings.inboxData, keptIn),
                                   m_store.inboxFolderClaims(names));
        }
    }
    Q_EMIT messageFileHandled(path, guid, stored);
}

void MailCheck::noteUnopenable(const FileRead &read, CheckResult &result)
{
    const qint64 now = m_nowMs();
    auto it = m_unopenable.find(read.path);
    if (it == m_unopenable.end()) {
        m_unopenable.insert(read.path, {now, false});
        return;
    }
    if (it->reported || now - it->since < kSetAsideAfterMs)
        return;
    // Not a passing fault after all: the user may have to see to the share. The file stays.
    it->reported = true;
    result.notices.append(errorNotice(Notice::Code::MessageFileUnopenable,
                                      tr("The message file %1 cannot be opened.\n%2")
                                          .arg(QDir::toNativeSeparators(read.path), read.error)));
}

void MailCheck::noteNotAFile(const FileRead &read)
{
    if (m_notAFile.contains(read.path))
        return;
    m_notAFile.insert(read.path);
    qCWarning(lcReceiving, "left %s alone: %s", qUtf8Printable(QDir::toNativeSeparators(read.path)),
              qUtf8Printable(read.error));
}

bool MailCheck::noteUnreadable(const FileRead &read, const QString &reason, SetAside when, CheckResult &result)
{
    const QString &path = read.path;
    const qint64 now = m_nowMs();
    auto it = m_unreadable.find(path);
    if (it == m_unreadable.end()) {
        m_unreadable.insert(path, {read.identity, now, false, false});
        if (when == SetAside::WhenSettled) {
            m_settling.append({path, read.identity, reason}); // looked at again at the end of the check
            return false;
        }
    } else if (it->identity != read.identity) {
        // Changed since it was last read: a sender may be writing it slowly.
        it->identity = read.identity;
        it->since = now;
        it->grew = true;
        if (when == SetAside::WhenSettled)
            return false;
    } else if (when == SetAside::WhenSettled) {
        if (now - it->since < (it->grew ? kSetAsideAfterMs : kSettledMs)) {
            if (!it->grew)
                m_settling.append({path, read.identity, reason});
            return false;
        }
        if (FileIdentity::ofPath(path) != read.identity)
            return false; // changing right now: the next read sees it grow
    }
    return moveAside(path, reason, result);
}

bool MailCheck::moveAside(const QString &path, const QString &reason, CheckResult &result)
{
    const QFileInfo info(path);
    const QString folder = path.left(path.size() - info.fileName().size());
    QString aside = setAsideName(info.fileName());
    QString reasonText;
    for (int n = 2; n < 1000; ++n) {
        const QString target = platform::joinPath(folder, aside);
        const platform::RenameOutcome outcome = platform::renameWithoutReplacing(path, target, &reasonText);
        if (outcome == platform::RenameOutcome::Done)
            break;
        if (outcome == platform::RenameOutcome::NotSupported) {
            if (!QFileInfo::exists(target) && QFile::rename(path, target)) {
                reasonText.clear();
                break;
            }
        } else if (outcome == platform::RenameOutcome::Failed) {
            break;
        }
        aside = setAsideName(info.fileName()) + QString::number(n);
    }
    const auto it = m_unreadable.find(path);
    if (!QFileInfo::exists(path)) {
        if (it != m_unreadable.end())
            m_unreadable.erase(it);
        qCWarning(lcReceiving, "set aside %s as %s: %s", qUtf8Printable(QDir::toNativeSeparators(path)),
                  qUtf8Printable(aside), qUtf8Printable(reason));
        result.notices.append({Notice::Code::MessageFileSetAside, Notice::Kind::Warning,
                               tr("%1 is not a message and has been moved aside as %2.")
                                   .arg(QDir::toNativeSeparators(path), aside),
                               false});
        return true;
    }
    // Moving it aside failed: tried again at the next check; the user is told once.
    if (it != m_unreadable.end() && !it->reported) {
        it->reported = true;
        result.notices.append(errorNotice(Notice::Code::MessageFileUnreadable,
                                          tr("The message file %1 cannot be read.\n%2")
                                              .arg(QDir::toNativeSeparators(path), reason)));
    }
    return false;
}

} // namespace corvane::receiving
