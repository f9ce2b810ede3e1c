#pragma once

#include <QString>

class QWidget;

namespace corvane::shell {

// The application's standard error box: an error that reached the window.
void showErrorBox(QWidget *parent, const QString &message);

} // namespace corvane::shell
