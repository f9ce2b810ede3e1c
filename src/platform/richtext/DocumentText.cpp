#include "platform/richtext/DocumentText.h"

#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

namespace corvane::platform::rtf {

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

} // namespace corvane::platform::rtf
