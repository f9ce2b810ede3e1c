#pragma once

#include <QObject>

namespace corvane::platform {

// What a store tells the views over it: a revision that rises with every change of the store's
// content, and changed() after each rise. A view that remembers the revision it shows reads the
// store again only when the two differ. Used on the thread that owns the store.
class StoreRevision : public QObject
{
    Q_OBJECT

public:
    // Never 0, so a view may take 0 for "nothing shown yet".
    quint64 revision() const { return m_revision; }

    // The store's document was loaded anew by someone else (the start-up loads the three store
    // documents together): whatever a view read from it before is gone.
    void documentReloaded() { raiseRevision(); }

Q_SIGNALS:
    void changed();

protected:
    explicit StoreRevision(QObject *parent = nullptr) : QObject(parent) {}
    void raiseRevision();

private:
    quint64 m_revision = 1;
};

} // namespace corvane::platform
