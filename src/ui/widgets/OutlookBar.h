#pragma once

#include <QFrame>
#include <QList>

#include <functional>

class QAbstractButton;
class QIcon;
class QPushButton;
class QToolButton;
class QVBoxLayout;

namespace corvane::ui {

// An outlook-style navigation bar: groups, each a header button over a column of large-icon items.
// One group is open at a time and at most one item is highlighted. Every click on a group header
// or an item first asks the change guard; a refused click changes nothing. The keyboard reaches
// the bar by Tab, at its highlighted item, and the arrow keys move the highlight.
class OutlookBar : public QFrame
{
    Q_OBJECT

public:
    explicit OutlookBar(QWidget *parent = nullptr);

    int addGroup(const QString &caption);
    // Adds an item to a group; objectName names its button. Returns the item's position.
    int addItem(int group, const QString &caption, const QIcon &icon, const QString &objectName = {});

    int groupCount() const { return static_cast<int>(m_groups.size()); }
    int itemCount(int group) const;
    QAbstractButton *groupButton(int group) const;
    QAbstractButton *itemButton(int group, int item) const;

    int currentGroup() const { return m_currentGroup; }
    // Opens a group without asking the guard.
    void setCurrentGroup(int group);
    // The highlighted item of the open group, -1 for none.
    int currentItem() const { return m_currentItem; }
    // Highlights an item of the open group without asking the guard; -1 or a position outside the
    // group highlights nothing.
    void setCurrentItem(int item);

    // Asked before a click changes the group or item; returning false refuses the click.
    void setChangeGuard(std::function<bool()> guard) { m_guard = std::move(guard); }

    void setIconSize(int pixels);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // A click on an item that the guard allowed; the item is now highlighted.
    void itemClicked(int group, int item);
    void groupChanged(int group);

private:
    struct Group
    {
        QPushButton *header = nullptr;
        QWidget *page = nullptr;
        QVBoxLayout *itemLayout = nullptr;
        QList<QToolButton *> items;
    };

    bool changeAllowed() const;
    void onGroupClicked(int group);
    void onItemClicked(int group, int item);
    void showHighlight();

    QVBoxLayout *m_layout;
    QList<Group> m_groups;
    int m_currentGroup = -1;
    int m_currentItem = -1;
    int m_iconSize = 32;
    std::function<bool()> m_guard;
};

} // namespace corvane::ui
