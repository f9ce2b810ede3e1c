#include "ui/widgets/MessageBoxes.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxes, AShortMessageStillLeavesItsTitleBarRoomForTheWholeTitle)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Corvane on the reception desk"),
                    QStringLiteral("New mail"), QMessageBox::Ok);
    corvane::ui::makeRoomForTitle(box);
    box.show();
    QFont bold = box.font();
    bold.setBold(true);
    // The title, the window's icon and its close, minimise and maximise buttons.
    EXPECT_GT(box.width(), QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + 4 * box.fontMetrics().height());
}

} // namespace
