#pragma once

#include "support/TempFolder.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace corvane::test {

// A store opened on its file in a temporary folder of its own (in a subfolder of it, when one is
// named), the file holding the given content or, without content, what the first open writes.
// A test fixture derives from it beside ::testing::Test.
template <typename Store>
struct OpenedStore
{
    TempFolder temp;
    Store store;
    const QString storeFile;

    explicit OpenedStore(const QString &subfolder = {})
        : storeFile(Store::pathIn(subfolder.isEmpty() ? temp.path() : temp.subfolder(subfolder)))
    {
        store.open(storeFile);
    }
    explicit OpenedStore(const QByteArray &content) : storeFile(Store::pathIn(temp.path()))
    {
        reopenWith(content);
    }

    // Replaces the file's content and opens the store on it again.
    void reopenWith(const QByteArray &content)
    {
        writeFile(storeFile, content);
        store.open(storeFile);
    }
};

// The store in a file as a fresh store reads it, writing nothing.
template <typename Store>
std::unique_ptr<Store> storeInFile(const QString &path)
{
    auto store = std::make_unique<Store>();
    store->openIfPresent(path);
    return store;
}

} // namespace corvane::test
