#include "ColumnSettings.h"

#include "Settings.h"

#include "platform/IniFile.h"

namespace corvane::shell {

namespace {

QString sortKey(GridId grid)
{
    switch (grid) {
    case GridId::Address: return QStringLiteral("Address Sort");
    case GridId::Inbox: return QStringLiteral("Inbox Sort");
    case GridId::Sent: return QStringLiteral("Sent Sort");
    }
    return {};
}

QString directionKey(GridId grid)
{
    return sortKey(grid) + QStringLiteral(" Direction");
}

GridColumnSettings readGrid(const platform::IniFile &file, GridId grid)
{
    GridColumnSettings g;
    const QList<QString> names = widthKeys(grid);
    const QList<int> defaults = defaultWidths(grid);
    for (qsizetype i = 0; i < names.size(); ++i)
        g.widths.append(file.readInteger(keys::columns, names[i], defaults[i]));
    g.sortColumn = file.readInteger(keys::columns, sortKey(grid), 1);
    g.sortDirection = file.readInteger(keys::columns, directionKey(grid), 1);
    return g;
}

} // namespace

const GridColumnSettings &ColumnSettings::grid(GridId id) const
{
    switch (id) {
    case GridId::Address: return address;
    case GridId::Inbox: return inbox;
    case GridId::Sent: return sent;
    }
    return address;
}

QList<QString> widthKeys(GridId grid)
{
    switch (grid) {
    case GridId::Address:
        return {QStringLiteral("Address Counter"), QStringLiteral("Address Name"),
                QStringLiteral("Address Inbox"), QStringLiteral("Address Comment"),
                QStringLiteral("Address Server")};
    case GridId::Inbox:
        return {QStringLiteral("Inbox Counter"), QStringLiteral("Inbox From"),
                QStringLiteral("Inbox Subject"), QStringLiteral("Inbox Attachments"),
                QStringLiteral("Inbox Date"), QStringLiteral("Inbox Read")};
    case GridId::Sent:
        return {QStringLiteral("Sent Counter"), QStringLiteral("Sent To"),
                QStringLiteral("Sent Subject"), QStringLiteral("Sent Attachments"),
                QStringLiteral("Sent Date"), QStringLiteral("Sent Delivery")};
    }
    return {};
}

QList<int> defaultWidths(GridId grid)
{
    switch (grid) {
    case GridId::Address: return {0, 60, 220, 350, 40};
    case GridId::Inbox: return {0, 75, 170, 220, 130, 65};
    case GridId::Sent: return {0, 75, 170, 220, 130, 150};
    }
    return {};
}

ColumnSettings readColumnSettings(const platform::IniFile &file)
{
    ColumnSettings s;
    s.address = readGrid(file, GridId::Address);
    s.inbox = readGrid(file, GridId::Inbox);
    s.sent = readGrid(file, GridId::Sent);
    s.enableSort = file.readBool(keys::columns, keys::enableSort, true);
    return s;
}

void writeColumnWidths(platform::IniFile &file, GridId grid, const QList<int> &widths)
{
    const QList<QString> names = widthKeys(grid);
    for (qsizetype i = 1; i < names.size() && i < widths.size(); ++i)
        file.writeInteger(keys::columns, names[i], widths[i]);
}

void writeClickSort(platform::IniFile &file, GridId grid, int column, int direction)
{
    file.writeInteger(keys::columns, sortKey(grid), column);
    file.writeInteger(keys::columns, directionKey(grid), direction);
}

} // namespace corvane::shell
