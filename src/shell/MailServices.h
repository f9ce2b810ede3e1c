#pragma once

#include "MailCheckController.h"
#include "Settings.h"
#include "Stores.h"

#include "addressbook/AddressCollector.h"
#include "addressbook/AddressStore.h"
#include "addressbook/MailSettings.h"
#include "core/Notice.h"
#include "platform/BackgroundCopies.h"
#include "receiving/AttachmentFetcher.h"
#include "receiving/AttachmentFiles.h"
#include "receiving/InboxProbe.h"
#include "receiving/InboxStore.h"
#include "receiving/MailCheck.h"
#include "sending/OutgoingMessage.h"
#include "sending/SendAction.h"
#include "sending/SentStore.h"

namespace corvane::shell {

// The settings the mail logic reads, taken from the live settings.
addressbook::MailSettings mailSettingsFrom(const Settings &settings);
// Where stored messages' attachments lie, for the reader, Forward and the tool.
receiving::AttachmentPlaces attachmentPlacesFrom(const Settings &settings);

// What the user reads of an attachment copy that went wrong (code CopyFailed): the window shows it,
// the tool prints it.
core::Notice copyFailedNotice(const platform::CopyFailure &failure);

// The mail logic of one profile over its three stores: the window and the command-line
// tool compose the same objects, so both send and check in exactly the same way.
class MailServices
{
public:
    explicit MailServices(Stores &stores, int probeTimeoutMs = receiving::InboxProbes::kDefaultTimeoutMs);
    MailServices(const MailServices &) = delete;
    MailServices &operator=(const MailServices &) = delete;

    // The stores the services work on.
    Stores &stores;
    // Attachment copies outlive a send or a check; they are waited for before the program ends.
    platform::BackgroundCopies copies;
    addressbook::AddressStore &addresses;
    receiving::InboxStore &inbox;
    sending::SentStore &sent;
    receiving::InboxProbes probes;
    addressbook::AddressCollector collector;
    sending::OutgoingMessage outgoing;
    sending::SendAction send;
    receiving::MailCheck check;
    receiving::AttachmentFetcher attachmentFetcher{copies};
};

// Runs the mail check of the services with the live settings, for the window's Check Mail.
class ServicesCheckRunner : public MailCheckRunner
{
public:
    ServicesCheckRunner(MailServices &services, const Settings &liveSettings)
        : m_services(services), m_settings(liveSettings)
    {
    }
    void startCheck(Done done) override;
    void cancelCheck() override { m_services.check.cancel(); }

private:
    MailServices &m_services;
    const Settings &m_settings;
};

} // namespace corvane::shell
