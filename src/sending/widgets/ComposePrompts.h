#pragma once

#include "core/Notice.h"

#include <QStringList>

class QWidget;

namespace corvane::sending {

// What the compose pane and its dialogs ask of the user through the desktop: message boxes, the
// beep and the file-open dialog. Tests answer them without showing anything.
class ComposePrompts
{
public:
    virtual ~ComposePrompts() = default;
    // A confirmation with Yes and No; true only for Yes.
    virtual bool confirm(QWidget *parent, const QString &question) = 0;
    // A message the logic worded, with OK, after a beep if it asks for one.
    virtual void showNotice(QWidget *parent, const core::Notice &notice) = 0;
    virtual void beep() = 0;
    // The file-open dialog, several files selectable; empty when the user cancels.
    virtual QStringList chooseFiles(QWidget *parent) = 0;
};

// Message boxes, QApplication::beep and QFileDialog.
class DesktopComposePrompts : public ComposePrompts
{
public:
    bool confirm(QWidget *parent, const QString &question) override;
    void showNotice(QWidget *parent, const core::Notice &notice) override;
    void beep() override;
    QStringList chooseFiles(QWidget *parent) override;
};

} // namespace corvane::sending
