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

MailServices::MailServices(Stores &stores, int probeTimeoutMs)
    : addresses(stores.address),
      inbox(stores.inbox),
      sent(stores.sent),
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
    const receiving::CheckResult checked = m_services.check.CheckiExecute(mailSettingsFrom(m_settings));
    MailCheckResult result;
    result.newMail = checked.newMail;
    result.notices = checked.notices;
    return result;
}

} // namespace corvane::shell
