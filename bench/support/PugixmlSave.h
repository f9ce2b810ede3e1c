#pragma once

#include <pugixml.hpp>

#include <QByteArray>

#include <fcntl.h>
#include <unistd.h>

namespace corvane::bench {

// pugixml writing a document raw and flushing the file to disk, as a store's save does: the
// yardstick of the store benchmarks.
inline void savePugixmlFlushed(const pugi::xml_document &document, const QByteArray &path)
{
    document.save_file(path.constData(), "", pugi::format_raw);
    const int fd = ::open(path.constData(), O_RDONLY);
    ::fsync(fd);
    ::close(fd);
}

} // namespace corvane::bench
