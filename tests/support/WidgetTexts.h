#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace corvane::test {

// The texts of a list's items, in order.
inline QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

inline QStringList items(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace corvane::test
