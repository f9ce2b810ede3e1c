// Stress test of delivery and mail check: several sender processes write to the inbox folders of
// Ann and Ann1 and to one server folder while Ann and Ann1, in two more processes, check mail in a
// loop. Ann's name starts Ann1's, so each sees the other's files under names that read as its own
// (Ann1's 2nd is Ann12.cvm); Ann checks less often, so that her files pile up to numbers that read
// as Ann1's too. Afterwards every message sent must be in its own user's inbox store exactly once
// and in no other, none lost, no file left over or unreadable.
//
// With --hostile, Ann's inbox folder also holds, under names of her message files, a named pipe
// without a writer, a 2 GB sparse file and a link to /dev/zero: her checks must still end and take
// every real message, set the large file aside unread, leave the others alone, and no checker may
// grow past 200 MB.
//
//   mail_stress run [--senders N] [--messages M] [--roots DIR[,DIR...]] [--hostile]
//
// The roots are paths of one shared folder (for example two mount points of one SMB share, like
// two machines); senders and checkers use them in turn. Without roots a local temporary folder is
// used.
#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "receiving/InboxProbe.h"
#include "receiving/InboxStore.h"
#include "receiving/MailCheck.h"
#include "receiving/MessageFiles.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"

#include "core/MessageFileNames.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"
#include "support/Finished.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace corvane;

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

QString option(const QStringList &args, const QString &name, const QString &fallback = {})
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : fallback;
}

constexpr long kMaxCheckerRssKb = 200 * 1024;

// The files of the --hostile run in Ann's inbox folder.
const char *const kPipe = "Ann900.cvm";
const char *const kHuge = "Ann901.cvm";
const char *const kEndless = "Ann902.cvm";

QString folderIn(const QString &root, const char *name)
{
    return QDir::toNativeSeparators(root + u'/' + QString::fromUtf8(name)) + QDir::separator();
}

// One user's program on the given share root, with its local data in `data`.
struct Program
{
    platform::XmlDocument addressDocument{addressbook::AddressStore::initialContent()};
    addressbook::AddressStore addresses{addressDocument};
    receiving::InboxStore inbox;
    sending::SentStore sent;
    receiving::InboxProbes probes;
    addressbook::AddressCollector collector{addresses, probes};
    sending::OutgoingMessage outgoing;
    sending::SendAction send{outgoing, sent, collector};
    receiving::MailCheck check{inbox, collector};
    addressbook::MailSettings settings;

    Program(const QString &name, const QString &root, const QString &data)
    {
        settings.yourName = name;
        settings.yourInbox = folderIn(root, name.startsWith(QStringLiteral("Sender")) ? "sender" : name.toLower().toUtf8().constData());
        settings.inboxData = settings.sentData = settings.addresses = QDir::toNativeSeparators(data) + QDir::separator();
        addresses.open(addressbook::AddressStore::pathIn(settings.addresses));
        inbox.open(receiving::InboxStore::pathIn(settings.inboxData));
        sent.open(sending::SentStore::pathIn(settings.sentData));
        if (addresses.count() == 0) {
            addresses.append({QStringLiteral("Ann"), folderIn(root, "ann"), {}, false});
            addresses.append({QStringLiteral("Ann1"), folderIn(root, "ann1"), {}, false});
            addresses.append({QStringLiteral("Carl"), folderIn(root, "carl-is-away"), {}, false});
            addresses.append({QStringLiteral("Relay"), folderIn(root, "server"), {}, true});
        }
    }
};

int sender(const QStringList &args)
{
    const QString id = option(args, QStringLiteral("--id"));
    Program program(QStringLiteral("Sender") + id, option(args, QStringLiteral("--root")), option(args, QStringLiteral("--data")));
    const int count = option(args, QStringLiteral("--messages")).toInt();
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        program.outgoing.NewGuidNeeded = true;
        // Carl's folder is missing, so every message also goes through the server folder.
        const QString to = i % 2 == 0 ? QStringLiteral("Ann") : QStringLiteral("Ann1");
        program.send.SendiExecute(
            {{to, QStringLiteral("Carl")}, QStringLiteral("%1-%2").arg(id).arg(i), {}, QStringLiteral("{\\rtf1 x}")},
            program.settings);
        const sending::SendResult result =
            test::nextEmission(program.send, &sending::SendAction::finished).value_or(sending::SendResult{});
        if (!result.notices.isEmpty() && result.notices.last().code == core::Notice::Code::MessagesSent
            && result.notices.size() == 1)
            continue;
        ++failures;
        for (const core::Notice &notice : result.notices)
            err() << "sender " << id << ": " << notice.text << Qt::endl;
        for (const QString &reason : result.delivery.failureReasons)
            err() << "sender " << id << ": " << reason << Qt::endl;
    }
    return failures == 0 ? 0 : 1;
}

int checker(const QStringList &args)
{
    const QString name = option(args, QStringLiteral("--name"));
    Program program(name, option(args, QStringLiteral("--root")), option(args, QStringLiteral("--data")));
    const QString stopFile = option(args, QStringLiteral("--stop"));
    const int pauseMs = option(args, QStringLiteral("--pause"), QStringLiteral("20")).toInt();
    QFile log(option(args, QStringLiteral("--data")) + QStringLiteral("/handled.txt"));
    log.open(QIODevice::WriteOnly | QIODevice::Append);
    QObject::connect(&program.check, &receiving::MailCheck::messageFileHandled, &program.check,
                     [&](const QString &path, const QString &guid) {
                         const QString kind = path.contains(QStringLiteral("server")) ? QStringLiteral("server") : QStringLiteral("inbox");
                         log.write((kind + u'\t' + guid + u'\t' + QFileInfo(path).fileName() + u'\n').toUtf8());
                     });
    const bool hostile = args.contains(QStringLiteral("--hostile"));
    int errors = 0;
    int checks = 0;
    int quietAfterStop = 0;
    while (quietAfterStop < 3) {
        const bool stopping = QFile::exists(stopFile);
        receiving::CheckResult result;
        if (program.check.start(program.settings))
            result = test::nextEmission(program.check, &receiving::MailCheck::finished).value_or(receiving::CheckResult{});
        ++checks;
        for (const core::Notice &notice : result.notices) {
            // The huge file is set aside, and the user told so.
            if (hostile && notice.code == core::Notice::Code::MessageFileSetAside
                && notice.text.contains(QString::fromUtf8(kHuge) + QStringLiteral(".unreadable")))
                continue;
            ++errors;
            err() << "checker " << name << ": " << notice.text << Qt::endl;
        }
        // After the senders are done, a few checks that find nothing end the loop.
        if (stopping)
            quietAfterStop = (result.stored + result.duplicates == 0) ? quietAfterStop + 1 : 0;
        QThread::msleep(stopping ? 300 : pauseMs);
    }
    log.flush();
    struct rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    err() << "checker " << name << ": " << checks << " checks, at most " << usage.ru_maxrss / 1024 << " MB" << Qt::endl;
    if (usage.ru_maxrss > kMaxCheckerRssKb) {
        ++errors;
        err() << "checker " << name << ": grew past " << kMaxCheckerRssKb / 1024 << " MB" << Qt::endl;
    }
    return errors == 0 ? 0 : 1;
}

QStringList guidsOfFiles(const QString &folder, const QString &name, int *unreadable)
{
    QStringList guids;
    for (const receiving::MessageFile &file : receiving::listMessageFiles(folder, name)) {
        platform::XmlDocument document;
        try {
            document.loadFromFile(file.path);
            guids.append(platform::xml::attributeText(document.root().child("System"), "GUID"));
        } catch (const Error &) {
            ++*unreadable;
        }
    }
    return guids;
}

const QStringList &receivers()
{
    static const QStringList names{QStringLiteral("Ann"), QStringLiteral("Ann1")};
    return names;
}

std::unique_ptr<QProcess> startProcess(const QStringList &args)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(QCoreApplication::applicationFilePath(), args);
    return process;
}

// Puts the hostile files into the folder; says which the file system refused.
void putHostileFiles(const QString &folder)
{
    const auto at = [&](const char *name) { return QFile::encodeName(folder + QString::fromUtf8(name)); };
    if (::mkfifo(at(kPipe).constData(), 0600) != 0)
        err() << "no named pipe here: " << std::strerror(errno) << Qt::endl;
    const int huge = ::open(at(kHuge).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (huge < 0 || ::ftruncate(huge, qint64(2) << 30) != 0)
        err() << "no sparse file here: " << std::strerror(errno) << Qt::endl;
    if (huge >= 0)
        ::close(huge);
    if (::symlink("/dev/zero", at(kEndless).constData()) != 0)
        err() << "no link here: " << std::strerror(errno) << Qt::endl;
}

// Whether the checks left the pipe and the link alone and set the huge file aside unread; then
// removes them all, so that the tally below sees only mail.
bool hostileFilesHandledAndRemoved(const QString &folder)
{
    const auto at = [&](const QString &name) { return QFile::encodeName(folder + name); };
    struct stat info{};
    bool ok = true;
    if (::lstat(at(QString::fromUtf8(kPipe)).constData(), &info) != 0 || !S_ISFIFO(info.st_mode)) {
        err() << "the named pipe was not left alone" << Qt::endl;
        ok = false;
    }
    if (::lstat(at(QString::fromUtf8(kEndless)).constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        err() << "the link to /dev/zero was not left alone" << Qt::endl;
        ok = false;
    }
    const QString aside = receiving::MailCheck::setAsideName(QString::fromUtf8(kHuge));
    if (::lstat(at(aside).constData(), &info) != 0 || info.st_size != qint64(2) << 30
        || ::lstat(at(QString::fromUtf8(kHuge)).constData(), &info) == 0) {
        err() << "the 2 GB file was not set aside as " << aside << Qt::endl;
        ok = false;
    }
    for (const QString &name : {QString::fromUtf8(kPipe), QString::fromUtf8(kEndless), QString::fromUtf8(kHuge), aside})
        ::unlink(at(name).constData());
    return ok;
}

bool finishedWell(QProcess &process)
{
    process.waitForFinished(-1);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

int run(const QStringList &args)
{
    const int senders = option(args, QStringLiteral("--senders"), QStringLiteral("4")).toInt();
    const int messages = option(args, QStringLiteral("--messages"), QStringLiteral("25")).toInt();
    const bool hostile = args.contains(QStringLiteral("--hostile"));
    QTemporaryDir local(QDir::tempPath() + QStringLiteral("/corvane-stress-XXXXXX"));
    QStringList roots = option(args, QStringLiteral("--roots")).split(u',', Qt::SkipEmptyParts);
    if (roots.isEmpty())
        roots.append(local.filePath(QStringLiteral("share")));
    const QString &root = roots.first();
    for (const char *name : {"ann", "ann1", "server", "sender"})
        QDir().mkpath(root + u'/' + QString::fromUtf8(name));

    if (hostile)
        putHostileFiles(root + QStringLiteral("/ann/"));
    const QString stop = local.filePath(QStringLiteral("stop"));
    QElapsedTimer timer;
    timer.start();

    // Ann checks seldom, Ann1 often: Ann's files pile up in the server folder under numbers that
    // read as Ann1's (Ann11.cvm, Ann12.cvm, ...), while Ann sees every file of Ann1's.
    std::vector<std::unique_ptr<QProcess>> checking;
    for (qsizetype k = 0; k < receivers().size(); ++k) {
        const QString data = local.filePath(receivers().at(k));
        QDir().mkpath(data);
        QStringList checkArgs{QStringLiteral("check"), QStringLiteral("--name"), receivers().at(k),
                              QStringLiteral("--root"), roots.at(k % roots.size()), QStringLiteral("--data"),
                              data, QStringLiteral("--stop"), stop, QStringLiteral("--pause"),
                              k == 0 ? QStringLiteral("1000") : QStringLiteral("20")};
        if (hostile)
            checkArgs.append(QStringLiteral("--hostile"));
        checking.push_back(startProcess(checkArgs));
    }
    std::vector<std::unique_ptr<QProcess>> sending;
    for (int i = 0; i < senders; ++i) {
        const QString data = local.filePath(QStringLiteral("sender%1").arg(i));
        QDir().mkpath(data);
        sending.push_back(startProcess({QStringLiteral("send"), QStringLiteral("--id"), QString::number(i),
                                        QStringLiteral("--root"), roots.at(i % roots.size()), QStringLiteral("--data"),
                                        data, QStringLiteral("--messages"), QString::number(messages)}));
    }
    bool ok = true;
    for (auto &process : sending)
        ok = finishedWell(*process) && ok;
    QFile(stop).open(QIODevice::WriteOnly);
    for (auto &process : checking)
        ok = finishedWell(*process) && ok;
    if (!ok)
        err() << "a sender or a checker reported errors" << Qt::endl;
    if (hostile)
        ok = hostileFilesHandledAndRemoved(root + QStringLiteral("/ann/")) && ok;

    // Every message sent, by its identifier, with the user it was for.
    QHash<QString, QString> sentTo;
    for (int i = 0; i < senders; ++i) {
        platform::XmlDocument document;
        document.loadFromFile(local.filePath(QStringLiteral("sender%1/Sent Items.cva").arg(i)));
        for (pugi::xml_node m = document.root().child("Messages").first_child(); m; m = m.next_sibling()) {
            const QString user = platform::xml::attributeText(m.child("To").child("Recipient"), "Name");
            sentTo.insert(platform::xml::attributeText(m, "GUID"), user);
        }
    }

    int lost = 0;
    int twice = 0;
    int wrongUser = 0;
    int routesMissing = 0;
    int takenAgain = 0;
    int overlapping = 0;
    for (const QString &user : receivers()) {
        platform::XmlDocument store;
        store.loadFromFile(local.filePath(user + QStringLiteral("/InBox.cvi")));
        QHash<QString, int> stored;
        for (pugi::xml_node m = store.root().child("Messages").first_child(); m; m = m.next_sibling())
            ++stored[platform::xml::attributeText(m, "GUID")];
        // Each message reached its user twice, through the own inbox and the server folder: count
        // the files the check handled, so that a file overwritten on either route shows up.
        QHash<QString, int> handled;
        QFile log(local.filePath(user + QStringLiteral("/handled.txt")));
        log.open(QIODevice::ReadOnly);
        for (const QByteArray &line : log.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() != 3)
                continue;
            ++handled[QString::fromUtf8(fields[0] + '\t' + fields[1])];
            // Ann's files whose names read as Ann1's too: the case the To list has to decide.
            if (user == receivers().first() && core::messageFileNumber(QString::fromUtf8(fields[2]), receivers().last()))
                ++overlapping;
        }
        for (auto it = sentTo.constBegin(); it != sentTo.constEnd(); ++it) {
            const QString &guid = it.key();
            if (it.value() != user) {
                const int taken = stored.value(guid) + handled.value(QStringLiteral("inbox\t") + guid)
                    + handled.value(QStringLiteral("server\t") + guid);
                if (taken > 0) {
                    ++wrongUser;
                    err() << user << " took message " << guid << " meant for " << it.value() << Qt::endl;
                }
                continue;
            }
            if (stored.value(guid) == 0)
                ++lost;
            else if (stored.value(guid) > 1)
                ++twice;
            // A file taken twice is harmless (the second time it is a known duplicate; a share
            // may still list a file its client has just removed); a route never taken means a
            // file was overwritten or taken by another user.
            for (const char *route : {"inbox", "server"}) {
                const int times = handled.value(QString::fromUtf8(route) + u'\t' + guid);
                if (times == 0) {
                    ++routesMissing;
                    err() << "message " << guid << " never taken by " << user << " from the " << route << " folder"
                          << Qt::endl;
                }
                takenAgain += std::max(0, times - 1);
            }
        }
    }

    int unreadable = 0;
    const QString server = root + QStringLiteral("/server/");
    // Ann's listing covers Ann1's files too.
    const int leftOver = int(guidsOfFiles(root + QStringLiteral("/ann/"), QStringLiteral("Ann"), &unreadable).size()
                             + guidsOfFiles(root + QStringLiteral("/ann1/"), QStringLiteral("Ann"), &unreadable).size()
                             + guidsOfFiles(server, QStringLiteral("Ann"), &unreadable).size());
    // Carl never checks: his copies in the server folder must all be there, none overwritten.
    const QStringList carl = guidsOfFiles(server, QStringLiteral("Carl"), &unreadable);
    const int carlMissing = int(sentTo.size() - QSet<QString>(carl.begin(), carl.end()).size());
    int strays = 0;
    for (const char *folder : {"ann", "ann1", "server"}) {
        QDirIterator it(root + u'/' + QString::fromUtf8(folder), QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            if (it.fileName().startsWith(QStringLiteral("~corvane-")) || it.fileName().endsWith(QStringLiteral(".unreadable"))) {
                ++strays;
                err() << "stray " << it.filePath() << Qt::endl;
            }
        }
    }

    const bool passed = ok && sentTo.size() == senders * messages && lost == 0 && twice == 0 && wrongUser == 0
        && routesMissing == 0 && leftOver == 0 && unreadable == 0 && carlMissing == 0 && strays == 0;
    std::printf("mail stress: %d senders x %d messages to Ann and Ann1 over %lld root(s) in %.1f s: sent %lld, lost %d, "
                "stored twice %d, taken by the wrong user %d, routes never taken %d (files taken again as duplicates %d), "
                "left over %d, Carl's copies missing %d, unreadable %d, stray files %d; Ann's files under names that read as "
                "Ann1's %d: %s\n",
                senders, messages, qlonglong(roots.size()), double(timer.elapsed()) / 1000.0, qlonglong(sentTo.size()),
                lost, twice, wrongUser, routesMissing, takenAgain, leftOver, carlMissing, unreadable, strays, overlapping,
                passed ? "PASSED" : "FAILED");
    return passed ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);
    if (mode == QStringLiteral("send"))
        return sender(args);
    if (mode == QStringLiteral("check"))
        return checker(args);
    if (mode == QStringLiteral("run"))
        return run(args);
    err() << "usage: mail_stress run [--senders N] [--messages M] [--roots DIR[,DIR...]] [--hostile]" << Qt::endl;
    return 2;
}
