#pragma once

#include "addressbook/FolderProbe.h"

#include "platform/Paths.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace corvane::test {

// Answers folder tests from the disk (or a table), on the UI thread, after the starter has
// returned; in reverse order of starting, so that answer order differs from start order.
class FakeProbe : public addressbook::FolderProbe
{
public:
    std::function<bool(const QString &)> exists = [](const QString &path) { return platform::folderExists(path); };
    bool hold = false; // keep answers back until release()
    QStringList probed;

    void probe(const QString &folder, const QString &name, QObject *context,
               std::function<void(bool)> answer) override
    {
        probed.append(folder);
        m_pending.append({folder, name, context, std::move(answer)});
        if (!hold && m_pending.size() == 1)
            QTimer::singleShot(0, context, [this] { release(); });
    }

    void release()
    {
        const QList<Pending> pending = m_pending;
        m_pending.clear();
        for (auto it = pending.crbegin(); it != pending.crend(); ++it)
            if (it->context)
                it->answer(exists(it->folder));
    }

private:
    struct Pending
    {
        QString folder;
        QString name;
        QPointer<QObject> context;
        std::function<void(bool)> answer;
    };
    QList<Pending> m_pending;
};

} // namespace corvane::test
