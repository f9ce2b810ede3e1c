#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane::shell {

void showErrorBox(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

} // namespace corvane::shell
