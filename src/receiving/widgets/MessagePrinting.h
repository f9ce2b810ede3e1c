#pragma once

#include <QString>

#include <memory>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

namespace corvane::receiving {

// What a printed message shows above its body, each with its caption.
struct PrintedHeader
{
    QString from;
    QString date;
    QString to;
    QString subject;
};

// The message as it is printed: sender, date, recipients and subject, each on a line of its own,
// then the formatted body.
std::unique_ptr<QTextDocument> printableMessage(const PrintedHeader &header, const QTextDocument &body);

// Writes the document as a PDF file. Throws IoError, naming the file, when it cannot be written.
void exportPdf(const QTextDocument &document, const QString &path);

// Asks for a printer in the print dialog and prints the document there; nothing when cancelled.
void printWithDialog(const QTextDocument &document, QWidget *parent);

} // namespace corvane::receiving
