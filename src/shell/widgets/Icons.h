#pragma once

#include <QIcon>
#include <QList>

namespace corvane::shell::icons {

// The navigation bar's image list, in image-number order: New, Address Book, Edit Address,
// Settings, Sent Items, InBox, Mail Reader.
const QList<QIcon> &navigationImages();
QIcon checkMail();
QIcon sendMessage();
QIcon newMessage();
// An icon of the resources by its file name without ".svg".
QIcon named(const char *name);
QIcon help();
// The tool bars' delete commands.
QIcon deleteItem();
QIcon application();

// The Mail Reader's tool buttons.
enum class ReaderIcon { Reply, Forward, Previous, Next, RunAttachment, OpenFolder };
QIcon reader(ReaderIcon icon);

} // namespace corvane::shell::icons
