#include "ErrorBox.h"

#include "ui/widgets/MessageBoxes.h"

#include <QApplication>

namespace corvane::shell {

namespace {

QMessageBox::Icon noticeIcon(core::Notice::Kind kind)
{
    switch (kind) {
    case core::Notice::Kind::Error: return QMessageBox::Critical;
    case core::Notice::Kind::Warning: return QMessageBox::Warning;
    case core::Notice::Kind::Information: return QMessageBox::Information;
    }
    return QMessageBox::Information;
}

} // namespace

void showNoticeBox(QWidget *parent, const core::Notice &notice)
{
    ui::showMessageBox(parent, noticeIcon(notice.kind), QApplication::applicationName(), notice.text);
}

} // namespace corvane::shell
