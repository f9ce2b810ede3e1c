#include "ComposePrompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace corvane::sending {

bool DesktopComposePrompts::confirm(QWidget *parent, const QString &question)
{
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), question,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

void DesktopComposePrompts::showNotice(QWidget *parent, const core::Notice &notice)
{
    if (notice.beep)
        QApplication::beep();
    const QString title = QApplication::applicationDisplayName();
    switch (notice.kind) {
    case core::Notice::Kind::Error:
        QMessageBox::critical(parent, title, notice.text);
        break;
    case core::Notice::Kind::Warning:
        QMessageBox::warning(parent, title, notice.text);
        break;
    case core::Notice::Kind::Information:
        QMessageBox::information(parent, title, notice.text);
        break;
    }
}

void DesktopComposePrompts::beep()
{
    QApplication::beep();
}

QStringList DesktopComposePrompts::chooseFiles(QWidget *parent)
{
    // AtachOD: several files, no read-only box, resizable.
    return QFileDialog::getOpenFileNames(parent, QStringLiteral("Open"));
}

} // namespace corvane::sending
