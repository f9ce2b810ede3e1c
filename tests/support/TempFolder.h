#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace corvane::test {

// A temporary folder for one test; removed with everything in it when the test ends.
class TempFolder
{
public:
    TempFolder();
    // The folder's path, ending in the native separator (as folder settings do).
    QString path() const;
    // A sub-folder, created, ending in the separator.
    QString subfolder(const QString &name) const;
    QString file(const QString &name) const { return path() + name; }
    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &content);

} // namespace corvane::test
