#include "MailServices.h"

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
    send.setAttachmentSender(&attachmentSending);
    check.setAttachmentRetrieval(&attachmentFetcher);
}

MailCheckResult ServicesCheckRunner::runCheck()
{
    // A check ends by saving the inbox store: one that could not be read is refused before any
    // message file is touched.
    m_services.stores.inbox.checkSavable();
    const int countBefore = m_services.inbox.count();
    const receiving::CheckResult checked = m_services.check.CheckiExecute(mailSettingsFrom(m_settings));
    MailCheckResult result;
    result.newMail = checked.newMail;
    if (checked.newMail)
        result.arrived = receiving::arrivedSince(m_services.inbox, countBefore);
    result.notices = checked.notices;
    return result;
}

} // namespace corvane::shell
