#pragma once

#include "Errors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <pugixml.hpp>

namespace corvane::platform {

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
    void setFileName(const QString &fileName) { m_fileName = fileName; }
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
    // Writes the whole document to its file name atomically. Throws WriteError, or IoError as
    // checkSavable() does.
    void save() const;
    // Writes to any file but the one that failed to load, while that one is there.
    void saveTo(const QString &fileName) const;

    QByteArray toBytes() const;

    // Counts the times the content was replaced (loaded, set or dropped), so that holders of
    // nodes can tell that the tree they saw is gone even when a new one reuses its memory.
    quint64 generation() const { return m_generation; }

    // The document element (empty when the document has none).
    pugi::xml_node root() const;
    pugi::xml_document &document() { return m_document; }
    const pugi::xml_document &document() const { return m_document; }

private:
    void parseInPlace(QByteArray utf8, qsizetype offset, const QString &sourceName);
    void normaliseDeclaration();

    QStringList m_initialContent;
    QString m_fileName;
    QString m_loadFailure;
    pugi::xml_document m_document;
    QByteArray m_buffer; // the parsed text the tree points into
    bool m_active = false;
    quint64 m_generation = 0;
};

} // namespace corvane::platform
