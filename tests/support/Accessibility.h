#pragma once

#include <QAccessible>
#include <QAccessibleInterface>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <gtest/gtest.h>

namespace corvane::test {

// What counts when walking a pane for a screen reader.
struct NamedControlsWalk
{
    bool labelsAreControls = false;   // labels count as controls and must have a text
    bool tooltipIsDescription = false; // a control's tooltip is read as its description
};

// Walks what a screen reader reaches from an interface: every visible control must have a name.
// The cells of a table and the items of a combo box carry their own texts and are not walked.
// Returns the number of controls met.
inline int expectNamedControls(QAccessibleInterface *node, const QString &path, NamedControlsWalk walk = {})
{
    if (!node || node->state().invisible)
        return 0;
    static const QList<QAccessible::Role> controls = {
        QAccessible::PushButton, QAccessible::ButtonMenu,   QAccessible::ButtonDropDown, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::SpinBox,    QAccessible::List,           QAccessible::Table,
        QAccessible::ToolBar,    QAccessible::CheckBox,     QAccessible::RadioButton};
    const QAccessible::Role role = node->role();
    const QString here = path + QLatin1Char('/') + (node->object() ? node->object()->objectName() : QString());
    int seen = 0;
    if (controls.contains(role) || (walk.labelsAreControls && role == QAccessible::StaticText)) {
        ++seen;
        EXPECT_FALSE(node->text(QAccessible::Name).isEmpty()) << here.toStdString() << " (role " << role << ")";
    }
    if (auto *widget = qobject_cast<QWidget *>(node->object());
        walk.tooltipIsDescription && widget && !widget->toolTip().isEmpty()) {
        EXPECT_EQ(node->text(QAccessible::Description), widget->toolTip()) << here.toStdString();
    }
    if (role == QAccessible::Table || role == QAccessible::ComboBox)
        return seen;
    for (int i = 0; i < node->childCount(); ++i)
        seen += expectNamedControls(node->child(i), here, walk);
    return seen;
}

// Every visible control that takes the focus and that a screen reader cannot name, with its path of
// object names. The items of lists, tables and combo boxes carry their own texts and are not walked.
inline QStringList unnamedFocusableControls(QAccessibleInterface *node, const QString &path = {})
{
    if (!node || node->state().invisible)
        return {};
    const QString here = path + QLatin1Char('/') + (node->object() ? node->object()->objectName() : QString());
    QStringList unnamed;
    if (node->state().focusable && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(here + QStringLiteral(" (role %1)").arg(node->role()));
    static const QList<QAccessible::Role> itemHolders = {QAccessible::List, QAccessible::Table, QAccessible::Tree,
                                                         QAccessible::ComboBox};
    if (itemHolders.contains(node->role()))
        return unnamed;
    for (int i = 0; i < node->childCount(); ++i)
        unnamed += unnamedFocusableControls(node->child(i), here);
    return unnamed;
}

// The first visible control under the node with this name, depth first.
inline QAccessibleInterface *findNamed(QAccessibleInterface *node, const QString &name)
{
    if (!node || node->state().invisible)
        return nullptr;
    if (node->text(QAccessible::Name) == name)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface *found = findNamed(node->child(i), name))
            return found;
    }
    return nullptr;
}

} // namespace corvane::test
