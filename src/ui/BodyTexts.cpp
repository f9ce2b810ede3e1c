#include "BodyTexts.h"
#include "Logging.h"

#include <QElapsedTimer>
#include <QHashFunctions>
#include <QTimer>

#include <exception>

namespace corvane::ui {

namespace {

// A slice reads for this long, or until its batch holds this many bytes, before it hands the
// batch to the worker; bodies known from before cost only their hash and are read further.
constexpr qint64 kSliceMs = 8;
constexpr qint64 kKnownSliceMs = 40;
constexpr qsizetype kBatchBytes = 2 * 1024 * 1024;

} // namespace

BodyTexts::BodyTexts(Converter toPlainText, std::function<quint64()> storeRevision, QObject *parent)
    : QObject(parent), m_toPlainText(std::move(toPlainText)), m_storeRevision(std::move(storeRevision))
{
    m_pool.setMaxThreadCount(1);
}

BodyTexts::~BodyTexts()
{
    m_pool.waitForDone();
}

void BodyTexts::build(Source source)
{
    if (source.revision == m_builtRevision || (m_building && source.revision == m_source.revision))
        return;
    m_source = std::move(source);
    m_building = true;
    m_next = 0;
    m_keys.clear();
    m_keys.reserve(size_t(m_source.count));
    if (!m_workerBusy)
        slice();
}

void BodyTexts::scheduleSlice()
{
    QTimer::singleShot(0, this, [this] {
        if (m_building && !m_workerBusy)
            slice();
    });
}

void BodyTexts::slice()
{
    // The store changed since the build started: what it would read is gone. The next search
    // starts a build of the new revision.
    if (m_storeRevision() != m_source.revision) {
        m_building = false;
        Q_EMIT progress(0, 0);
        return;
    }
    Batch batch;
    qsizetype batchBytes = 0;
    QElapsedTimer clock;
    clock.start();
    while (m_next < m_source.count) {
        const QByteArrayView body = m_source.body(m_next);
        const Key key{qHash(body), body.size()};
        m_keys.push_back(key);
        ++m_next;
        if (!m_fresh.contains(key) && !m_indexed.contains(key)) {
            batch.keys.push_back(key);
            batch.bodies.emplace_back(body.toByteArray());
            batchBytes += body.size();
        }
        if (batchBytes >= kBatchBytes || clock.elapsed() >= (batch.keys.empty() ? kKnownSliceMs : kSliceMs))
            break;
    }
    if (batch.keys.empty()) {
        if (m_next < m_source.count)
            scheduleSlice();
        else
            finish();
        return;
    }
    m_workerBusy = true;
    m_pool.start([this, toPlainText = m_toPlainText, batch = std::move(batch)]() mutable {
        std::vector<QByteArray> texts;
        texts.reserve(batch.bodies.size());
        for (QByteArray &body : batch.bodies) {
            QString plain;
            try {
                plain = toPlainText(QString::fromUtf8(body));
            } catch (const std::exception &error) {
                // Only find misses this body's words; the reader shows what is wrong with it.
                qCInfo(lcUi) << "find cannot read a message body:" << error.what();
            }
            texts.push_back(folded(plain));
            body = QByteArray(); // let the rich text go as soon as it is read
        }
        // Dropped with the object when it is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, keys = std::move(batch.keys), texts = std::move(texts)]() mutable {
                converted(std::move(keys), std::move(texts));
            },
            Qt::QueuedConnection);
    });
}

void BodyTexts::converted(std::vector<Key> keys, std::vector<QByteArray> texts)
{
    m_workerBusy = false;
    for (size_t i = 0; i < keys.size(); ++i)
        m_fresh.insert(keys[i], std::move(texts[i]));
    if (!m_building)
        return;
    Q_EMIT progress(m_next, m_source.count);
    scheduleSlice();
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
    m_builtRevision = m_source.revision;
    Q_EMIT progress(m_source.count, m_source.count);
    Q_EMIT built(m_builtRevision);
}

} // namespace corvane::ui
