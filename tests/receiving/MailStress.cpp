// Stress test of delivery and mail check: several sender processes write to one inbox folder
// and one server folder while another process checks mail in a loop. Afterwards every message
// sent must be in the checker's inbox store exactly once, none lost, no file left unreadable.
//
//   mail_stress run [--senders N] [--messages M] [--roots DIR[,DIR...]]
//
// The roots are paths of one shared folder (for example two mount points of one SMB share, like
// two machines); senders use them in turn and the checker uses the first. Without roots a local
// temporary folder is used.
#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "receiving/InboxProbe.h"
#include "receiving/InboxStore.h"
#include "receiving/MailCheck.h"
#include "receiving/MessageFiles.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"

#include "platform/XmlNodes.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>

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

QString folderIn(const QString &root, const char *name)
{
    return QDir::toNativeSeparators(root + u'/' + QString::fromUtf8(name)) + QDir::separator();
}

// One user's program on the given share root, with its local data in `data`.
struct Program
{
    platform::XmlDocument addressDocument{addressbook::AddressStore::initialContent()};
    platform::XmlDocument inboxDocument{receiving::InboxStore::initialContent()};
    platform::XmlDocument sentDocument{sending::SentStore::initialContent()};
    addressbook::AddressStore addresses{addressDocument};
    receiving::InboxStore inbox{inboxDocument};
    sending::SentStore sent{sentDocument};
    receiving::InboxProbes probes;
    addressbook::AddressCollector collector{addresses, probes};
    sending::OutgoingMessage outgoing;
    sending::SendAction send{outgoing, sent, collector};
    receiving::MailCheck check{inbox, collector};
    addressbook::MailSettings settings;

    Program(const QString &name, const QString &root, const QString &data)
    {
        settings.yourName = name;
        settings.yourInbox = folderIn(root, name == QStringLiteral("Bob") ? "inbox" : "sender");
        settings.inboxData = settings.sentData = settings.addresses = QDir::toNativeSeparators(data) + QDir::separator();
        addresses.open(addressbook::AddressStore::pathIn(settings.addresses));
        inbox.open(receiving::InboxStore::pathIn(settings.inboxData));
        sent.open(sending::SentStore::pathIn(settings.sentData));
        if (addresses.count() == 0) {
            addresses.append({QStringLiteral("Bob"), folderIn(root, "inbox"), {}, false});
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
        const sending::SendResult result = program.send.SendiExecute(
            {{QStringLiteral("Bob"), QStringLiteral("Carl")}, QStringLiteral("%1-%2").arg(id).arg(i), {}, QStringLiteral("{\\rtf1 x}")},
            program.settings);
        if (!result.notices.isEmpty() && result.notices.last().text == sending::kMessagesSent
            && result.notices.size() == 1)
            continue;
        ++failures;
        for (const addressbook::Notice &notice : result.notices)
            err() << "sender " << id << ": " << notice.text << Qt::endl;
        for (const QString &reason : result.delivery.failureReasons)
            err() << "sender " << id << ": " << reason << Qt::endl;
    }
    return failures == 0 ? 0 : 1;
}

int checker(const QStringList &args)
{
    Program program(QStringLiteral("Bob"), option(args, QStringLiteral("--root")), option(args, QStringLiteral("--data")));
    const QString stopFile = option(args, QStringLiteral("--stop"));
    QFile log(option(args, QStringLiteral("--data")) + QStringLiteral("/handled.txt"));
    log.open(QIODevice::WriteOnly | QIODevice::Append);
    QObject::connect(&program.check, &receiving::MailCheck::messageFileHandled, &program.check,
                     [&](const QString &path, const QString &guid) {
                         const QString kind = path.contains(QStringLiteral("server")) ? QStringLiteral("server") : QStringLiteral("inbox");
                         log.write((kind + u'\t' + guid + u'\n').toUtf8());
                     });
    int errors = 0;
    int checks = 0;
    int quietAfterStop = 0;
    while (quietAfterStop < 3) {
        const bool stopping = QFile::exists(stopFile);
        const receiving::CheckResult result = program.check.CheckiExecute(program.settings);
        ++checks;
        for (const addressbook::Notice &notice : result.notices) {
            ++errors;
            err() << "checker: " << notice.text << Qt::endl;
        }
        // After the senders are done, a few checks that find nothing end the loop.
        if (stopping)
            quietAfterStop = (result.stored + result.duplicates == 0) ? quietAfterStop + 1 : 0;
        QThread::msleep(stopping ? 300 : 20);
    }
    log.flush();
    err() << "checker: " << checks << " checks" << Qt::endl;
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

int run(const QStringList &args)
{
    const int senders = option(args, QStringLiteral("--senders"), QStringLiteral("4")).toInt();
    const int messages = option(args, QStringLiteral("--messages"), QStringLiteral("25")).toInt();
    QTemporaryDir local(QDir::tempPath() + QStringLiteral("/corvane-stress-XXXXXX"));
    QStringList roots = option(args, QStringLiteral("--roots")).split(u',', Qt::SkipEmptyParts);
    if (roots.isEmpty())
        roots.append(local.filePath(QStringLiteral("share")));
    const QString &root = roots.first();
    for (const char *name : {"inbox", "server", "sender"})
        QDir().mkpath(root + u'/' + QString::fromUtf8(name));

    const QString program = QCoreApplication::applicationFilePath();
    const QString stop = local.filePath(QStringLiteral("stop"));
    const QString checkData = local.filePath(QStringLiteral("checker"));
    QDir().mkpath(checkData);
    QElapsedTimer timer;
    timer.start();

    QProcess check;
    check.setProcessChannelMode(QProcess::ForwardedChannels);
    check.start(program, {QStringLiteral("check"), QStringLiteral("--root"), root, QStringLiteral("--data"), checkData,
                          QStringLiteral("--stop"), stop});
    std::vector<std::unique_ptr<QProcess>> sending;
    for (int i = 0; i < senders; ++i) {
        const QString data = local.filePath(QStringLiteral("sender%1").arg(i));
        QDir().mkpath(data);
        auto process = std::make_unique<QProcess>();
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        process->start(program, {QStringLiteral("send"), QStringLiteral("--id"), QString::number(i), QStringLiteral("--root"),
                                 roots.at(i % roots.size()), QStringLiteral("--data"), data, QStringLiteral("--messages"),
                                 QString::number(messages)});
        sending.push_back(std::move(process));
    }
    bool ok = true;
    for (auto &process : sending) {
        process->waitForFinished(-1);
        ok = ok && process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    }
    QFile(stop).open(QIODevice::WriteOnly);
    check.waitForFinished(-1);
    ok = ok && check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0;
    if (!ok)
        err() << "a sender or the checker reported errors" << Qt::endl;

    // Every message sent, by its identifier.
    QStringList sentGuids;
    for (int i = 0; i < senders; ++i) {
        platform::XmlDocument document;
        document.loadFromFile(local.filePath(QStringLiteral("sender%1/Sent Items.cva").arg(i)));
        for (pugi::xml_node m = document.root().child("Messages").first_child(); m; m = m.next_sibling())
            sentGuids.append(platform::xml::attributeText(m, "GUID"));
    }
    platform::XmlDocument store;
    store.loadFromFile(checkData + QStringLiteral("/InBox.cvi"));
    QHash<QString, int> stored;
    for (pugi::xml_node m = store.root().child("Messages").first_child(); m; m = m.next_sibling())
        ++stored[platform::xml::attributeText(m, "GUID")];
    int lost = 0;
    int twice = 0;
    for (const QString &guid : sentGuids) {
        if (stored.value(guid) == 0)
            ++lost;
        else if (stored.value(guid) > 1)
            ++twice;
    }
    // Each message reached Bob twice, through his inbox and the server folder: count the files
    // the check handled, so that a file overwritten on either route shows up.
    QHash<QString, int> handled;
    QFile log(checkData + QStringLiteral("/handled.txt"));
    log.open(QIODevice::ReadOnly);
    for (const QByteArray &line : log.readAll().split('\n'))
        if (!line.isEmpty())
            ++handled[QString::fromUtf8(line)];
    // A file taken twice is harmless (the second time it is a known duplicate; a share may still
    // list a file its client has just removed); a route never taken means a file was overwritten.
    int routesMissing = 0;
    int takenAgain = 0;
    for (const QString &guid : sentGuids)
        for (const char *route : {"inbox", "server"}) {
            const int times = handled.value(QString::fromUtf8(route) + u'\t' + guid);
            if (times == 0) {
                ++routesMissing;
                err() << "message " << guid << " never taken from the " << route << " folder" << Qt::endl;
            }
            takenAgain += std::max(0, times - 1);
        }

    int unreadable = 0;
    const QString inbox = root + QStringLiteral("/inbox/");
    const QString server = root + QStringLiteral("/server/");
    const int leftForBob = int(guidsOfFiles(inbox, QStringLiteral("Bob"), &unreadable).size()
                               + guidsOfFiles(server, QStringLiteral("Bob"), &unreadable).size());
    // Carl never checks: his copies in the server folder must all be there, none overwritten.
    const QStringList carl = guidsOfFiles(server, QStringLiteral("Carl"), &unreadable);
    const int carlMissing = int(sentGuids.size() - QSet<QString>(carl.begin(), carl.end()).size());
    int strays = 0;
    for (const QString &folder : {inbox, server}) {
        QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            it.next();
            if (it.fileName().startsWith(QStringLiteral("~corvane-")) || it.fileName().endsWith(QStringLiteral(".unreadable")))
                ++strays;
        }
    }

    const bool passed = ok && sentGuids.size() == senders * messages && lost == 0 && twice == 0 && routesMissing == 0
        && leftForBob == 0 && unreadable == 0 && carlMissing == 0 && strays == 0;
    std::printf("mail stress: %d senders x %d messages over %lld root(s) in %.1f s: sent %lld, stored %lld, lost %d, "
                "stored twice %d, routes never taken %d (files taken again as duplicates %d), left for Bob %d, Carl's copies missing %d, "
                "unreadable %d, stray files %d: %s\n",
                senders, messages, qlonglong(roots.size()), double(timer.elapsed()) / 1000.0,
                qlonglong(sentGuids.size()), qlonglong(stored.size()), lost, twice, routesMissing, takenAgain, leftForBob,
                carlMissing, unreadable, strays, passed ? "PASSED" : "FAILED");
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
    err() << "usage: mail_stress run [--senders N] [--messages M] [--roots DIR[,DIR...]]" << Qt::endl;
    return 2;
}
