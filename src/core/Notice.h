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
        AddressRefused,          // an address Save refused: no name, no inbox, or a name no file can have
        CollectionRunning,       // the reachable folders are being found; try again in a moment
        SpellCheckRunning,       // a spell check runs over the message
        ListNotShown,            // a list could not be filled, sorted or searched
        RecordGone,              // the record a command was started on is no longer in its store
        DeleteFailed,            // a delete stopped on an error (the store may keep the record on disk)
        NoMessageSelected,       // the Mail Reader was asked for a message with no message row selected
        MessageNotShown,         // the Mail Reader could not show the selected message
        OpenFailed,              // an attachment or a folder could not be opened on the desktop
        ReadMarksNotSaved,       // the read marks could not be saved when the window closed
        DraftNotKept,            // the message being written could not be kept when the window closed
        AddressEditFailed,       // a command of the Address Edit pane stopped on an error
        MessageNotMade,          // a reply, forward or reopen could not read its message
        SpellCheckFailed,        // the spell check stopped on an error or on a change made meanwhile
        CustomWordNotAdded,      // a word could not be added to the custom dictionary
        GridActionFailed,        // a sort, cell edit or import in a grid stopped on an error
        SettingsNotSaved,        // the settings file could not be written
        SettingsRefused,         // Save refused: the name or the own inbox is not filled in
        SettingsUnreadable,      // the settings file could not be read; the defaults stand in
        StartupFailed,           // start-up stopped on an error; the settings are in front to correct
        ProfileUnavailable,      // the profile folder cannot be found or claimed; the program ends
    };
    enum class Kind { Information, Warning, Error };
    Code code = Code::Unspecified;
    Kind kind = Kind::Information;
    QString text;
    bool beep = false; // sound the exclamation beep before showing it

    // A failure the user must read: an error box with OK.
    static Notice error(Code code, QString text) { return {code, Kind::Error, std::move(text), false}; }

    bool operator==(const Notice &) const = default;
};

} // namespace corvane::core
