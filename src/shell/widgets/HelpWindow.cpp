#include "HelpWindow.h"

#include "Icons.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::shell {

namespace {

QToolButton *toolButton(QWidget *parent, const QString &objectName, const QIcon &icon, const QString &text,
                        const QString &description)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAccessibleName(text);
    button->setAccessibleDescription(description);
    return button;
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Corvane Help"));
    setAccessibleName(tr("Corvane Help"));
    resize(720, 560);

    m_back = toolButton(this, QStringLiteral("HelpBackB"), icons::named("go-previous"), tr("Back"),
                        tr("Goes back to the place shown before (Alt+Left)"));
    m_back->setToolTip(tr("Back (Alt+Left)"));
    m_forward = toolButton(this, QStringLiteral("HelpForwardB"), icons::named("go-next"), tr("Forward"),
                           tr("Goes forward again to the place left by Back (Alt+Right)"));
    m_forward->setToolTip(tr("Forward (Alt+Right)"));

    auto *findLabel = new QLabel(tr("&Find:"), this);
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("HelpFindE"));
    m_find->setClearButtonEnabled(true);
    m_find->setAccessibleName(tr("Find"));
    m_find->setAccessibleDescription(tr("Text to find in the help; Enter finds the next place (Ctrl+F)"));
    findLabel->setBuddy(m_find);
    m_findPrevious = toolButton(this, QStringLiteral("HelpFindPreviousB"), icons::named("go-previous"),
                                tr("Previous"), tr("Finds the text before the current place (Shift+F3)"));
    m_findPrevious->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_findPrevious->setToolTip(tr("Find Previous (Shift+F3)"));
    m_findNext = toolButton(this, QStringLiteral("HelpFindNextB"), icons::named("go-next"), tr("Next"),
                            tr("Finds the text after the current place (F3)"));
    m_findNext->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_findNext->setToolTip(tr("Find Next (F3)"));
    m_findNote = new QLabel(this);
    m_findNote->setObjectName(QStringLiteral("HelpFindNoteL"));
    m_findNote->setAccessibleName(tr("Find result"));

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("HelpBrowser"));
    m_browser->setAccessibleName(tr("Help text"));
    m_browser->setAccessibleDescription(tr("The Corvane help; links open their topic here"));
    m_browser->setOpenLinks(false);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addSpacing(16);
    bar->addWidget(findLabel);
    bar->addWidget(m_find, 1);
    bar->addWidget(m_findPrevious);
    bar->addWidget(m_findNext);
    bar->addWidget(m_findNote);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_browser, 1);

    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::openLink);
    connect(m_find, &QLineEdit::returnPressed, this, [this] { findNext(false); });
    connect(m_find, &QLineEdit::textChanged, m_findNote, &QLabel::clear);
    connect(m_findNext, &QToolButton::clicked, this, [this] { findNext(false); });
    connect(m_findPrevious, &QToolButton::clicked, this, [this] { findNext(true); });

    const auto shortcut = [this](const QKeySequence &keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence(Qt::Key_Escape), [this] { close(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { m_browser->backward(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { m_browser->forward(); });
    shortcut(QKeySequence::Find, [this] {
        m_find->setFocus(Qt::ShortcutFocusReason);
        m_find->selectAll();
    });
    shortcut(QKeySequence(Qt::Key_F3), [this] { findNext(false); });
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), [this] { findNext(true); });
}

void HelpWindow::showAddress(const QUrl &url)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        m_browser->setPlainText(tr("The help file %1 is missing. Install Corvane again to restore it.")
                                    .arg(url.toLocalFile()));
    } else {
        m_browser->setSource(url);
    }
    show();
    raise();
    activateWindow();
}

bool HelpWindow::findNext(bool backward)
{
    const QString text = m_find->text();
    m_findNote->clear();
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backward ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    // Finding starts from the place in view, such as the topic the window opened at.
    if (!m_browser->viewport()->rect().intersects(m_browser->cursorRect()))
        m_browser->setTextCursor(m_browser->cursorForPosition(QPoint(0, 0)));
    if (m_browser->find(text, flags))
        return true;
    // Round the end of the document, keeping the old place when the text is nowhere.
    const QTextCursor before = m_browser->textCursor();
    m_browser->moveCursor(backward ? QTextCursor::End : QTextCursor::Start);
    if (m_browser->find(text, flags))
        return true;
    m_browser->setTextCursor(before);
    m_findNote->setText(tr("Not found"));
    return false;
}

void HelpWindow::openLink(const QUrl &url)
{
    // Web and mail addresses are for the desktop; the help's own pages and anchors stay here.
    if (!url.isRelative() && !url.isLocalFile()) {
        QDesktopServices::openUrl(url);
        return;
    }
    m_browser->setSource(m_browser->source().resolved(url));
}

} // namespace corvane::shell
