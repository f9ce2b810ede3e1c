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

struct BodyTexts::Run
{
    BodyTexts *owner;
    quint64 build;
    int count;
    std::function<QByteArrayView(int message)> body;
    Converter toPlainText;
    std::shared_ptr<std::atomic<bool>> cancel;
    const QHash<Key, int> indexed; // shares the UI thread's map, which is replaced, never changed
    QSet<Key> known;               // converted and not yet indexed: before this build and in it
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
    m_keys.clear();
    m_keys.reserve(size_t(m_count));
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    // The store changed since the caller looked: what the build would read is gone. The next
    // search starts a build of the new revision.
    if (m_storeRevision() != m_revision) {
        stop();
        return;
    }
    QSet<Key> known;
    known.reserve(m_fresh.size());
    for (auto fresh = m_fresh.cbegin(); fresh != m_fresh.cend(); ++fresh)
        known.insert(fresh.key());
    auto run = std::make_shared<Run>(Run{this, m_build, m_count, std::move(source.body), m_toPlainText, m_cancel,
                                         m_indexed, std::move(known)});
    m_pool.start([run] { read(run); });
}

// On the worker.
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
        batch.keys.push_back(key);
        if (!run->indexed.contains(key) && !run->known.contains(key)) {
            run->known.insert(key);
            QString plain;
            try {
                plain = run->toPlainText(QString::fromUtf8(body));
            } catch (const std::exception &error) {
                // Only find misses this body's words; the reader shows what is wrong with it.
                qCInfo(lcUi) << "find cannot read a message body:" << error.what();
            }
            batch.newKeys.push_back(key);
            batch.texts.push_back(folded(plain));
            textBytes += batch.texts.back().size();
        }
        if (textBytes >= kBatchBytes || clock.elapsed() >= kBatchMs) {
            post(std::exchange(batch, Batch{}));
            textBytes = 0;
            clock.restart();
        }
    }
    batch.last = true;
    post(std::move(batch));
}

void BodyTexts::handOver(quint64 build, Batch batch)
{
    if (build != m_build || !m_building)
        return; // a build stopped or superseded since
    // Kept by content, the texts serve whatever revision comes next.
    for (size_t i = 0; i < batch.newKeys.size(); ++i)
        m_fresh.insert(batch.newKeys[i], std::move(batch.texts[i]));
    if (batch.failed || m_storeRevision() != m_revision) {
        stop();
        return;
    }
    m_keys.insert(m_keys.end(), batch.keys.begin(), batch.keys.end());
    if (batch.last)
        finish();
    else
        Q_EMIT progress(int(m_keys.size()), m_count);
}

void BodyTexts::stop()
{
    m_cancel->store(true);
    m_building = false;
    m_keys.clear();
    Q_EMIT progress(0, 0);
}

void BodyTexts::finish()
{
    m_building = false;
    SearchIndex index;
    QHash<Key, int> indexed;
    qsizetype bytes = 0;
    for (const Key &key : m_keys) {
        const auto fresh = m_fresh.constFind(key);
        bytes += fresh != m_fresh.cend() ? fresh->size() : m_index.textOf(m_indexed.value(key)).size();
    }
    index.reserve(bytes + qsizetype(m_keys.size()));
    for (const Key &key : m_keys) {
        const auto fresh = m_fresh.constFind(key);
        indexed.insert(key, index.count());
        index.appendFolded(fresh != m_fresh.cend() ? QByteArrayView(*fresh) : m_index.textOf(m_indexed.value(key)));
    }
    // Bodies no message holds any more are let go.
    m_index = std::move(index);
    m_indexed = std::move(indexed);
    m_fresh.clear();
    m_keys.clear();
    m_builtRevision = m_revision;
    Q_EMIT progress(m_count, m_count);
    Q_EMIT built(m_builtRevision);
}

} // namespace corvane::ui
