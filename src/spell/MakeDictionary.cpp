// corvane-make-dictionary WORDLIST OUTPUT: writes a word list (one word a line, UTF-8 or
// windows-1252) as a main dictionary: one word a line with CR LF, windows-1252 when every word
// fits, UTF-8 otherwise.
#include "spell/Dictionary.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: corvane-make-dictionary WORDLIST OUTPUT\n");
        return 2;
    }
    try {
        const QStringList words = corvane::spell::dictionaryLines(corvane::spell::readDictionaryText(args[1]));
        corvane::spell::writeDictionaryLines(args[2], words);
    } catch (const corvane::Error &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
