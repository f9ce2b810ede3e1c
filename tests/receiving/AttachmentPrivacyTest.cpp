// Received attachments kept with their message are the user's alone; a file fetched into the own
// inbox folder on the share follows the share's rules, as it did.
#include "receiving/AttachmentFetcher.h"
#include "receiving/AttachmentFiles.h"

#include "platform/BackgroundCopies.h"
#include "support/EventWait.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>

using namespace corvane;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : mode_t(07777);
}

TEST(AttachmentPrivacy, FilesKeptWithTheirMessageAndTheirFoldersAreTheUsersAlone)
{
    const mode_t old = ::umask(022);
    test::TempFolder temp;
    const QString own = temp.subfolder(QStringLiteral("own"));
    const QString server = temp.subfolder(QStringLiteral("server"));
    const QString data = temp.subfolder(QStringLiteral("data"));
    test::writeFile(server + QStringLiteral("report.pdf"), "relayed");
    test::writeFile(server + QStringLiteral("old.txt"), "for a message without GUID");
    platform::BackgroundCopies copies;
    receiving::AttachmentFetcher fetcher(copies);
    const QString guid = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    const QString messageFolder = receiving::messageAttachmentFolder(data, guid);
    fetcher.GetAttach({QStringLiteral("report.pdf")}, server, true, own, messageFolder, {});
    fetcher.GetAttach({QStringLiteral("old.txt")}, server, true, own, {}, {});
    test::waitForCopies(copies);
    ::umask(old);

    EXPECT_EQ(modeOf(data + receiving::kAttachmentsFolderName), mode_t(0700));
    EXPECT_EQ(modeOf(messageFolder), mode_t(0700));
    EXPECT_EQ(test::readFile(messageFolder + QStringLiteral("report.pdf")), "relayed");
    EXPECT_EQ(modeOf(messageFolder + QStringLiteral("report.pdf")), mode_t(0600));
    // A copy into the own inbox folder is the user's alone too.
    EXPECT_EQ(modeOf(own + QStringLiteral("old.txt")), mode_t(0600));
}

} // namespace
#endif
