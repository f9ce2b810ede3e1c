#include "shell/widgets/MainWindow.h"

#include "shell/Navigation.h"

#include "sortgrid/widgets/SortGrid.h"

#include "WindowProgram.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

#include <map>

using corvane::shell::Pane;

namespace {

using Program = corvane::test::WindowProgram;

const QSize kSmallest(640, 480);
const QSize kLargest(3840, 2160);

void resizeTo(corvane::shell::MainWindow &window, QSize size)
{
    window.resize(size);
    QApplication::processEvents();
}

// Every control of the pane in front that can be used: shown, and wholly inside the window.
QStringList controlsOutOfView(const QWidget &window, const QWidget &pane)
{
    QStringList out;
    const QRect inWindow = window.rect();
    for (QWidget *control : pane.findChildren<QWidget *>()) {
        const bool usable = qobject_cast<QAbstractButton *>(control) || qobject_cast<QComboBox *>(control)
                            || qobject_cast<QAbstractSpinBox *>(control) || qobject_cast<QTextEdit *>(control)
                            || (qobject_cast<QLineEdit *>(control) && !qobject_cast<QComboBox *>(control->parent())
                                && !qobject_cast<QAbstractSpinBox *>(control->parent()));
        if (!usable || control->objectName().isEmpty())
            continue;
        const QRect at(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!control->isVisible() || !inWindow.contains(at))
            out.append(control->objectName());
    }
    return out;
}

// An action of a tool bar that the bar had no room for sits in its "»" extension.
QStringList actionsInAnOverflow(const QWidget &window)
{
    QStringList out;
    for (const QToolBar *bar : window.findChildren<QToolBar *>()) {
        if (!bar->isVisible())
            continue;
        for (QAction *action : bar->actions())
            if (action->isVisible() && !action->isSeparator() && !bar->widgetForAction(action)->isVisible())
                out.append(bar->objectName() + u'/' + action->text());
    }
    return out;
}

TEST(WindowLayout, TheNewPaneShowsEveryControlFromTheSmallestWindowToTheLargest)
{
    Program p;
    p.makeReady();
    corvane::shell::MainWindow &window = p.open();
    window.showPane(Pane::New);
    for (const QSize size : {kSmallest, kLargest}) {
        resizeTo(window, size);
        const QWidget &pane = *window.findChild<QWidget *>(QStringLiteral("NewPan"));
        EXPECT_EQ(controlsOutOfView(window, pane), QStringList()) << size.width() << "x" << size.height();
        EXPECT_EQ(actionsInAnOverflow(window), QStringList()) << size.width() << "x" << size.height();
    }
    // The address and attachment fields themselves, not only their buttons.
    for (const char *name : {"SubjectE", "ToC", "AttachC", "FontC", "SizeSE", "ToolButton7"})
        EXPECT_TRUE(p.find<QWidget>(name)->isVisible()) << name;
}

TEST(WindowLayout, FolderFieldsAndTheListsLastColumnsTakeTheRoomOfABiggerWindow)
{
    Program p;
    p.makeReady();
    corvane::shell::MainWindow &window = p.open();
    const std::pair<Pane, const char *> lists[] = {
        {Pane::InBox, "inboxSG"}, {Pane::SentItems, "SentSG"}, {Pane::AddressBook, "AddressSG"}};
    const char *const fields[] = {"YourInBoxE", "InBoxLocE"};
    auto measure = [&](QSize size) {
        resizeTo(window, size);
        std::map<QString, int> widths;
        window.showPane(Pane::Settings);
        QApplication::processEvents();
        for (const char *name : fields)
            widths[QLatin1String(name)] = p.find<QLineEdit>(name)->width();
        for (const auto &[pane, name] : lists) {
            window.showPane(pane);
            QApplication::processEvents();
            const auto *grid = p.find<corvane::sortgrid::TSortGrid>(name);
            widths[QLatin1String(name)] = grid->ColWidths(grid->ColCount() - 1);
        }
        return widths;
    };
    const std::map<QString, int> small = measure(kSmallest);
    const std::map<QString, int> large = measure(kLargest);
    for (const auto &[name, width] : small)
        EXPECT_GT(large.at(name), width + 1000) << qPrintable(name);
}

} // namespace
