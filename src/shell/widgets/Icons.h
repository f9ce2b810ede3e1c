#pragma once

#include <QIcon>
#include <QList>

namespace corvane::shell::icons {

// The navigation bar's image list, in image-number order: New, Address Book, Edit Address,
// Settings, Sent Items, InBox, Mail Reader.
const QList<QIcon> &navigationImages();
QIcon checkMail();
// An icon of the resources by its file name without ".svg".
QIcon named(const char *name);
// The desktop icon theme's icon of that name (all its sizes), else the resources' one.
QIcon desktopFirst(const char *name);
QIcon help();
// The tool bars' delete commands.
QIcon deleteItem();
QIcon application();

} // namespace corvane::shell::icons
