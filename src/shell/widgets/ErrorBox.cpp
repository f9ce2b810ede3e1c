#include "ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace corvane::shell {

void showErrorBox(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QApplication::applicationName(), message);
}

void showNoticeBox(QWidget *parent, const core::Notice &notice)
{
    using Kind = core::Notice::Kind;
    const QString title = QApplication::applicationName();
    switch (notice.kind) {
    case Kind::Error:
        QMessageBox::critical(parent, title, notice.text);
        break;
    case Kind::Warning:
        QMessageBox::warning(parent, title, notice.text);
        break;
    case Kind::Information:
        QMessageBox::information(parent, title, notice.text);
        break;
    }
}

} // namespace corvane::shell
