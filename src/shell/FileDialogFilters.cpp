#include "FileDialogFilters.h"

#include <QRegularExpression>
#include <QStringList>

namespace corvane::shell {

QString toDialogFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(u';', Qt::SkipEmptyParts);
        for (QString &pattern : patterns)
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        QString description = parts.at(i).trimmed();
        // Drop the description's own pattern list; the dialog reads the one appended here.
        static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)$"));
        description.remove(trailingPatterns);
        filters.append(description + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace corvane::shell
