#pragma once

#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QToolButton;

namespace corvane::shell {

// The program's own help window: the shipped HTML help in a text browser, with Back, Forward and
// Find. Links inside the help open here; web addresses go to the desktop's browser. Escape closes
// it, Alt+Left and Alt+Right go back and forward, Ctrl+F goes to Find, F3 and Shift+F3 find the
// next and previous place.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the window at a help address (a file, with the topic's anchor as its fragment).
    void showAddress(const QUrl &url);
    // Finds the Find field's text after (or before) the cursor, going round the document's end;
    // false, and a note beside the field, when the text is nowhere.
    bool findNext(bool backward = false);

    QTextBrowser *browser() const { return m_browser; }

private:
    void openLink(const QUrl &url);

    QTextBrowser *m_browser;
    QToolButton *m_back;
    QToolButton *m_forward;
    QLineEdit *m_find;
    QToolButton *m_findNext;
    QToolButton *m_findPrevious;
    QLabel *m_findNote;
};

} // namespace corvane::shell
