#pragma once

#include "platform/XmlDocument.h"
#include "support/TempFolder.h"

namespace corvane::test {

// A store on a document of its own, opened on its file in a temporary folder of its own (in a
// subfolder of it, when one is named). A test fixture derives from it beside ::testing::Test.
template <typename Store>
struct OpenedStore
{
    TempFolder temp;
    platform::XmlDocument document{Store::initialContent()};
    Store store{document};
    const QString storeFile;

    explicit OpenedStore(const QString &subfolder = {})
        : storeFile(Store::pathIn(subfolder.isEmpty() ? temp.path() : temp.subfolder(subfolder)))
    {
        store.open(storeFile);
    }
};

} // namespace corvane::test
