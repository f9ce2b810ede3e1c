#pragma once

// A send from the window whose check of the attached files waits on a share that answers only
// when the test lets it, so that the test can act in the window while the send runs.
#include "WindowProgram.h"

#include "richtext/widgets/RichTextEditor.h"
#include "sending/ComposeDraft.h"
#include "sending/ComposeSend.h"
#include "sending/widgets/AttachDialogue.h"
#include "sending/widgets/ComposePane.h"
#include "shell/widgets/ComposeParts.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QSemaphore>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <functional>

namespace corvane::test {

class HeldSend
{
public:
    explicit HeldSend(WindowProgram &p) : m_p(p)
    {
        p.window->compose()->send().setReadCheck([this](const QStringList &paths) {
            m_share.acquire();
            return sending::ComposeSend::unreadableAttachment(paths);
        });
    }
    // A check still held when the test ends is let go, so that the window can wait for it.
    ~HeldSend() { m_share.release(1000); }

    // Ann's message in the compose pane: subject, body text, recipients and one attached file.
    void write(const QString &subject, const QString &body, const QStringList &to)
    {
        shell::ComposeParts &compose = *m_p.window->compose();
        m_p.find<QLineEdit>("SubjectE")->setText(subject);
        QTest::keyClicks(compose.pane()->editor(), body);
        compose.draft().setRecipients(to);
        const QString file = m_p.app.file(QStringLiteral("plan.txt"));
        writeFile(file, "the plan");
        compose.attachDialogue()->AddFile(file);
    }

    // Presses Send; `meanwhile` runs in the window while the send waits for the share, which
    // answers after it; returns when the send has ended and its outcome has been shown.
    void send(const std::function<void()> &meanwhile)
    {
        QSignalSpy ended(m_p.window->compose()->pane(), &sending::ComposePane::sendEnded);
        m_p.find<QAbstractButton>("SendB")->click();
        meanwhile();
        m_share.release();
        EXPECT_TRUE(ended.wait(30000));
    }

private:
    WindowProgram &m_p;
    QSemaphore m_share;
};

} // namespace corvane::test
