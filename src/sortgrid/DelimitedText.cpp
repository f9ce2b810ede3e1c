#include "DelimitedText.h"

#include "StringGridModel.h"

#include "platform/FileIo.h"
#include "platform/TextCodec.h"

#include <QScopeGuard>

namespace corvane::sortgrid {

QStringList splitDelimitedLine(QStringView line, QChar separator)
{
    QStringList fields;
    for (const QStringView field : line.split(separator))
        fields.append(field.toString());
    return fields;
}

QStringList textLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

void ImportDelimited(StringGridModel &grid, const QString &fileName, QChar separator)
{
    grid.clearCells();
    const QStringList lines = textLines(platform::decodeUtf8OrWindows1252(platform::readWholeFile(fileName)));

    grid.BeginUpdate();
    const auto endUpdate = qScopeGuard([&grid] { grid.EndUpdate(); });
    grid.setGridRowCount(std::max<int>(int(lines.size()), grid.FixedRows()));
    grid.setGridColumnCount(grid.FixedCols() + 1);
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList fields = splitDelimitedLine(lines.at(row), separator);
        if (fields.size() > grid.gridColumnCount())
            grid.setGridColumnCount(int(fields.size()));
        grid.setRows(row, fields);
    }
}

void ExportDelimited(const StringGridModel &grid, const QString &fileName, QChar separator)
{
#ifdef Q_OS_WIN
    const QString lineBreak = QStringLiteral("\r\n");
#else
    const QString lineBreak = QStringLiteral("\n");
#endif
    QString text;
    for (int row = 0; row < grid.gridRowCount(); ++row) {
        text += grid.Rows(row).join(separator);
        text += lineBreak;
    }
    platform::writeFileAtomically(fileName, text.toUtf8(), platform::Access::Shared); // where the user puts it
}

} // namespace corvane::sortgrid
