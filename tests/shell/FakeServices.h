#pragma once

#include "FakeMailCheck.h"
#include "receiving/NewMailAnnouncement.h"
#include "receiving/widgets/NotifyIcon.h"
#include "core/Notice.h"
#include "shell/widgets/WindowServices.h"

#include <QMenu>

#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace corvane::test {

// What the desktop was asked to do, in order: "box:TEXT", "beep", "sound:FILE", "notify:SUMMARY".
using DeskEvents = QStringList;

// Records what the window would have shown instead of showing it.
struct FakeMessages : shell::MessagePresenter
{
    DeskEvents *events = nullptr;
    QList<core::Notice> notices;
    QStringList errors; // the texts of the notices shown as errors
    QList<core::Notice::Code> codes() const
    {
        QList<core::Notice::Code> all;
        for (const core::Notice &notice : notices)
            all.append(notice.code);
        return all;
    }
    QStringList questions;
    bool answer = true; // what every confirmation answers: Yes
    int beeps = 0;
    std::function<void(const core::Notice &)> shown; // told of each notice as it is shown
    void showNotice(QWidget *, const core::Notice &notice) override
    {
        if (notice.beep)
            ++beeps;
        if (shown)
            shown(notice);
        notices.append(notice);
        if (notice.kind == core::Notice::Kind::Error)
            errors.append(notice.text);
        if (events)
            events->append(QStringLiteral("box:") + notice.text);
    }
    void beep() override
    {
        ++beeps;
        if (events)
            events->append(QStringLiteral("beep"));
    }
    bool confirm(QWidget *, const QString &question) override
    {
        questions.append(question);
        return answer;
    }
};

// Plays nothing; fails with a prepared reason when one is set.
struct FakeSound : receiving::SoundPlayer
{
    DeskEvents *events = nullptr;
    QString failWith;
    void play(const QString &file, std::function<void(const QString &)> failed) override
    {
        events->append(QStringLiteral("sound:") + file);
        if (!failWith.isEmpty())
            failed(failWith);
    }
};

struct FakeNotifications : receiving::DesktopNotifications
{
    DeskEvents *events = nullptr;
    QStringList bodies;
    std::function<void()> lastAction;
    void notify(const QString &summary, const QString &body, std::function<void()> activated) override
    {
        events->append(QStringLiteral("notify:") + summary);
        bodies.append(body);
        lastAction = std::move(activated);
    }
};

// A tray that is there (or not) and shows nothing; click() touches the icon.
struct FakeTray : receiving::TrayBackend
{
    bool available = true;
    bool visible = false;
    QMenu *menu = nullptr;
    bool isAvailable() const override { return available; }
    void setVisible(bool on) override { visible = on; }
    void setIcon(const QIcon &) override {}
    void setToolTip(const QString &) override {}
    void setContextMenu(QMenu *m) override { menu = m; }
    void click(QSystemTrayIcon::ActivationReason reason = QSystemTrayIcon::Trigger)
    {
        if (activated)
            activated(reason);
    }
};

struct FakeHelp : shell::HelpViewer
{
    QList<QUrl> opened;
    void open(QWidget *, const QUrl &url) override { opened.append(url); }
};

// Answers the dialogs with prepared results and remembers what they were asked.
struct FakeDialogs : shell::FileDialogs
{
    std::optional<QString> folderAnswer;
    std::optional<QString> fileAnswer;
    QString askedTitle;
    QString askedStart;
    QString askedFilter;
    int asked = 0;

    std::optional<QString> chooseFolder(QWidget *, const QString &title, const QString &start) override
    {
        ++asked;
        askedTitle = title;
        askedStart = start;
        return folderAnswer;
    }
    std::optional<QString> chooseFile(QWidget *, const QString &start, const QString &filter) override
    {
        ++asked;
        askedStart = start;
        askedFilter = filter;
        return fileAnswer;
    }
    std::optional<QString> chooseSaveFile(QWidget *, const QString &start) override
    {
        ++asked;
        askedStart = start;
        return fileAnswer;
    }
};

struct FakeServices
{
    DeskEvents events;
    FakeMessages messages;
    FakeHelp help;
    FakeDialogs dialogs;
    FakeSound sound;
    FakeNotifications notifications;
    FakeTray tray;
    shell::WindowServices services()
    {
        messages.events = sound.events = notifications.events = &events;
        return {&messages, &help, &dialogs, &sound, &notifications, &tray};
    }
};

} // namespace corvane::test
