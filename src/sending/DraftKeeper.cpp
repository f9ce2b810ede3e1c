#include "DraftKeeper.h"

#include "Logging.h"

#include "platform/Errors.h"
#include "platform/FileIo.h"
#include "platform/UiThread.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <utility>

namespace corvane::sending {

namespace {

constexpr qint64 kMaxKeptBytes = 256 * 1024 * 1024;

QByteArray keptBytes(const Draft &draft)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("recipients"), QJsonArray::fromStringList(draft.recipients)},
                                     {QStringLiteral("subject"), draft.subject},
                                     {QStringLiteral("attachments"), QJsonArray::fromStringList(draft.attachmentPaths)},
                                     {QStringLiteral("rtf"), draft.rtfBody}})
        .toJson(QJsonDocument::Compact);
}

// Writes the draft, or removes the file when there is none to keep.
bool keep(const QString &path, const std::optional<Draft> &draft)
{
    if (!draft)
        return !QFile::exists(path) || QFile::remove(path);
    platform::writeFileAtomically(path, keptBytes(*draft), platform::Access::Private);
    return true;
}

QStringList strings(const QJsonValue &value)
{
    QStringList list;
    for (const QJsonValue &item : value.toArray())
        list.append(item.toString());
    return list;
}

} // namespace

DraftKeeper::DraftKeeper(QString path, Snapshot snapshot, QObject *parent)
    : QObject(parent), m_path(std::move(path)), m_snapshot(std::move(snapshot))
{
    m_worker.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(std::chrono::seconds(2));
    connect(&m_timer, &QTimer::timeout, this, &DraftKeeper::writeDue);
}

DraftKeeper::~DraftKeeper()
{
    m_worker.waitForDone();
}

void DraftKeeper::noteChange()
{
    if (m_writing)
        m_again = true;
    else if (!m_timer.isActive())
        m_timer.start();
}

void DraftKeeper::writeDue()
{
    m_writing = true;
    platform::startOnWorker(
        m_worker, this, [path = m_path, draft = m_snapshot()] { return keep(path, draft); },
        [this](const std::function<bool()> &outcome) {
            m_writing = false;
            try {
                if (!outcome())
                    qCWarning(lcSending, "the kept unsent message %s could not be removed", qUtf8Printable(m_path));
            } catch (const Error &error) {
                // Said in the log only: the user is typing, and the next change tries again.
                qCWarning(lcSending, "the unsent message could not be kept: %s", qUtf8Printable(error.message()));
            }
            if (std::exchange(m_again, false))
                noteChange();
        });
}

void DraftKeeper::saveNow()
{
    m_timer.stop();
    m_again = false;
    m_worker.waitForDone();
    if (!keep(m_path, m_snapshot()))
        qCWarning(lcSending, "the kept unsent message %s could not be removed", qUtf8Printable(m_path));
}

void DraftKeeper::discard()
{
    m_timer.stop();
    m_again = false;
    m_worker.waitForDone();
    keep(m_path, std::nullopt);
}

std::optional<Draft> DraftKeeper::read(const QString &path)
{
    if (!QFile::exists(path))
        return std::nullopt;
    QByteArray bytes;
    try {
        bytes = platform::readWholeFile(path, kMaxKeptBytes);
    } catch (const Error &error) {
        qCWarning(lcSending, "the kept unsent message cannot be read: %s", qUtf8Printable(error.message()));
        return std::nullopt;
    }
    const QJsonObject object = QJsonDocument::fromJson(bytes).object();
    if (object.isEmpty())
        return std::nullopt;
    Draft draft;
    draft.recipients = strings(object.value(QStringLiteral("recipients")));
    draft.subject = object.value(QStringLiteral("subject")).toString();
    draft.attachmentPaths = strings(object.value(QStringLiteral("attachments")));
    draft.rtfBody = object.value(QStringLiteral("rtf")).toString();
    return draft;
}

} // namespace corvane::sending
