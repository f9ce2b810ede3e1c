#pragma once

#include <QString>

namespace corvane::core {

// Something the user must read, worded by the logic; the window decides how to show it. Callers
// that act on a notice (the command-line tool, tests) go by its code, never by its text, which
// may be translated or reworded.
struct Notice
{
    // What happened.
    enum class Code {
        Unspecified,             // a notice nobody gave a code: never taken for a success
        MessagesSent,            // a send delivered and recorded its message
        NothingToSend,           // no chosen name led to a folder
        SendRefused,             // a recipient or attachment name refused before anything was written
        AttachmentUnreadable,    // an attached file cannot be read at Send
        AttachmentRefused,       // a file that cannot be attached (a folder, a name already attached)
        AttachmentsNotForwarded, // a forward leaves out attachments whose names cannot be used
        AttachmentsNotEditable,  // attachments are chosen through the dialogue, not typed
        TargetNotReached,        // one recipient's folder could not be written; the others got the message
        SendRunning,             // a send is already running
        SendWaitsForCheck,       // a send waits for the mail check to end
        SendFailed,              // the send stopped on an error
        StoreReadOnly,           // a store that could not be read is not written
        CheckFailed,             // the mail check stopped on an error
        CheckRunning,            // refused: the mail check is running
        MessageFileUnopenable,   // a message file stays unopenable beyond the grace time
        MessageFileUnreadable,   // a message file cannot be read, nor moved aside
        MessageFileSetAside,     // an unreadable message file was moved aside
        NewMail,                 // new mail has arrived
        CopyFailed,              // an attachment copy failed
        AddressRefused,          // an address whose name cannot name message files
        CollectionRunning,       // the reachable folders are being found; try again in a moment
        SpellCheckRunning,       // a spell check runs over the message
    };
    enum class Kind { Information, Warning, Error };
    Code code = Code::Unspecified;
    Kind kind = Kind::Information;
    QString text;
    bool beep = false; // sound the exclamation beep before showing it

    bool operator==(const Notice &) const = default;
};

} // namespace corvane::core
