#include "StoreRevision.h"

namespace corvane::platform {

void StoreRevision::raiseRevision()
{
    ++m_revision;
    Q_EMIT changed();
}

} // namespace corvane::platform
