#pragma once

#include "TextSearch.h"

#include <QHash>
#include <QObject>
#include <QThreadPool>

#include <functional>
#include <utility>
#include <vector>

namespace corvane::ui {

// The plain texts of a store's message bodies, folded for the search. The rich texts are turned
// into plain text on an owned worker while the UI thread reads the store in short slices, so the
// window stays responsive; each text is kept by the content of its body, so a store that changes
// (a read mark, a deletion, new mail) needs only its new bodies converted.
class BodyTexts : public QObject
{
    Q_OBJECT

public:
    // What one build reads: the stored body (the rich text as UTF-8) of each message, in store
    // order, valid while the store keeps the revision.
    struct Source
    {
        quint64 revision = 0;
        int count = 0;
        std::function<QByteArrayView(int message)> body;
    };
    // The plain text of a rich text; runs on the worker, so it must touch nothing shared.
    using Converter = std::function<QString(const QString &richText)>;

    BodyTexts(Converter toPlainText, std::function<quint64()> storeRevision, QObject *parent = nullptr);
    // Waits for the worker.
    ~BodyTexts() override;

    // Builds the bodies of the source's revision; nothing when they are built or being built.
    // When every body is known from before, they are built before this returns.
    void build(Source source);
    bool isBuilding(quint64 revision) const { return m_building && m_source.revision == revision; }
    // The revision whose bodies index() holds, 0 for none.
    quint64 builtRevision() const { return m_builtRevision; }
    const SearchIndex &index() const { return m_index; }

Q_SIGNALS:
    // Messages done of those the build reads, after each batch the worker finished; (0, 0) when
    // the build stopped because the store changed.
    void progress(int done, int total);
    // index() now holds the bodies of the revision.
    void built(quint64 revision);

private:
    using Key = std::pair<size_t, qsizetype>; // the body's hash and size
    struct Batch
    {
        std::vector<Key> keys;
        std::vector<QByteArray> bodies;
    };

    void slice();
    void scheduleSlice();
    void finish();
    void converted(std::vector<Key> keys, std::vector<QByteArray> texts);

    Converter m_toPlainText;
    std::function<quint64()> m_storeRevision;
    Source m_source;
    bool m_building = false;
    bool m_workerBusy = false;
    int m_next = 0;                 // the next message whose body the build reads
    std::vector<Key> m_keys;        // of the messages read so far
    QHash<Key, QByteArray> m_fresh; // converted since the index was last built
    QHash<Key, int> m_indexed;      // which message of the index holds a body
    SearchIndex m_index;
    quint64 m_builtRevision = 0;
    QThreadPool m_pool;
};

} // namespace corvane::ui
