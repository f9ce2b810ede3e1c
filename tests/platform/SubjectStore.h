#pragma once

// A record store of messages for the store tests, and what they read back from its file.

#include "platform/RecordStore.h"

#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>
#include <pugixml.hpp>

namespace corvane::test {

using Texts = QList<QByteArray>;
using namespace Qt::StringLiterals;
using platform::RecordStore;

const platform::ScanNames kNames{"Messages", "Body", "Read"};

// A store of messages whose summary is the subject, with the store's writes opened up.
class SubjectStore : public RecordStore
{
public:
    SubjectStore()
        : RecordStore({kNames, "There is no message number %1"},
                      {u"<?xml version=\"1.0\"?>"_s, u"<Inbox>"_s, u"  <Properties/>"_s, u"</Inbox>"_s}, nullptr)
    {
    }
    using RecordStore::appendRecord;
    using RecordStore::bodyReader;
    using RecordStore::ensureRootChild;
    using RecordStore::recordBytes;
    using RecordStore::removeRecord;
    void mark(int position, const QByteArray &value)
    {
        setMark(position, value);
        subjects[position] = subjects[position].left(subjects[position].indexOf('/') + 1) + value;
    }

    Texts subjects;

protected:
    void clearSummaries() override { subjects.clear(); }
    void addSummary(const pugi::xml_node &record) override
    {
        subjects.append(QByteArray(record.child("Subject").attribute("Text").value()) + '/'
                        + record.attribute("Read").value());
    }
    void removeSummary(int position) override { subjects.removeAt(position); }
    void summaryMarked(int position, const QByteArray &value) override
    {
        subjects[position] = subjects[position].left(subjects[position].indexOf('/') + 1) + value;
    }
};

inline QByteArray message(const QByteArray &subject, const QByteArray &body = "{\\rtf1 text}")
{
    return "<Message Read=\"Unread\" GUID=\"{0}\"><From Name=\"Ann\"/><Subject Text=\"" + subject
           + "\"/><Body>" + body + "</Body></Message>";
}

inline QByteArray store(const QList<QByteArray> &messages)
{
    return "<?xml version=\"1.0\"?><Inbox><Properties/><Messages>" + messages.join() + "</Messages></Inbox>";
}

// What a plain XML parser reads of the file: the subjects and read marks, or the parser's error.
inline Texts plainRead(const QString &path)
{
    pugi::xml_document document;
    if (!document.load_file(QFile::encodeName(path).constData()))
        return {"not well-formed"};
    Texts subjects;
    for (pugi::xml_node m : document.child("Inbox").child("Messages").children("Message"))
        subjects.append(QByteArray(m.child("Subject").attribute("Text").value()) + '/' + m.attribute("Read").value());
    return subjects;
}


struct RecordStoreTest : ::testing::Test
{
    TempFolder temp;
    QString path = temp.file(QStringLiteral("InBox.cvi"));

    void write(const QList<QByteArray> &messages) { temp.write(QStringLiteral("InBox.cvi"), store(messages)); }
};


} // namespace corvane::test
