#pragma once

#include "core/Notice.h"
#include "receiving/AttachmentFiles.h"
#include "shell/Navigation.h"

#include <QObject>

#include <functional>
#include <memory>

class QAction;

namespace corvane::receiving {
class Desktop;
class InboxPane;
class InboxStore;
class MailReaderPane;
} // namespace corvane::receiving
namespace corvane::sending {
class SentItemsPane;
}

namespace corvane::shell {

class MessagePresenter;
class PaneStack;

// The commands of the InBox and Sent Items panes and the Mail Reader pane, as the window composes
// them: the window's confirmations, its Check Mail action on the InBox tool bar, the icons, and the
// desktop that opens attachments.
class ReaderPanes : public QObject
{
    Q_OBJECT

public:
    // Everything given must outlive the panes; places gives where received attachments lie.
    ReaderPanes(receiving::InboxStore &store, receiving::InboxPane &inbox, sending::SentItemsPane &sent,
                QAction *checkMail, MessagePresenter &messages, std::function<receiving::AttachmentPlaces()> places,
                QObject *parent = nullptr);
    ~ReaderPanes() override;

    // Hands the Mail Reader pane to the stack, which owns it from then on.
    void placeIn(PaneStack &stack);

    receiving::MailReaderPane *reader() const { return m_reader; }
    // Tests open attachments and folders through a fake desktop.
    void setDesktop(receiving::Desktop &desktop);

    // Before a pane comes to the front: the Mail Reader shows the InBox's selected message, and
    // stays behind (false) when there is none to show, which it has said.
    bool mayShow(Pane pane);
    // A pane came to the front: the Mail Reader's message takes the focus.
    void paneShown(Pane pane);
    // The window closes: read marks set since the inbox store was last saved are saved.
    void windowClosing();

Q_SIGNALS:
    // Asks the window to show a pane through its action (double click, a deletion).
    void paneRequested(Pane pane);
    void failed(const core::Notice &notice);

private:
    receiving::InboxStore &m_store;
    std::unique_ptr<receiving::Desktop> m_desktop;
    receiving::MailReaderPane *m_reader;
};

} // namespace corvane::shell
