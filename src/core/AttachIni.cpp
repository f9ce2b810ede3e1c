#include "AttachIni.h"
#include "Logging.h"

#include "platform/FolderLock.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"

#include <QFile>

namespace corvane::core {

namespace {

// True when the last counted fetch is done. Runs under the folder's lock.
bool countDown(const QString &iniPath, const QString &name, bool counted)
{
    platform::IniFile ini(iniPath);
    if (!ini.valueExists(kAttachmentsSection, name))
        return false;
    const int value = ini.readInteger(kAttachmentsSection, name, -1);
    if (value < 1) {
        ini.deleteKey(kAttachmentsSection, name); // -1: delivered to a personal folder, nothing to count
        return false;
    }
    if (!counted)
        return false;
    if (value == 1) {
        ini.deleteKey(kAttachmentsSection, name);
        return true;
    }
    ini.writeInteger(kAttachmentsSection, name, value - 1);
    return false;
}

} // namespace

void recordServerAttachmentSent(const QString &folderText, const QString &fileName, int messageFiles)
{
    const QString folder = platform::withTrailingSeparator(folderText);
    platform::updateUnderFolderLock(folder, [&] {
        platform::IniFile ini(platform::joinPath(folder, kAttachIniFileName));
        const int count = ini.readInteger(kAttachmentsSection, fileName, 0);
        if (count != -1)
            ini.writeInteger(kAttachmentsSection, fileName, count + messageFiles);
        qCDebug(lcCore) << "Attach.ini in" << folder << "counts" << fileName << "for" << messageFiles
                        << "more fetches";
    });
}

void recordPersonalAttachmentOnce(const QString &folderText, const QString &fileName)
{
    const QString folder = platform::withTrailingSeparator(folderText);
    const platform::FolderLock lock(folder, {.giveUpAfter = std::chrono::milliseconds(0)});
    platform::IniFile ini(platform::joinPath(folder, kAttachIniFileName));
    ini.writeInteger(kAttachmentsSection, fileName, -1);
}

FetchCount countDownFetch(const QString &folderText, const QString &fileName, bool counted, bool removeSource)
{
    const QString folder = platform::withTrailingSeparator(folderText);
    FetchCount result;
    platform::updateUnderFolderLock(folder, [&] {
        result.lastFetch = countDown(platform::joinPath(folder, kAttachIniFileName), fileName, counted);
        result.sourceRemoved = result.lastFetch && removeSource && QFile::remove(platform::joinPath(folder, fileName));
        qCDebug(lcCore) << "Attach.ini in" << folder << "counted down" << fileName
                        << (result.lastFetch ? "(last fetch)" : "");
    });
    return result;
}

} // namespace corvane::core
