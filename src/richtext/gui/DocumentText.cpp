#include "richtext/gui/DocumentText.h"

#include "richtext/RtfListNumbers.h"
#include "richtext/gui/RtfQtFormat.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace corvane::richtext {

QString documentText(const QTextDocument &document)
{
    QString text;
    text.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(QLatin1Char('\n'));
        text.append(block.text());
    }
    std::replace(text.begin(), text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
    return text;
}

QString plainText(const QTextDocument &document)
{
    QString text;
    if (document.isEmpty())
        return text;
    text.reserve(document.characterCount());
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(QLatin1Char('\n'));
        if (const QTextList *list = block.textList()) {
            const ListStyle style = listStyleOf(list->format());
            text += QString(style.level, QLatin1Char('\t')) + listLabel(style, style.start + list->itemNumber(block))
                    + QLatin1Char('\t');
        }
        QString blockText = block.text();
        blockText.remove(QChar(QChar::ObjectReplacementCharacter));
        text.append(blockText);
    }
    std::replace(text.begin(), text.end(), QChar(QChar::LineSeparator), QChar(u'\n'));
    return text;
}

} // namespace corvane::richtext
