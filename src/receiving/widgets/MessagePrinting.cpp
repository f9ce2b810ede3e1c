#include "receiving/widgets/MessagePrinting.h"

#include "platform/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace corvane::receiving {

std::unique_ptr<QTextDocument> printableMessage(const PrintedHeader &header, const QTextDocument &body)
{
    std::unique_ptr<QTextDocument> document(body.clone());
    QTextCursor cursor(document.get());
    cursor.movePosition(QTextCursor::Start);
    QTextCharFormat caption;
    caption.setFontWeight(QFont::Bold);
    const std::pair<QString, QString> lines[] = {{QCoreApplication::translate("MessagePrinting", "From: "), header.from},
                                                 {QCoreApplication::translate("MessagePrinting", "Date: "), header.date},
                                                 {QCoreApplication::translate("MessagePrinting", "To: "), header.to},
                                                 {QCoreApplication::translate("MessagePrinting", "Subject: "), header.subject}};
    for (const auto &[name, value] : lines) {
        cursor.insertText(name, caption);
        cursor.insertText(value, QTextCharFormat());
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    cursor.insertBlock(); // a blank line before the body
    document->setMetaInformation(QTextDocument::DocumentTitle, header.subject);
    return document;
}

void exportPdf(const QTextDocument &document, const QString &path)
{
    {
        QPdfWriter writer(path);
        writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
        document.print(&writer);
    }
    if (!QFileInfo(path).isFile() || QFileInfo(path).size() == 0)
        throw IoError(QCoreApplication::translate("MessagePrinting", "The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(path)));
}

void printWithDialog(const QTextDocument &document, QWidget *parent)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted)
        document.print(&printer);
}

} // namespace corvane::receiving
