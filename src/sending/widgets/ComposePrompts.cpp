#include "ComposePrompts.h"

#include "ui/widgets/MessageBoxes.h"

#include <QApplication>
#include <QFileDialog>

namespace corvane::sending {

bool DesktopComposePrompts::confirm(QWidget *parent, const QString &question)
{
    return ui::askYesNo(parent, QApplication::applicationDisplayName(), question, QMessageBox::No);
}

void DesktopComposePrompts::showNotice(QWidget *parent, const core::Notice &notice)
{
    if (notice.beep)
        QApplication::beep();
    const QMessageBox::Icon icon = notice.kind == core::Notice::Kind::Error ? QMessageBox::Critical
        : notice.kind == core::Notice::Kind::Warning                      ? QMessageBox::Warning
                                                                          : QMessageBox::Information;
    ui::showMessageBox(parent, icon, QApplication::applicationDisplayName(), notice.text);
}

void DesktopComposePrompts::beep()
{
    QApplication::beep();
}

QStringList DesktopComposePrompts::chooseFiles(QWidget *parent)
{
    // AtachOD: several files, no read-only box, resizable.
    return QFileDialog::getOpenFileNames(parent, QCoreApplication::translate("ComposePrompts", "Open"));
}

} // namespace corvane::sending
