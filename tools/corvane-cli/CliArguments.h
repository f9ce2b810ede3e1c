#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

namespace corvane::cli {

struct SendCommand
{
    QStringList to;
    QString subject;
    std::optional<QString> body;     // plain text
    std::optional<QString> bodyFile; // .rtf taken as RTF, anything else as UTF-8 text
    QStringList attachments;
};

// Forwards inbox message N as the window's Forward does, with its attached files.
struct ForwardCommand
{
    int number = 0; // the message number as listed (1-based)
    QStringList to;
    std::optional<QString> body; // plain text above the quoted message
};

struct CheckCommand
{};

struct ListCommand
{
    bool sent = false;
};

struct ShowCommand
{
    int number = 0; // the message number as listed (1-based)
    bool sent = false;
    bool rtf = false;
};

struct DeleteCommand
{
    int number = 0; // the message number as listed (1-based)
    bool sent = false;
};

// Gives back the room of deleted messages now, rather than when it passes its share of the store.
struct CompactCommand
{
    bool sent = false;
};

struct AddressListCommand
{};

struct AddressAddCommand
{
    QString name;
    QString inbox;
    QString comment;
    bool server = false;
};

struct AddressRemoveCommand
{
    int number = 0; // the address number as listed (1-based)
};

struct SpellCommand
{
    QString file; // text (UTF-8 or windows-1252) or RTF
};

// Writes a profile's main.ini, as the settings pane's Save would.
struct InitCommand
{
    QString name;
    QString inbox;
    std::optional<QString> data; // the folder of the three stores; the profile folder by default
    bool force = false;          // replace the settings of a profile that has them
};

// The usage of the tool, or of one command when it is named.
struct HelpCommand
{
    QString command;
};

struct VersionCommand
{};

using Command = std::variant<SendCommand, ForwardCommand, CheckCommand, ListCommand, ShowCommand, DeleteCommand, CompactCommand,
                             AddressListCommand,
                             AddressAddCommand, AddressRemoveCommand, SpellCommand, InitCommand, HelpCommand,
                             VersionCommand>;

struct Invocation
{
    std::optional<QString> profile; // --profile DIR
    Command command;
    bool verbose = false; // --verbose: the log of every library on standard error
};

struct UsageError
{
    QString message;
};

// Parses the arguments after the program name.
std::variant<Invocation, UsageError> parseArguments(const QStringList &arguments);

QString usageText();
// The lines of usageText() that describe one command (all of them for "address"); empty for a
// name that is no command.
QString commandUsage(const QString &command);

// Whether the command writes a store (and so needs the profile lock).
bool writesStores(const Command &command);

} // namespace corvane::cli
