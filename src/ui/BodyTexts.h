#pragma once

#include "TextSearch.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace corvane::ui {

// The plain texts of a store's message bodies, folded for the search. An owned worker reads the
// bodies and turns the rich texts into plain text, so neither a big store nor a slow share holds
// the window up; each text is kept by the content of its body, so a store that changes (a read
// mark, a deletion, new mail) needs only its new bodies converted.
class BodyTexts : public QObject
{
    Q_OBJECT

public:
    // What one build reads: the stored body (the rich text as UTF-8) of each message, in store
    // order. body() is called on the worker, one call at a time, with positions in increasing
    // order from 0, each at most once; the view it returns stays valid until the next call. It must
    // touch nothing the UI thread owns (the store hands out a self-contained snapshot of its
    // revision), and may throw std::exception, which stops the build.
    struct Source
    {
        quint64 revision = 0;
        int count = 0;
        std::function<QByteArrayView(int message)> body;
    };
    // The plain text of a rich text; runs on the worker, so it must touch nothing shared.
    using Converter = std::function<QString(const QString &richText)>;

    BodyTexts(Converter toPlainText, std::function<quint64()> storeRevision, QObject *parent = nullptr);
    // Stops the build and waits for the worker.
    ~BodyTexts() override;

    // Starts building the bodies of the source's revision and returns at once; nothing when they
    // are built or being built. A build of another revision under way stops.
    void build(Source source);
    bool isBuilding(quint64 revision) const { return m_building && m_revision == revision; }
    // The revision whose bodies index() holds, 0 for none.
    quint64 builtRevision() const { return m_builtRevision; }
    const SearchIndex &index() const { return m_index; }

Q_SIGNALS:
    // Messages read of those the build reads, after each batch the worker handed over; (0, 0)
    // when the build stopped because the store changed or a body could not be read.
    void progress(int done, int total);
    // index() now holds the bodies of the revision.
    void built(quint64 revision);

private:
    using Key = std::pair<size_t, qsizetype>; // the body's hash and size
    // What the worker hands over: how many messages it has read, the texts of the bodies it
    // converted since the last batch and, with the last batch, the index and where each body lies.
    struct Batch
    {
        int read = 0;
        std::vector<Key> newKeys;
        std::vector<QByteArray> texts;
        bool failed = false;
        bool last = false;
        SearchIndex index;
        QHash<Key, int> indexed;
    };
    struct Run; // one build on the worker

    static void read(const std::shared_ptr<Run> &run);
    void handOver(quint64 build, Batch batch);
    void stop();

    Converter m_toPlainText;
    std::function<quint64()> m_storeRevision;
    bool m_building = false;
    quint64 m_revision = 0; // of the build under way or last started
    int m_count = 0;        // messages that build reads
    quint64 m_build = 0;    // counts builds; a hand-over of an earlier one is dropped
    std::shared_ptr<std::atomic<bool>> m_cancel; // tells the worker to stop the build under way
    // Converted since the index was last built, also by builds that stopped.
    QHash<Key, QByteArray> m_fresh;
    QHash<Key, int> m_indexed; // which message of the index holds a body
    SearchIndex m_index;
    quint64 m_builtRevision = 0;
    QThreadPool m_pool;
};

} // namespace corvane::ui
