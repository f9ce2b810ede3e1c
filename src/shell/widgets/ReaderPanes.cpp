#include "ReaderPanes.h"

#include "Icons.h"
#include "PaneStack.h"
#include "WindowServices.h"

#include "platform/Errors.h"
#include "receiving/InboxStore.h"
#include "receiving/widgets/DesktopShell.h"
#include "receiving/widgets/InboxPane.h"
#include "receiving/widgets/MailReaderPane.h"
#include "sending/widgets/SentItemsPane.h"

#include <QAction>
#include <QToolButton>

namespace corvane::shell {

using receiving::MailReaderPane;

ReaderPanes::ReaderPanes(receiving::InboxStore &store, receiving::InboxPane &inbox, sending::SentItemsPane &sent,
                         QAction *checkMail, MessagePresenter &messages, std::function<receiving::AttachmentPlaces()> places,
                         QObject *parent)
    : QObject(parent), m_store(store), m_desktop(std::make_unique<receiving::DesktopShell>()),
      m_reader(new MailReaderPane(store, inbox, *m_desktop, std::move(places)))
{
    auto confirm = [&messages](QWidget *window, const QString &question) { return messages.confirm(window, question); };
    inbox.setConfirm(confirm);
    sent.setConfirm(confirm);
    inbox.deleteAction()->setIcon(icons::deleteItem());
    sent.deleteAction()->setIcon(icons::deleteItem());
    inbox.addCheckAction(checkMail);
    m_reader->setIcons(icons::named);

    // inboxSGDblClick: the reader shows the message and its navigation item is selected.
    connect(&inbox, &receiving::InboxPane::openRequested, this, [this] { Q_EMIT paneRequested(Pane::MailReader); });
    connect(&inbox, &receiving::InboxPane::listRequested, this, [this] { Q_EMIT paneRequested(Pane::InBox); });
    connect(&sent, &sending::SentItemsPane::listRequested, this, [this] { Q_EMIT paneRequested(Pane::SentItems); });
    connect(m_reader, &MailReaderPane::failed, this, &ReaderPanes::failed);
    connect(m_reader, &MailReaderPane::shownAfterFill, this, [this] { Q_EMIT paneRequested(Pane::MailReader); });
}

ReaderPanes::~ReaderPanes() = default;

void ReaderPanes::placeIn(PaneStack &stack)
{
    stack.setPane(Pane::MailReader, m_reader);
}

void ReaderPanes::setDesktop(receiving::Desktop &desktop)
{
    m_reader->setDesktop(desktop);
}

bool ReaderPanes::mayShow(Pane pane)
{
    return pane != Pane::MailReader || m_reader->MailReaderObiExecute();
}

void ReaderPanes::paneShown(Pane pane)
{
    if (pane == Pane::MailReader)
        m_reader->focusMessage();
}

void ReaderPanes::windowClosing()
{
    try {
        m_store.saveReadMarks();
    } catch (const Error &error) {
        Q_EMIT failed(core::Notice::error(core::Notice::Code::ReadMarksNotSaved, error.message()));
    }
}

} // namespace corvane::shell
