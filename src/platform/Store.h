#pragma once

#include "StoreRevision.h"

#include <QString>

namespace corvane::platform {

// What the start-up and the store locks ask of every local store, whatever keeps its records:
// opening it on a file, saving what waits to be saved, and its read-only state. Used on the
// thread that owns the store.
class Store : public StoreRevision
{
    Q_OBJECT

public:
    // Makes the path the store's file (writing it first when missing) and loads it. Throws
    // IoError or XmlError; the revision rises either way.
    virtual void open(const QString &path) = 0;
    // Writes what the store holds and its file lacks. Throws WriteError, or IoError when the store
    // is read-only or its file failed to load.
    virtual void save() = 0;
    // Saves changes not yet saved (read marks) into the file they were made on, before that file
    // is loaded again or the store moves to another folder.
    virtual void saveUnsavedChanges() = 0;
    // A read-only store refuses every change with the reason, a message ready for the user; an
    // empty reason makes it writable.
    virtual void setReadOnly(const QString &reason) = 0;
    virtual bool isReadOnly() const = 0;
    virtual const QString &readOnlyReason() const = 0;

protected:
    explicit Store(QObject *parent = nullptr) : StoreRevision(parent) {}
};

} // namespace corvane::platform
