#pragma once

#include "FakeMailCheck.h"
#include "core/Notice.h"
#include "shell/widgets/WindowServices.h"

#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace corvane::test {

// Records what the window would have shown instead of showing it.
struct FakeMessages : shell::MessagePresenter
{
    QStringList errors;
    QList<core::Notice> notices;
    int beeps = 0;
    void showError(QWidget *, const QString &message) override { errors.append(message); }
    void showNotice(QWidget *, const core::Notice &notice) override
    {
        if (notice.beep)
            ++beeps;
        notices.append(notice);
    }
    void beep() override { ++beeps; }
};

struct FakeHelp : shell::HelpViewer
{
    QList<QUrl> opened;
    void open(const QUrl &url) override { opened.append(url); }
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
};

struct FakeServices
{
    FakeMessages messages;
    FakeHelp help;
    FakeDialogs dialogs;
    shell::WindowServices services() { return {&messages, &help, &dialogs}; }
};

} // namespace corvane::test
