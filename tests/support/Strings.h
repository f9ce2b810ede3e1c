#pragma once

#include <QString>
#include <QStringList>

#include <initializer_list>

namespace corvane::test {

// A list of texts written as UTF-8 literals.
inline QStringList strings(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

} // namespace corvane::test
