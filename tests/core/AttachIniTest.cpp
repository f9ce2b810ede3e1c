#include "core/AttachIni.h"

#include "platform/IniFile.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

using namespace corvane;

namespace {

// Senders on other machines update the same Attach.ini: racing updates are all counted.
TEST(AttachIni, RacingUpdatesOfOneAttachIniAreAllCounted)
{
    const test::TempFolder temp;
    const QString server = temp.path();
    constexpr int kWriters = 4;
    constexpr int kEach = 10;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&] {
            for (int i = 0; i < kEach; ++i)
                core::recordServerAttachmentSent(server, QStringLiteral("a.doc"), 2);
        });
    for (std::thread &writer : writers)
        writer.join();
    EXPECT_EQ(platform::IniFile(server + core::kAttachIniFileName)
                  .readInteger(core::kAttachmentsSection, QStringLiteral("a.doc"), 0),
              2 * kWriters * kEach);
    EXPECT_EQ(QDir(server).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{core::kAttachIniFileName});
}

} // namespace
