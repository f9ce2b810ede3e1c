#include "MailServices.h"

#include <QCoreApplication>
#include <QDir>

#include <memory>

namespace corvane::shell {

addressbook::MailSettings mailSettingsFrom(const Settings &settings)
{
    addressbook::MailSettings mail;
    mail.yourName = settings.name;
    mail.yourInbox = settings.myDest;
    mail.inboxData = settings.inboxData;
    mail.sentData = settings.sentData;
    mail.addresses = settings.addresses;
    mail.selfServer = settings.selfServer;
    return mail;
}

receiving::AttachmentPlaces attachmentPlacesFrom(const Settings &settings)
{
    return {settings.myDest, settings.inboxData};
}

core::Notice copyFailedNotice(const platform::CopyFailure &failure)
{
    using Step = platform::CopyFailure::Step;
    QString text;
    switch (failure.step) {
    case Step::Copy:
    case Step::Record:
        text = failure.reason; // worded where the fault was known, naming the file
        break;
    case Step::SourceKept:
        text = QCoreApplication::translate("MailServices", "The attachment %1 was fetched, but it could not be "
                                                           "removed from %2 because another program holds it open.")
                   .arg(failure.file, QDir::toNativeSeparators(failure.folder));
        break;
    case Step::Unexpected:
        text = QCoreApplication::translate("MailServices", "An attachment copy failed: %1").arg(failure.reason);
        break;
    }
    return core::Notice::error(core::Notice::Code::CopyFailed, text);
}

MailServices::MailServices(Stores &profileStores, int probeTimeoutMs)
    : stores(profileStores),
      addresses(profileStores.address),
      inbox(profileStores.inbox),
      sent(profileStores.sent),
      probes(probeTimeoutMs),
      collector(addresses, probes),
      send(outgoing, sent, collector),
      check(inbox, collector)
{
    send.setCopies(&copies);
    check.setAttachmentRetrieval(&attachmentFetcher);
}

void ServicesCheckRunner::startCheck(Done done)
{
    // A check ends by saving the inbox store: one that could not be read is refused before any
    // message file is touched.
    m_services.stores.inbox.checkSavable();
    receiving::MailCheck &check = m_services.check;
    const int countBefore = m_services.inbox.count();
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(&check, &receiving::MailCheck::finished, &check,
                                   [this, connection, countBefore, done](const receiving::CheckResult &checked) {
                                       QObject::disconnect(*connection);
                                       MailCheckResult result;
                                       result.newMail = checked.newMail;
                                       if (checked.newMail)
                                           result.arrived = receiving::arrivedSince(m_services.inbox, countBefore);
                                       result.notices = checked.notices;
                                       done(result);
                                   });
    if (!check.start(mailSettingsFrom(m_settings))) {
        // A send's address collection is running: this check is skipped, as a timer tick is.
        QObject::disconnect(*connection);
        done({});
    }
}

} // namespace corvane::shell
