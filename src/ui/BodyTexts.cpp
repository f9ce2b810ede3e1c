#include "BodyTexts.h"
#include "Logging.h"

#include <QElapsedTimer>
#include <QHashFunctions>

#include <exception>

namespace corvane::ui {

namespace {

// The worker hands a batch over after this long, or once its new texts hold this many bytes.
constexpr qint64 kBatchMs = 50;
constexpr qsizetype kBatchBytes = 2 * 1024 * 1024;

} // namespace

// One build on the worker. What it takes from the UI thread it shares: the UI thread replaces the
// index and its map when a build ends and never changes them in place, and its fresh texts are
// copied away from the worker's on the UI thread's first insert.
struct BodyTexts::Run
{
    BodyTexts *owner;
    quint64 build;
    int count;
    std::function<QByteArrayView(int message)> body;
    Converter toPlainText;
    std::shared_ptr<std::atomic<bool>> cancel;
    const SearchIndex index;
    const QHash<Key, int> indexed;
    const QHash<Key, QByteArray> fresh;
};

BodyTexts::BodyTexts(Converter toPlainText, std::function<quint64()> storeRevision, QObject *parent)
    : QObject(parent), m_toPlainText(std::move(toPlainText)), m_storeRevision(std::move(storeRevision))
{
    m_pool.setMaxThreadCount(1);
}

BodyTexts::~BodyTexts()
{
    if (m_cancel)
        m_cancel->store(true);
    m_pool.waitForDone();
}

void BodyTexts::build(Source source)
{
    if (source.revision == m_builtRevision || (m_building && source.revision == m_revision))
        return;
    if (m_cancel)
        m_cancel->store(true); // a build of another revision: its bodies are not wanted any more
    ++m_build;
    m_revision = source.revision;
    m_count = source.body ? source.count : 0;
    m_building = true;
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    // The store changed since the caller looked: what the build would read is gone. The next
    // search starts a build of the new revision.
    if (m_storeRevision() != m_revision) {
        stop();
        return;
    }
    auto run = std::make_shared<Run>(
        Run{this, m_build, m_count, std::move(source.body), m_toPlainText, m_cancel, m_index, m_indexed, m_fresh});
    m_pool.start([run] { read(run); });
}

// On the worker: reads every body, converts those not known, then puts the index together.
void BodyTexts::read(const std::shared_ptr<Run> &run)
{
    const auto post = [&run](Batch batch) {
        // The destructor waits for this thread, so the owner is there; the call is dropped with it.
        QMetaObject::invokeMethod(
            run->owner,
            [owner = run->owner, build = run->build, batch = std::move(batch)]() mutable {
                owner->handOver(build, std::move(batch));
            },
            Qt::QueuedConnection);
    };
    std::vector<Key> keys;
    keys.reserve(size_t(run->count));
    QHash<Key, QByteArray> converted;
    Batch batch;
    qsizetype textBytes = 0;
    QElapsedTimer clock;
    clock.start();
    for (int message = 0; message < run->count; ++message) {
        if (run->cancel->load())
            return;
        QByteArrayView body;
        try {
            body = run->body(message);
        } catch (const std::exception &error) {
            qCInfo(lcUi) << "find cannot read the message bodies:" << error.what();
            batch.failed = true;
            post(std::move(batch));
            return;
        }
        const Key key{qHash(body), body.size()};
        keys.push_back(key);
        if (!run->indexed.contains(key) && !run->fresh.contains(key) && !converted.contains(key)) {
            QString plain;
            try {
                plain = run->toPlainText(QString::fromUtf8(body));
            } catch (const std::exception &error) {
                // Only find misses this body's words; the reader shows what is wrong with it.
                qCInfo(lcUi) << "find cannot read a message body:" << error.what();
            }
            const QByteArray text = folded(plain);
            converted.insert(key, text);
            batch.newKeys.push_back(key);
            batch.texts.push_back(text);
            textBytes += text.size();
        }
        if (textBytes >= kBatchBytes || clock.elapsed() >= kBatchMs) {
            batch.read = message + 1;
            post(std::exchange(batch, Batch{}));
            textBytes = 0;
            clock.restart();
        }
    }

    const auto textOf = [&run, &converted](const Key &key) {
        if (const auto text = converted.constFind(key); text != converted.cend())
            return QByteArrayView(*text);
        if (const auto text = run->fresh.constFind(key); text != run->fresh.cend())
            return QByteArrayView(*text);
        return run->index.textOf(run->indexed.value(key));
    };
    qsizetype bytes = 0;
    for (const Key &key : keys)
        bytes += textOf(key).size() + 1;
    batch.index.reserve(bytes);
    batch.indexed.reserve(qsizetype(keys.size()));
    for (const Key &key : keys) {
        if (run->cancel->load())
            return;
        batch.indexed.insert(key, batch.index.count());
        batch.index.appendFolded(textOf(key));
    }
    batch.read = run->count;
    batch.last = true;
    post(std::move(batch));
}

void BodyTexts::handOver(quint64 build, Batch batch)
{
    if (build != m_build || !m_building)
        return; // a build stopped or superseded since
    const bool stopping = batch.failed || m_storeRevision() != m_revision;
    if (!batch.last || stopping) {
        // Kept by content, the texts serve the next build too when this one stops.
        for (size_t i = 0; i < batch.newKeys.size(); ++i)
            m_fresh.insert(batch.newKeys[i], std::move(batch.texts[i]));
    }
    if (stopping) {
        stop();
        return;
    }
    if (!batch.last) {
        Q_EMIT progress(batch.read, m_count);
        return;
    }
    // Bodies no message holds any more are let go.
    m_building = false;
    m_index = std::move(batch.index);
    m_indexed = std::move(batch.indexed);
    m_fresh.clear();
    m_builtRevision = m_revision;
    Q_EMIT progress(m_count, m_count);
    Q_EMIT built(m_builtRevision);
}

void BodyTexts::stop()
{
    m_cancel->store(true);
    m_building = false;
    Q_EMIT progress(0, 0);
}

} // namespace corvane::ui
