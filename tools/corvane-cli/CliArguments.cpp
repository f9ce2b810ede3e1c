#include "CliArguments.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>
#include <vector>

namespace corvane::cli {

using namespace Qt::StringLiterals;

namespace {

// Walks the arguments of one command, taking options and their values.
class Reader
{
public:
    explicit Reader(QStringList arguments) : m_arguments(std::move(arguments)) {}

    bool atEnd() const { return m_index >= m_arguments.size(); }
    QString next() { return m_arguments.at(m_index++); }
    std::optional<QString> value(const QString &option)
    {
        if (atEnd()) {
            m_error = QCoreApplication::translate("CliArguments", "%1 needs a value").arg(option);
            return std::nullopt;
        }
        return next();
    }
    void fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
    }
    const QString &error() const { return m_error; }

private:
    QStringList m_arguments;
    qsizetype m_index = 0;
    QString m_error;
};

// When `option` is `name`, takes its value into `target` (and notes it was given): true then.
bool takeText(Reader &r, const QString &option, QStringView name, QString &target, bool *given = nullptr)
{
    if (option != name)
        return false;
    if (auto v = r.value(option)) {
        target = *v;
        if (given)
            *given = true;
    }
    return true;
}

std::optional<int> positiveNumber(const QString &text)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        return std::nullopt;
    return n;
}

Command parseSend(Reader &r)
{
    SendCommand send;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        if (option == u"--to") {
            if (auto v = r.value(option))
                send.to.append(*v);
        } else if (option == u"--subject") {
            if (auto v = r.value(option))
                send.subject = *v;
        } else if (option == u"--body") {
            if (auto v = r.value(option))
                send.body = *v;
        } else if (option == u"--body-file") {
            if (auto v = r.value(option))
                send.bodyFile = *v;
        } else if (option == u"--attach") {
            if (auto v = r.value(option))
                send.attachments.append(*v);
        } else {
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for send: %1").arg(option));
        }
    }
    if (send.to.isEmpty())
        r.fail(QCoreApplication::translate("CliArguments", "send needs at least one --to NAME"));
    if (send.body && send.bodyFile)
        r.fail(QCoreApplication::translate("CliArguments", "give either --body or --body-file, not both"));
    return send;
}

Command parseForward(Reader &r)
{
    ForwardCommand forward;
    bool haveNumber = false;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        if (option == u"--to") {
            if (auto v = r.value(option))
                forward.to.append(*v);
        } else if (option == u"--body") {
            if (auto v = r.value(option))
                forward.body = *v;
        } else if (!haveNumber && !option.startsWith(u'-')) {
            const auto n = positiveNumber(option);
            if (!n)
                r.fail(QCoreApplication::translate("CliArguments", "the message number must be 1 or more: %1").arg(option));
            forward.number = n.value_or(0);
            haveNumber = true;
        } else {
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for forward: %1").arg(option));
        }
    }
    if (!haveNumber)
        r.fail(QCoreApplication::translate("CliArguments", "forward needs a message number"));
    else if (forward.to.isEmpty())
        r.fail(QCoreApplication::translate("CliArguments", "forward needs at least one --to NAME"));
    return forward;
}

Command parseList(Reader &r)
{
    ListCommand list;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        if (option == u"--sent")
            list.sent = true;
        else
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for list: %1").arg(option));
    }
    return list;
}

// The options of a command on one message: its number, --sent, and the flags the command adds
// (each sets its bool).
int parseMessageNumber(Reader &r, const char *command, bool &sent, const std::vector<std::pair<const char *, bool *>> &flags = {})
{
    int number = 0;
    bool haveNumber = false;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        const auto flag = std::find_if(flags.begin(), flags.end(),
                                       [&](const auto &f) { return option == QLatin1StringView(f.first); });
        if (option == u"--sent") {
            sent = true;
        } else if (flag != flags.end()) {
            *flag->second = true;
        } else if (!haveNumber && !option.startsWith(u'-')) {
            const auto n = positiveNumber(option);
            if (!n)
                r.fail(QCoreApplication::translate("CliArguments", "the message number must be 1 or more: %1").arg(option));
            number = n.value_or(0);
            haveNumber = true;
        } else {
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for %1: %2").arg(QLatin1StringView(command), option));
        }
    }
    if (!haveNumber)
        r.fail(QCoreApplication::translate("CliArguments", "%1 needs a message number").arg(QLatin1StringView(command)));
    return number;
}

Command parseDelete(Reader &r)
{
    DeleteCommand command;
    command.number = parseMessageNumber(r, "delete", command.sent);
    return command;
}

Command parseCompact(Reader &r)
{
    CompactCommand command;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        if (option == u"--sent")
            command.sent = true;
        else
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for compact: %1").arg(option));
    }
    return command;
}

Command parseShow(Reader &r)
{
    ShowCommand show;
    show.number = parseMessageNumber(r, "show", show.sent, {{"--rtf", &show.rtf}});
    return show;
}

Command parseAddress(Reader &r)
{
    if (r.atEnd()) {
        r.fail(QCoreApplication::translate("CliArguments", "address needs list, add or remove"));
        return HelpCommand{};
    }
    const QString verb = r.next();
    if (verb == u"list") {
        if (!r.atEnd())
            r.fail(QCoreApplication::translate("CliArguments", "address list takes no options"));
        return AddressListCommand{};
    }
    if (verb == u"add") {
        AddressAddCommand add;
        bool haveName = false;
        bool haveInbox = false;
        while (!r.atEnd() && r.error().isEmpty()) {
            const QString option = r.next();
            if (takeText(r, option, u"--name", add.name, &haveName) || takeText(r, option, u"--inbox", add.inbox, &haveInbox)
                || takeText(r, option, u"--comment", add.comment)) {
            } else if (option == u"--server") {
                add.server = true;
            } else {
                r.fail(QCoreApplication::translate("CliArguments", "unknown option for address add: %1").arg(option));
            }
        }
        if (!haveName || !haveInbox)
            r.fail(QCoreApplication::translate("CliArguments", "address add needs --name NAME and --inbox DIR"));
        return add;
    }
    if (verb == u"remove") {
        AddressRemoveCommand remove;
        if (r.atEnd()) {
            r.fail(QCoreApplication::translate("CliArguments", "address remove needs an address number"));
            return remove;
        }
        const QString text = r.next();
        const auto n = positiveNumber(text);
        if (!n)
            r.fail(QCoreApplication::translate("CliArguments", "the address number must be 1 or more: %1").arg(text));
        remove.number = n.value_or(0);
        if (!r.atEnd())
            r.fail(QCoreApplication::translate("CliArguments", "address remove takes one number"));
        return remove;
    }
    r.fail(QCoreApplication::translate("CliArguments", "unknown address command: %1").arg(verb));
    return HelpCommand{};
}

Command parseInit(Reader &r)
{
    InitCommand init;
    bool haveName = false;
    bool haveInbox = false;
    while (!r.atEnd() && r.error().isEmpty()) {
        const QString option = r.next();
        if (takeText(r, option, u"--name", init.name, &haveName) || takeText(r, option, u"--inbox", init.inbox, &haveInbox)) {
        } else if (option == u"--data") {
            if (auto v = r.value(option))
                init.data = *v;
        } else if (option == u"--force") {
            init.force = true;
        } else {
            r.fail(QCoreApplication::translate("CliArguments", "unknown option for init: %1").arg(option));
        }
    }
    if (!haveName || !haveInbox)
        r.fail(QCoreApplication::translate("CliArguments", "init needs --name NAME and --inbox DIR"));
    return init;
}

} // namespace

std::variant<Invocation, UsageError> parseArguments(const QStringList &arguments)
{
    Reader r(arguments);
    Invocation invocation{std::nullopt, HelpCommand{}};
    if (!r.atEnd()) {
        // Global options come before the command.
        QStringList rest;
        while (!r.atEnd()) {
            const QString word = r.next();
            if (word == u"--profile") {
                if (auto v = r.value(word))
                    invocation.profile = *v;
                continue;
            }
            if (word == u"--verbose") {
                invocation.verbose = true;
                continue;
            }
            if (word == u"--help" || word == u"-h" || word == u"help")
                return invocation;
            if (word == u"--version") {
                invocation.command = VersionCommand{};
                return invocation;
            }
            rest.append(word);
            while (!r.atEnd())
                rest.append(r.next());
        }
        if (!r.error().isEmpty())
            return UsageError{r.error()};
        if (rest.isEmpty())
            return UsageError{QCoreApplication::translate("CliArguments", "no command given")};
        Reader c(rest.mid(1));
        const QString name = rest.first();
        // Each command's --help shows its own usage, whatever else is given.
        if (rest.contains(u"--help"_s) || rest.contains(u"-h"_s)) {
            if (commandUsage(name).isEmpty())
                return UsageError{QCoreApplication::translate("CliArguments", "unknown command: %1").arg(name)};
            invocation.command = HelpCommand{name};
            return invocation;
        }
        if (name == u"send")
            invocation.command = parseSend(c);
        else if (name == u"forward")
            invocation.command = parseForward(c);
        else if (name == u"check") {
            if (!c.atEnd())
                c.fail(QCoreApplication::translate("CliArguments", "check takes no options"));
            invocation.command = CheckCommand{};
        } else if (name == u"list")
            invocation.command = parseList(c);
        else if (name == u"show")
            invocation.command = parseShow(c);
        else if (name == u"delete")
            invocation.command = parseDelete(c);
        else if (name == u"compact")
            invocation.command = parseCompact(c);
        else if (name == u"address")
            invocation.command = parseAddress(c);
        else if (name == u"init")
            invocation.command = parseInit(c);
        else if (name == u"spell") {
            if (c.atEnd())
                c.fail(QCoreApplication::translate("CliArguments", "spell needs a file"));
            else
                invocation.command = SpellCommand{c.next()};
            if (!c.atEnd())
                c.fail(QCoreApplication::translate("CliArguments", "spell takes one file"));
        }
        else
            c.fail(QCoreApplication::translate("CliArguments", "unknown command: %1").arg(name));
        if (!c.error().isEmpty())
            return UsageError{c.error()};
        return invocation;
    }
    return UsageError{QCoreApplication::translate("CliArguments", "no command given")};
}

namespace {

// The usage's entries, each the lines of one command (address has three). Names and options stay
// as typed; the descriptions are translated.
struct UsageEntry
{
    const char *command;
    const char *text;
};

const UsageEntry kUsageEntries[] = {
    {"send", QT_TRANSLATE_NOOP("CliUsage",
                               "  send --to NAME [--to NAME ...] [--subject TEXT] [--body TEXT | --body-file FILE]\n"
                               "       [--attach FILE ...]       send a message (a .rtf body file is taken as RTF)")},
    {"forward", QT_TRANSLATE_NOOP("CliUsage",
                                  "  forward N --to NAME [--to NAME ...] [--body TEXT]\n"
                                  "                                 forward inbox message N with its attached files")},
    {"check", QT_TRANSLATE_NOOP("CliUsage",
                                "  check                          take new mail into the inbox; prints \"N new\"")},
    {"list", QT_TRANSLATE_NOOP("CliUsage",
                               "  list [--sent]                  list the inbox (or Sent Items), one message a line")},
    {"show", QT_TRANSLATE_NOOP("CliUsage",
                               "  show N [--sent] [--rtf]        show message N (with --rtf, the stored RTF body); an inbox\n"
                               "                                 message lists each attachment's file, tab-separated")},
    {"delete", QT_TRANSLATE_NOOP("CliUsage",
                                 "  delete N [--sent]              delete message N from the inbox (or Sent Items)")},
    {"compact", QT_TRANSLATE_NOOP("CliUsage",
                                  "  compact [--sent]               give back the room deleted messages left in the store")},
    {"address", QT_TRANSLATE_NOOP("CliUsage", "  address list                   list the address book")},
    {"address", QT_TRANSLATE_NOOP("CliUsage", "  address add --name NAME --inbox DIR [--comment TEXT] [--server]")},
    {"address", QT_TRANSLATE_NOOP("CliUsage", "  address remove N               remove address N")},
    {"init", QT_TRANSLATE_NOOP("CliUsage",
                               "  init --name NAME --inbox DIR [--data DIR] [--force]\n"
                               "                                 write the profile's main.ini: your name, your inbox folder\n"
                               "                                 on the share and the folder of your stores (the profile\n"
                               "                                 folder by default); --force replaces existing settings")},
    {"spell", QT_TRANSLATE_NOOP("CliUsage",
                                "  spell FILE                     check the spelling of a text or RTF file: one line an\n"
                                "                                 unknown word (position, word, suggestions); exit 1 if any")},
};

QString usageEntries(const QString &command)
{
    QStringList lines;
    for (const UsageEntry &entry : kUsageEntries) {
        if (command.isEmpty() || command == QLatin1StringView(entry.command))
            lines.append(QCoreApplication::translate("CliUsage", entry.text));
    }
    return lines.join(u'\n');
}

} // namespace

QString usageText()
{
    return QCoreApplication::translate("CliUsage", "Usage: corvane-cli [--profile DIR] [--verbose] COMMAND [OPTIONS]\n"
                                                   "       corvane-cli --version\n"
                                                   "       corvane-cli COMMAND --help\n"
                                                   "\n"
                                                   "Commands:\n")
        + usageEntries(QString()) + u"\n\n"_s
        + QCoreApplication::translate(
            "CliUsage",
            "The settings are main.ini in the profile folder. Without --profile the window's profile is\n"
            "used: the program's folder when it holds main.ini, or when it is a portable copy you may\n"
            "write; otherwise (an installed package) $XDG_CONFIG_HOME/corvane, by default ~/.config/corvane.\n"
            "With --verbose, what the program does on the shares (retries, files set aside, locks broken,\n"
            "messages delivered and taken) is logged on standard error.\n"
            "Text that others wrote is printed with its control characters made visible, so that it\n"
            "cannot drive the terminal or break lines and columns: a backslash as \\\\, tab, newline and\n"
            "carriage return as \\t, \\n and \\r, other control characters as \\xHH, and bidirectional\n"
            "controls and line separators as \\uHHHH. The fields of list, address list and show's headers\n"
            "escape tabs and newlines too; a body shown as text keeps them; show --rtf writes such\n"
            "characters as RTF escapes (\\'1b), so the RTF stays the same document.\n"
            "Exit status: 0 success, 1 the operation failed, 2 usage error.\n");
}

QString commandUsage(const QString &command)
{
    const QString entry = command.isEmpty() ? QString() : usageEntries(command);
    if (entry.isEmpty())
        return {};
    return QCoreApplication::translate("CliUsage", "Usage: corvane-cli [--profile DIR] [--verbose] %1 ...\n\n%2\n")
        .arg(command, entry);
}

bool writesStores(const Command &command)
{
    return std::holds_alternative<SendCommand>(command) || std::holds_alternative<ForwardCommand>(command)
        || std::holds_alternative<CheckCommand>(command)
        || std::holds_alternative<DeleteCommand>(command) || std::holds_alternative<CompactCommand>(command)
        || std::holds_alternative<AddressAddCommand>(command)
        || std::holds_alternative<AddressRemoveCommand>(command);
}

} // namespace corvane::cli
