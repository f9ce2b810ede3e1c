#include "ui/FolderFields.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace corvane::ui;

namespace {

const QString sep = QDir::separator();

TEST(FolderFields, LeavingAFieldAddsOneTrailingSeparatorAndLeavesAnEmptyFieldEmpty)
{
    EXPECT_EQ(folderFieldOnExit(QStringLiteral("data")), QStringLiteral("data") + sep);
    EXPECT_EQ(folderFieldOnExit(QStringLiteral("data") + sep), QStringLiteral("data") + sep);
    EXPECT_EQ(folderFieldOnExit(QString()), QString());
}

TEST(FolderFields, APickedRootFolderGetsNoSecondSeparator)
{
    EXPECT_EQ(pickedFolderText(QStringLiteral("/")), QDir::toNativeSeparators(QStringLiteral("/")));
    EXPECT_EQ(pickedFolderText(QStringLiteral("/srv/mail")),
              QDir::toNativeSeparators(QStringLiteral("/srv/mail/")));
}

} // namespace
