#include "TempFolder.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace corvane::test {

TempFolder::TempFolder() : m_dir(QDir::tempPath() + QStringLiteral("/corvane-test-XXXXXX"))
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

QString TempFolder::path() const
{
    return QDir::toNativeSeparators(m_dir.path()) + QDir::separator();
}

QString TempFolder::subfolder(const QString &name) const
{
    QDir(m_dir.path()).mkpath(name);
    return path() + QDir::toNativeSeparators(name) + QDir::separator();
}

void TempFolder::write(const QString &name, const QByteArray &content) const
{
    writeFile(file(name), content);
}

QByteArray TempFolder::read(const QString &name) const
{
    return readFile(file(name));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace corvane::test
