#include "CliCommands.h"

#include "CliInit.h"
#include "CliProfile.h"
#include "VisibleText.h"

#include "core/Truth.h"
#include "shell/ProgramFolders.h"

#include "core/MessageFileNames.h"
#include "receiving/AttachmentFiles.h"
#include "sending/DeliveryWatch.h"
#include "sending/MakeMessage.h"
#include "platform/FileIo.h"
#include "platform/FileNames.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"
#include "platform/Version.h"
#include "richtext/RtfPlainText.h"
#include "sending/RecipientCheck.h"
#include "spell/SpellChecker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace corvane::cli {

namespace {

using core::Notice;

constexpr qint64 kMaxBodyFileBytes = 64 * 1024 * 1024;

// Text that others wrote, made safe to print (see VisibleText.h).
QString field(const QString &text)
{
    return visibleText(text, TextKind::Field);
}

QString diagnostic(const QString &text)
{
    return visibleText(text, TextKind::Diagnostic);
}

QString bodyRtf(const SendCommand &send)
{
    if (send.bodyFile) {
        const QByteArray bytes = platform::readWholeFile(*send.bodyFile, kMaxBodyFileBytes);
        if (send.bodyFile->endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive))
            return QString::fromLatin1(bytes); // RTF is 7-bit text; keep every byte as it is
        return QString::fromLatin1(richtext::plainTextToRtf(QString::fromUtf8(bytes)));
    }
    return QString::fromLatin1(richtext::plainTextToRtf(send.body.value_or(QString())));
}

// Attachment copies run in the background and may fail while the command still runs (the event
// loop turns while a send delivers): their failures are reported, as notices, from the start of
// the command.
class CopyProblems
{
public:
    CopyProblems(CliProfile &profile, QTextStream &out, QTextStream &err) : m_copies(profile.mail().copies)
    {
        m_connection = QObject::connect(&m_copies, &platform::BackgroundCopies::failed, &m_copies,
                                        [this, &out, &err](const platform::CopyFailure &failure) {
                                            if (reportNotices({shell::copyFailedNotice(failure)}, out, err))
                                                m_failed = true;
                                        });
    }
    ~CopyProblems() { QObject::disconnect(m_connection); }
    CopyProblems(const CopyProblems &) = delete;
    CopyProblems &operator=(const CopyProblems &) = delete;

    // Runs the application's event loop until the copies have finished; false when any failed.
    bool waitForCopies()
    {
        if (m_copies.running() > 0) {
            const QMetaObject::Connection quit =
                QObject::connect(&m_copies, &platform::BackgroundCopies::finished, QCoreApplication::instance(),
                                 &QCoreApplication::quit);
            QCoreApplication::exec();
            QObject::disconnect(quit);
        }
        return !m_failed;
    }

private:
    platform::BackgroundCopies &m_copies;
    QMetaObject::Connection m_connection;
    bool m_failed = false;
};

// Runs the application's event loop until an operation that has started ends, and returns what its
// finished signal carried. An operation finishes only from the event loop, so connecting after
// its start misses nothing.
template <typename Result, typename Operation, typename Signal>
Result runUntilFinished(Operation &operation, Signal finished)
{
    Result result;
    QObject::connect(
        &operation, finished, &operation,
        [&result](const Result &ended) {
            result = ended;
            QCoreApplication::exit(0);
        },
        Qt::SingleShotConnection);
    QCoreApplication::exec();
    return result;
}

// Sends the draft as the window's Send does; the profile is open for writing.
int sendDraft(CliProfile &profile, const sending::Draft &draft, QTextStream &out, QTextStream &err)
{
    // Names the address book lacks get no message file: said first, and the run fails for them.
    const QList<sending::UnknownRecipient> unknown =
        sending::unknownRecipients(draft.recipients, profile.mail().addresses.entries());
    if (!unknown.isEmpty())
        err << sending::unknownRecipientsText(unknown) << '\n';
    CopyProblems copyProblems(profile, out, err);
    profile.mail().outgoing.NewGuidNeeded = true; // every run of the tool sends a new message
    sending::SendAction &action = profile.mail().send;
    if (!action.SendiExecute(draft, profile.mailSettings()))
        throw CliError(QCoreApplication::translate("CliCommands", "A send is already running.")); // nothing else runs in the tool
    const auto result = runUntilFinished<sending::SendResult>(action, &sending::SendAction::finished);
    const bool noticeFailed = reportNotices(result.notices, out, err);
    const bool copiesDone = copyProblems.waitForCopies();
    if (!result.delivered)
        return kFailure;
    // A target that could not be written is a failure for a script, though the others got the message.
    const bool everyTarget = result.delivery.failedTargets.isEmpty();
    return noticeFailed || !copiesDone || !everyTarget || !unknown.isEmpty() ? kFailure : kSuccess;
}

int send(CliProfile &profile, const SendCommand &command, QTextStream &out, QTextStream &err)
{
    sending::Draft draft;
    draft.recipients = command.to;
    draft.subject = command.subject;
    for (const QString &path : command.attachments) {
        const QFileInfo info(path);
        if (!info.isFile())
            throw CliError(QCoreApplication::translate("CliCommands", "The attachment %1 does not exist.").arg(path));
        draft.attachmentPaths.append(QDir::toNativeSeparators(info.absoluteFilePath()));
    }
    draft.rtfBody = bodyRtf(command);

    profile.openForWriting();
    return sendDraft(profile, draft, out, err);
}

// The received file of each attachment of the stored message, as the reader opens it.
sending::ReceivedFile receivedFiles(const CliProfile &profile, const core::Message &message)
{
    return [places = shell::attachmentPlacesFrom(profile.settings()), kept = receiving::keptFilesOf(message)](const QString &name) {
        return receiving::attachmentFile(places, kept, name);
    };
}

// Why a message number is refused: the store holds fewer.
QString noSuchMessage(int number, bool sent, int count)
{
    return sent ? QCoreApplication::translate("CliCommands", "There is no message %1: Sent Items holds %2.").arg(number).arg(count)
                : QCoreApplication::translate("CliCommands", "There is no message %1: the inbox holds %2.").arg(number).arg(count);
}

void checkInboxNumber(CliProfile &profile, int number)
{
    const int count = profile.mail().inbox.count();
    if (number > count)
        throw CliError(noSuchMessage(number, false, count));
}

int forward(CliProfile &profile, const ForwardCommand &command, QTextStream &out, QTextStream &err)
{
    profile.openForWriting();
    checkInboxNumber(profile, command.number);
    const core::Message message = profile.mail().inbox.message(command.number - 1);
    const sending::MadeMessage made =
        sending::MakeMessage(sending::storedMessage(message), sending::MakeMode::Forward, receivedFiles(profile, message));
    if (made.notice && reportNotices({*made.notice}, out, err))
        return kFailure;
    for (const QString &path : made.attachmentPaths)
        if (!QFileInfo(path).isFile())
            throw CliError(QCoreApplication::translate("CliCommands", "The attachment %1 is missing: it may not have been fetched yet, or it was "
                                          "moved or deleted.")
                               .arg(QDir::toNativeSeparators(path)));
    sending::Draft draft;
    draft.recipients = command.to;
    draft.subject = made.subject;
    draft.attachmentPaths = made.attachmentPaths;
    // The tool writes plain text: the user's lines, then the quoted header and the original text.
    QString text = command.body.value_or(QString());
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    text += u'\n' + made.quotedHeader + richtext::rtfToPlainText(made.rtfBody);
    draft.rtfBody = QString::fromLatin1(richtext::plainTextToRtf(text));
    return sendDraft(profile, draft, out, err);
}

int check(CliProfile &profile, QTextStream &out, QTextStream &err)
{
    profile.openForWriting();
    CopyProblems copyProblems(profile, out, err);
    receiving::MailCheck &mailCheck = profile.mail().check;
    receiving::CheckResult result;
    if (mailCheck.start(profile.mailSettings()))
        result = runUntilFinished<receiving::CheckResult>(mailCheck, &receiving::MailCheck::finished);
    const bool copiesDone = copyProblems.waitForCopies();
    out << result.stored << " new\n";
    const bool failed = reportNotices(result.notices, out, err);
    return failed || !copiesDone ? kFailure : kSuccess;
}

int list(CliProfile &profile, const ListCommand &command, QTextStream &out)
{
    profile.openForReading();
    if (command.sent) {
        for (const sending::SentRow &row : profile.mail().sent.rows())
            out << row.number << '\t' << field(row.to) << '\t' << field(row.subject) << '\t'
                << field(row.attachments) << '\t' << field(row.date) << '\t'
                << field(row.delivery ? sending::deliveryTextNow(*row.delivery) : QString()) << '\n';
        return kSuccess;
    }
    for (const receiving::InboxRow &row : profile.mail().inbox.rows())
        out << row.number << '\t' << field(row.from) << '\t' << field(row.subject) << '\t' << field(row.attachments)
            << '\t' << field(row.date) << '\t' << field(row.read) << '\n';
    return kSuccess;
}

int show(CliProfile &profile, const ShowCommand &command, QTextStream &out)
{
    profile.openForReading();
    const int count = command.sent ? profile.mail().sent.count() : profile.mail().inbox.count();
    if (command.number > count)
        throw CliError(noSuchMessage(command.number, command.sent, count));
    const core::Message m = command.sent ? profile.mail().sent.message(command.number - 1)
                                         : profile.mail().inbox.message(command.number - 1);
    const QString separator = QStringLiteral(", ");
    out << "From: " << field(m.from) << '\n'
        << "To: " << field(m.to.join(separator)) << '\n'
        << "Subject: " << field(m.subject) << '\n'
        << "Date: " << field(m.date) << '\n'
        << "Attachments: " << field(m.shownAttachmentNames().join(separator)) << '\n';
    if (!command.sent) {
        // Each attachment with the file the window opens for it.
        const sending::ReceivedFile file = receivedFiles(profile, m);
        for (const QString &name : m.attachmentNames()) {
            const QString path = file(name);
            out << "Attachment: " << field(name) << '\t';
            if (path.isEmpty())
                out << "(not a file name)";
            else
                out << field(QDir::toNativeSeparators(path)) << (QFileInfo(path).isFile() ? "" : "\t(missing)");
            out << '\n';
        }
    }
    out << '\n';
    if (command.rtf) {
        out << visibleText(m.bodyRtf, TextKind::Rtf);
    } else {
        const QString text = visibleText(richtext::rtfToPlainText(m.bodyRtf), TextKind::Body);
        out << text;
        if (!text.endsWith(u'\n'))
            out << '\n';
    }
    return kSuccess;
}

platform::RecordStore &messageStore(CliProfile &profile, bool sent)
{
    if (sent)
        return profile.mail().sent;
    return profile.mail().inbox;
}

int deleteMessage(CliProfile &profile, const DeleteCommand &command)
{
    profile.openForWriting();
    platform::RecordStore &store = messageStore(profile, command.sent);
    if (command.number > store.count())
        throw CliError(noSuchMessage(command.number, command.sent, store.count()));
    if (command.sent)
        profile.mail().sent.deleteAt(command.number - 1);
    else
        profile.mail().inbox.deleteAt(command.number - 1);
    // A compaction the deletion started is let finish, so the room comes back now.
    if (store.isCompacting())
        runUntilFinished<bool>(store, &platform::RecordStore::compactionFinished);
    return kSuccess;
}

int compact(CliProfile &profile, const CompactCommand &command, QTextStream &out)
{
    profile.openForWriting();
    platform::RecordStore &store = messageStore(profile, command.sent);
    const qint64 before = store.fileSize();
    // Opening the store starts a compaction by itself once the blanks pass their share: that one
    // is waited for.
    if (!store.isCompacting() && !store.startCompaction()) {
        out << QCoreApplication::translate("CliCommands", "Nothing to compact") << '\n';
        return kSuccess;
    }
    if (!runUntilFinished<bool>(store, &platform::RecordStore::compactionFinished))
        throw CliError(QCoreApplication::translate("CliCommands", "The store was not compacted: it changed meanwhile, or its new file could not be "
                                      "put in place (see --verbose)."));
    out << QCoreApplication::translate("CliCommands", "Compacted %1 to %2 bytes").arg(before).arg(store.fileSize()) << '\n';
    return kSuccess;
}

int addressList(CliProfile &profile, QTextStream &out)
{
    profile.openForReading();
    for (const addressbook::AddressRow &row : profile.mail().addresses.rows())
        out << row.number << '\t' << field(row.entry.Name) << '\t' << field(row.entry.Inbox) << '\t'
            << field(row.entry.Comment) << '\t' << core::truthText(row.entry.Server) << '\n';
    return kSuccess;
}

int addressAdd(CliProfile &profile, const AddressAddCommand &command)
{
    if (!core::canNameMessageFiles(command.name))
        throw CliError(QCoreApplication::translate("CliCommands", "The name \"%1\" cannot be used: names become parts of file names, so "
                                      "they may not contain \\ / : * ? \" < > |, control characters, a "
                                      "trailing dot or space, or be a device name such as CON.")
                           .arg(command.name));
    QString inbox = command.inbox;
    if (!inbox.isEmpty())
        inbox = platform::withTrailingSeparator(QDir::toNativeSeparators(inbox));
    profile.openForWriting();
    profile.mail().addresses.append({command.name, inbox, command.comment, command.server});
    return kSuccess;
}

int addressRemove(CliProfile &profile, const AddressRemoveCommand &command)
{
    profile.openForWriting();
    const int count = profile.mail().addresses.count();
    if (command.number > count)
        throw CliError(QCoreApplication::translate("CliCommands", "There is no address %1: the address book holds %2.").arg(command.number).arg(count));
    profile.mail().addresses.remove(command.number - 1);
    return kSuccess;
}

// Checks a file with the profile's dictionaries, without changing them. Positions count characters
// of the file's text (for RTF, of its plain text).
int spellCheck(CliProfile &profile, const SpellCommand &command, QTextStream &out)
{
    const QByteArray bytes = platform::readWholeFile(command.file, kMaxBodyFileBytes);
    const QString text = command.file.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive) || bytes.startsWith("{\\rtf")
                             ? richtext::rtfToPlainText(bytes)
                             : platform::decodeUtf8OrWindows1252(bytes);
    spell::SpellChecker checker;
    checker.Dictionary = profile.settings().mainDictionary;
    checker.CustomDictionary = profile.settings().customDictionary;
    // A profile without its own main dictionary uses the one shipped with the tool.
    const QString installed = shell::installedDataFolder(platform::programFolder());
    const QString shipped =
        platform::joinPath(installed.isEmpty() ? platform::programFolder() : installed, QStringLiteral("Corvane.dic"));
    if (checker.Dictionary == shell::Settings::defaults(profile.folder()).mainDictionary
        && !platform::fileExists(checker.Dictionary))
        checker.Dictionary = shipped;
    const int limit = std::clamp(profile.settings().maxSuggestions, 0, 99999);
    const QList<spell::SpellChecker::Unknown> unknown = checker.unknownWords(text);
    for (const spell::SpellChecker::Unknown &u : unknown) {
        const QString word = text.mid(u.position, u.length);
        out << u.position << '\t' << field(word) << '\t' << field(checker.suggestions(word, limit).join(QStringLiteral(", ")))
            << '\n';
    }
    return unknown.isEmpty() ? kSuccess : kFailure;
}

} // namespace

// Decided by the code alone: the texts are the user's and may be reworded or translated.
NoticeOutcome noticeOutcome(const Notice &notice)
{
    using Code = Notice::Code;
    switch (notice.code) {
    case Code::MessagesSent:
        return NoticeOutcome::Result;
    case Code::NewMail:
    case Code::AttachmentsNotForwarded:
    case Code::AttachmentsNotEditable:
        return NoticeOutcome::Note;
    // The message did not reach every recipient, or was not sent at all: a script must know.
    case Code::TargetNotReached:
    case Code::SendRunning:
    case Code::SendWaitsForCheck:
    case Code::NothingToSend:
    case Code::SendRefused:
    case Code::AttachmentUnreadable:
    case Code::AttachmentRefused:
    case Code::SendFailed:
    case Code::StoreReadOnly:
    case Code::CheckFailed:
    case Code::CheckRunning:
    case Code::MessageFileUnopenable:
    case Code::MessageFileUnreadable:
    // Mail in the folder was not taken in; the administrator looks at the file set aside.
    case Code::MessageFileSetAside:
    case Code::CopyFailed:
    case Code::AddressRefused:
    case Code::CollectionRunning:
    case Code::SpellCheckRunning:
    case Code::Unspecified:
        return NoticeOutcome::Failure;
    // The window's own failures; the tool does not meet them, and would fail if it did.
    case Code::ListNotShown:
    case Code::RecordGone:
    case Code::DeleteFailed:
    case Code::NoMessageSelected:
    case Code::MessageNotShown:
    case Code::OpenFailed:
    case Code::ReadMarksNotSaved:
    case Code::DraftNotKept:
    case Code::AddressEditFailed:
    case Code::MessageNotMade:
    case Code::SpellCheckFailed:
    case Code::CustomWordNotAdded:
    case Code::GridActionFailed:
    case Code::SettingsNotSaved:
    case Code::SettingsRefused:
    case Code::SettingsUnreadable:
    case Code::StartupFailed:
    case Code::ProfileUnavailable:
        return NoticeOutcome::Failure;
    }
    return NoticeOutcome::Failure;
}

bool reportNotices(const QList<Notice> &notices, QTextStream &out, QTextStream &err)
{
    bool failed = false;
    for (const Notice &notice : notices) {
        const NoticeOutcome outcome = noticeOutcome(notice);
        if (outcome == NoticeOutcome::Result) {
            out << notice.text << '\n';
            continue;
        }
        err << diagnostic(notice.text) << '\n';
        failed = failed || outcome == NoticeOutcome::Failure;
    }
    return failed;
}

int runCommand(const Invocation &invocation, const QString &defaultProfile, QTextStream &out, QTextStream &err)
{
    try {
        if (const auto *help = std::get_if<HelpCommand>(&invocation.command)) {
            out << (help->command.isEmpty() ? usageText() : commandUsage(help->command));
            return kSuccess;
        }
        if (std::holds_alternative<VersionCommand>(invocation.command)) {
            out << QStringLiteral("corvane-cli %1\n").arg(platform::programVersion());
            return kSuccess;
        }
        if (const auto *init = std::get_if<InitCommand>(&invocation.command)) {
            const QString installed = shell::installedDataFolder(platform::programFolder());
            return initProfile(*init, invocation.profile.value_or(defaultProfile),
                               installed.isEmpty() ? platform::programFolder() : installed, out);
        }
        CliProfile profile(invocation.profile.value_or(defaultProfile),
                           [&err](const QString &text) { err << diagnostic(text) << '\n'; });
        return std::visit(
            [&](const auto &command) -> int {
                using T = std::decay_t<decltype(command)>;
                if constexpr (std::is_same_v<T, SendCommand>)
                    return send(profile, command, out, err);
                else if constexpr (std::is_same_v<T, ForwardCommand>)
                    return forward(profile, command, out, err);
                else if constexpr (std::is_same_v<T, CheckCommand>)
                    return check(profile, out, err);
                else if constexpr (std::is_same_v<T, ListCommand>)
                    return list(profile, command, out);
                else if constexpr (std::is_same_v<T, ShowCommand>)
                    return show(profile, command, out);
                else if constexpr (std::is_same_v<T, DeleteCommand>)
                    return deleteMessage(profile, command);
                else if constexpr (std::is_same_v<T, CompactCommand>)
                    return compact(profile, command, out);
                else if constexpr (std::is_same_v<T, AddressListCommand>)
                    return addressList(profile, out);
                else if constexpr (std::is_same_v<T, AddressAddCommand>)
                    return addressAdd(profile, command);
                else if constexpr (std::is_same_v<T, AddressRemoveCommand>)
                    return addressRemove(profile, command);
                else if constexpr (std::is_same_v<T, SpellCommand>)
                    return spellCheck(profile, command, out);
                else
                    return kSuccess;
            },
            invocation.command);
    } catch (const Error &error) {
        err << diagnostic(error.message()) << '\n';
        return kFailure;
    }
}

} // namespace corvane::cli
