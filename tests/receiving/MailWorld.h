#pragma once

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "receiving/AttachmentFetcher.h"
#include "receiving/AttachmentFiles.h"
#include "receiving/InboxProbe.h"
#include "receiving/InboxStore.h"
#include "receiving/MailCheck.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"

#include "platform/BackgroundCopies.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"
#include "support/Finished.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace corvane::test {

// Runs a check to its end: starts it and runs the event loop until it has finished. None when
// the check did not start (one was running, or an address collection).
inline std::optional<receiving::CheckResult> runCheck(receiving::MailCheck &check,
                                                      const addressbook::MailSettings &settings)
{
    if (!check.start(settings))
        return std::nullopt;
    return nextEmission(check, &receiving::MailCheck::finished);
}

// Runs a send to its end; a send that does not start or end fails the test.
inline sending::SendResult sendToTheEnd(sending::SendAction &action, const sending::Draft &draft,
                                        const addressbook::MailSettings &settings)
{
    if (!action.SendiExecute(draft, settings)) {
        ADD_FAILURE() << "the send did not start";
        return {};
    }
    const std::optional<sending::SendResult> result = nextEmission(action, &sending::SendAction::finished);
    if (!result)
        ADD_FAILURE() << "the send did not end";
    return result.value_or(sending::SendResult{});
}

// One user's program: settings, the three stores, probes, and the send and check actions.
struct MailUser
{
    platform::BackgroundCopies copies;
    platform::XmlDocument addressDocument{addressbook::AddressStore::initialContent()};
    addressbook::AddressStore addresses{addressDocument};
    receiving::InboxStore inbox;
    sending::SentStore sent;
    receiving::InboxProbes probes{2000};
    addressbook::AddressCollector collector{addresses, probes};
    sending::OutgoingMessage outgoing;
    sending::SendAction send{outgoing, sent, collector};
    receiving::MailCheck check{inbox, collector};
    receiving::AttachmentFetcher fetcher{copies};
    addressbook::MailSettings settings;

    MailUser(const TempFolder &temp, const QString &name, const QString &ownInbox)
    {
        const QString data = temp.subfolder(name + QStringLiteral("-data"));
        settings.yourName = name;
        settings.yourInbox = ownInbox;
        settings.inboxData = settings.sentData = settings.addresses = data;
        addresses.open(addressbook::AddressStore::pathIn(data));
        inbox.open(receiving::InboxStore::pathIn(data));
        sent.open(sending::SentStore::pathIn(data));
        send.setCopies(&copies);
        check.setAttachmentRetrieval(&fetcher);
    }

    sending::SendResult sendMail(const QStringList &to, const QString &subject,
                                 const QStringList &attachments = {})
    {
        outgoing.NewGuidNeeded = true; // a fresh message, as after editing the compose pane
        return sendToTheEnd(send, {to, subject, attachments, QStringLiteral("{\\rtf1 Hello}")}, settings);
    }

    receiving::CheckResult checkMail() { return runCheck(check, settings).value(); }

    // The file the reader opens for the named attachment of the stored message at a position.
    QString attachmentFile(int position, const QString &name) const
    {
        return receiving::attachmentFile({settings.yourInbox, settings.inboxData},
                                         receiving::keptFilesOf(inbox.message(position)), name);
    }

    QStringList storedSubjects() const
    {
        QStringList subjects;
        for (const receiving::InboxRow &row : inbox.rows())
            subjects.append(row.subject);
        return subjects;
    }
};

// Ann, Bob and a server folder on one share; Carl's folder is missing.
struct MailWorld
{
    TempFolder temp;
    QString annInbox = temp.subfolder(QStringLiteral("share/ann"));
    QString bobInbox = temp.subfolder(QStringLiteral("share/bob"));
    QString server = temp.subfolder(QStringLiteral("share/server"));
    QString carlInbox = temp.path() + QStringLiteral("share/carl") + QDir::separator();
    std::unique_ptr<MailUser> ann = std::make_unique<MailUser>(temp, QStringLiteral("Ann"), annInbox);
    std::unique_ptr<MailUser> bob = std::make_unique<MailUser>(temp, QStringLiteral("Bob"), bobInbox);

    MailWorld()
    {
        for (MailUser *user : {ann.get(), bob.get()}) {
            user->addresses.append({QStringLiteral("Ann"), annInbox, {}, false});
            user->addresses.append({QStringLiteral("Bob"), bobInbox, {}, false});
            user->addresses.append({QStringLiteral("Carl"), carlInbox, {}, false});
            user->addresses.append({QStringLiteral("Relay"), server, {}, true});
        }
    }

    static QStringList files(const QString &folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace corvane::test
