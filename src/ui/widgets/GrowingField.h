#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

namespace corvane::ui {

// Lets a line edit take its place in a layout (at least its design width, more when the layout gives
// room) and grow over its neighbours while the mouse rests on it, far enough to show its whole text
// but never past its parent's right edge; it shrinks back to its place when the mouse leaves. The
// edit becomes a direct child of the parent and follows a placeholder, slot(), which is what the
// layout holds.
class GrowingField : public QObject
{
    Q_OBJECT

public:
    GrowingField(QLineEdit *edit, QWidget *parent, int designWidth = 121);

    QWidget *slot() const { return m_slot; }
    QLineEdit *edit() const { return m_edit; }
    int designWidth() const { return m_designWidth; }

    void grow();
    void shrink();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followSlot(int width);

    QLineEdit *m_edit;
    QWidget *m_parent;
    QWidget *m_slot;
    int m_designWidth;
    bool m_grown = false; // widened while the mouse rests on it
};

} // namespace corvane::ui
