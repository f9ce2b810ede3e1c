#include "StoreRevision.h"

#include "Paths.h"
#include "XmlDocument.h"

namespace corvane::platform {

void StoreRevision::raiseRevision()
{
    ++m_revision;
    Q_EMIT changed();
}

void StoreRevision::openDocument(XmlDocument &document, const QString &path)
{
    try {
        document.activate();
        if (!fileExists(path))
            document.saveTo(path);
        document.loadFromFile(path);
    } catch (const Error &) {
        raiseRevision(); // activating may have replaced the content already
        throw;
    }
    raiseRevision();
}

void StoreRevision::saveDocument(XmlDocument &document)
{
    const quint64 generation = document.generation();
    try {
        document.save();
    } catch (const Error &) {
        if (document.generation() != generation)
            raiseRevision();
        throw;
    }
    if (document.generation() != generation)
        raiseRevision();
}

} // namespace corvane::platform
