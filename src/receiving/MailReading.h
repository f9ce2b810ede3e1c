#pragma once

#include "AttachmentFiles.h"
#include "InboxStore.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <optional>

namespace corvane::receiving {

// What the reader and the inbox say and ask, in the user's language.
inline QString noMessageSelectedText()
{
    return QCoreApplication::translate("MailReading", "You need to select a message to read first");
}
inline QString deleteMessageQuestionText()
{
    return QCoreApplication::translate("MailReading", "Are you sure you want to delete this message?");
}

// What the reader asks of the desktop: open a file with its associated program, or a folder in the
// file manager. Throws Error, worded for the user, when the desktop cannot.
class Desktop
{
public:
    virtual ~Desktop() = default;
    virtual void openFile(const QString &path, const QString &workingFolder) = 0;
    virtual void openFolder(const QString &folder) = 0;

    // Called on the UI thread, with the text for the user, when an opening that had started found
    // no program to open the file or folder with.
    std::function<void(const QString &message)> openFailed;
};

// Previous and Next walk the grid's data rows (row 0 is the header): the row to go to, or nothing
// at either end.
std::optional<int> previousRow(int row);
std::optional<int> nextRow(int row, int rowCount);

// The grid row the reader is asked to show.
struct SelectedRow
{
    bool dataRow = false;        // a message row (not the header, nor no row) is selected
    std::optional<int> position; // where the message it shows is in the store now
};

struct ReadOutcome
{
    enum class Kind {
        Shown,           // the message, now marked read
        RefillList,      // the row names no message yet: bring the list up to date and ask again
        NothingSelected, // say noMessageSelectedText()
    };
    Kind kind = Kind::NothingSelected;
    int position = -1;
    InboxMessage message;
};

// Reads the message of the selected row and marks it read (not saved here). A row that names no
// stored message (not filled yet, or its message gone) asks for a refill once; asked again after the refill (`afterRefill`), it is
// taken as no selection, so a list that stays empty cannot make the reader loop.
ReadOutcome readSelected(InboxStore &store, const SelectedRow &selected, bool afterRefill);

} // namespace corvane::receiving
