// The program's message boxes show what other users wrote as it was written.
#include "shell/widgets/WindowServices.h"

#include "sending/widgets/ComposePrompts.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct BoxCase
{
    const char *what;
    std::function<void(const QString &text)> show;
};

TEST(MessageBoxes, ShowMarkupFromAMessageAsPlainText)
{
    using corvane::core::Notice;
    const QString subject = QStringLiteral("<a href=\"x\">click</a>");
    corvane::sending::DesktopComposePrompts compose;
    corvane::shell::MessagePresenter &window = *corvane::shell::WindowServices{}.withDesktopDefaults().messages;
    const BoxCase cases[] = {
        {"window notice", [&](const QString &text) { window.showNotice(nullptr, Notice::error(Notice::Code::CopyFailed, text)); }},
        {"window question", [&](const QString &text) { window.confirm(nullptr, text); }},
        {"compose notice", [&](const QString &text) { compose.showNotice(nullptr, {Notice::Code::NewMail, Notice::Kind::Information, text, false}); }},
        {"compose question", [&](const QString &text) { compose.confirm(nullptr, text); }},
    };
    for (const BoxCase &c : cases) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << c.what;
            seen = true;
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr) << c.what;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << c.what;
            EXPECT_EQ(label->text(), subject) << c.what;
            box->done(QMessageBox::No);
        });
        c.show(subject);
        EXPECT_TRUE(seen) << c.what;
    }
}

} // namespace
