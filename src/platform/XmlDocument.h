#pragma once

#include "Errors.h"
#include "FileIo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <QDateTime>

#include <functional>
#include <vector>

#include <pugixml.hpp>

namespace corvane::platform {

// Throws IoError, worded for the user, when a store's file failed to load (`loadFailure` says
// why) or the store has no file yet: nothing may be saved into it then.
void checkStoreSavable(const QString &fileName, const QString &loadFailure);

// An XML document held in memory with a built-in initial content and a file name: the stores,
// the outgoing message and the reader of message files. Documents this program writes start with
// exactly <?xml version="1.0"?> and carry no indentation.
class XmlDocument
{
public:
    explicit XmlDocument(QStringList initialContent = {});
    XmlDocument(const XmlDocument &) = delete;
    XmlDocument &operator=(const XmlDocument &) = delete;

    const QStringList &initialContent() const { return m_initialContent; }
    bool isActive() const { return m_active; }
    // An inactive document takes its built-in initial content.
    void activate();

    // Replaces the content by the given lines and parses them. Throws XmlError.
    void setContent(const QStringList &lines);
    // Parses a whole document from bytes (UTF-8, or the 8-bit encoding its declaration names).
    void loadFromBytes(QByteArray bytes, const QString &sourceName = {});

    const QString &fileName() const { return m_fileName; }
    // Points the document at a file without loading it: the next save writes over what the file
    // holds now, but not over what another installation writes into it after this call.
    void setFileName(const QString &fileName);
    // Replaces the content by the file's, read from disk every time. Throws IoError or XmlError.
    // A file that fails to load is never written by this document until a later load of it works
    // or another file is loaded: what is in memory is not what the file held.
    void load();
    void loadFromFile(const QString &fileName);
    // Why the document's file could not be loaded (the error's message); empty after a load that worked.
    const QString &loadFailure() const { return m_loadFailure; }
    // Throws IoError, worded for the user, when save() would refuse: the file failed to load, or
    // no file has been loaded.
    void checkSavable() const;
    // Writes the whole document to its file name atomically. When the file is no longer the one
    // this document last loaded or wrote (another installation saved it meanwhile), it is loaded
    // again and the pending changes are applied to it anew before the write, so that nothing the
    // other one wrote is lost. Throws WriteError, or IoError as checkSavable() does, or XmlError
    // when the changed file cannot be parsed (nothing is written then).
    void save();
    // Writes to any file but the one that failed to load, while that one is there.
    void saveTo(const QString &fileName) const;

    QByteArray toBytes() const;

    // A change already made to the tree, as it can be made again to the file's content after a
    // reload: it names its records by identity, never by position, and does nothing when its
    // record is gone.
    using Change = std::function<void(XmlDocument &)>;
    // Keeps the change until the next save writes it. Ignored while the document is read-only.
    void recordChange(Change change);
    bool hasPendingChanges() const { return !m_pending.empty(); }

    // A read-only document refuses every write with the reason, a message ready for the user.
    void setReadOnly(const QString &reason) { m_readOnlyReason = reason; }
    bool isReadOnly() const { return !m_readOnlyReason.isEmpty(); }
    const QString &readOnlyReason() const { return m_readOnlyReason; }
    // Throws IoError with the reason when the document is read-only.
    void checkWritable() const;

    // Counts the times the content was replaced (loaded, set or dropped), so that holders of
    // nodes can tell that the tree they saw is gone even when a new one reuses its memory.
    quint64 generation() const { return m_generation; }

    // The document element (empty when the document has none).
    pugi::xml_node root() const;
    pugi::xml_document &document() { return m_document; }
    const pugi::xml_document &document() const { return m_document; }

private:
    static QByteArray tailOf(const QByteArray &bytes);
    FileStamp writeTo(const QString &fileName) const;
    // Reads the file and loads it; remembers its stamp.
    void readFile();
    void parseInPlace(QByteArray utf8, qsizetype offset, const QString &sourceName);
    void normaliseDeclaration();

    QStringList m_initialContent;
    QString m_fileName;
    QString m_loadFailure;
    pugi::xml_document m_document;
    QByteArray m_buffer; // the parsed text the tree points into
    bool m_active = false;
    quint64 m_generation = 0;
    FileStamp m_stamp;                // of m_fileName as last loaded or written (its content)
    std::vector<Change> m_pending;    // made since then, not yet written
    QString m_readOnlyReason;
};

} // namespace corvane::platform
