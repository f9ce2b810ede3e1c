#include "platform/FileIo.h"
#include "platform/XmlDocument.h"
#include "platform/XmlNodes.h"

#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace corvane::platform;
using corvane::test::TempFolder;

namespace {

TEST(XmlDocument, ActivatingTakesTheInitialContentAndSavesWithoutIndentation)
{
    TempFolder folder;
    XmlDocument document({QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Inbox>"),
                          QStringLiteral("  <Properties/>"), QStringLiteral("</Inbox>")});
    EXPECT_FALSE(document.isActive());
    document.activate();
    EXPECT_STREQ(document.root().name(), "Inbox");
    document.saveTo(folder.file(QStringLiteral("InBox.cvi")));
    EXPECT_EQ(folder.read(QStringLiteral("InBox.cvi")),
              QByteArray("<?xml version=\"1.0\"?><Inbox><Properties/></Inbox>"));
}

TEST(XmlDocument, LoadsWhatOtherWritersProduce)
{
    TempFolder folder;
    folder.write(QStringLiteral("a.xml"),
                 "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
                 "<Inbox>\r\n  <Messages>\r\n    <Message Read=\"Unread\"/>\r\n  </Messages>\r\n</Inbox>\r\n");
    XmlDocument document;
    document.loadFromFile(folder.file(QStringLiteral("a.xml")));
    const auto messages = xml::childByName(document.root(), "Messages");
    EXPECT_EQ(xml::childCount(messages), 1);
    EXPECT_EQ(document.toBytes(),
              QByteArray("<?xml version=\"1.0\"?><Inbox><Messages><Message Read=\"Unread\"/></Messages></Inbox>"))
        << "the declaration is reduced to the version and indentation is dropped";
}

TEST(XmlDocument, AWindows1252StoreLoadsWithTheRightCharacters)
{
    TempFolder folder;
    folder.write(QStringLiteral("b.xml"),
                 "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"
                 "<Inbox><M From=\"Jos\xE9\" S=\"\x80 5 \x96 caf\xE9\"/></Inbox>");
    XmlDocument document;
    document.loadFromFile(folder.file(QStringLiteral("b.xml")));
    const auto m = xml::childAt(document.root(), 0);
    EXPECT_EQ(xml::attributeText(m, "From"), QString::fromUtf8("José"));
    EXPECT_EQ(xml::attributeText(m, "S"), QString::fromUtf8("€ 5 – café"));
    document.saveTo(folder.file(QStringLiteral("c.xml")));
    EXPECT_TRUE(folder.read(QStringLiteral("c.xml")).startsWith("<?xml version=\"1.0\"?><Inbox>"));
    EXPECT_TRUE(folder.read(QStringLiteral("c.xml")).contains("Jos\xC3\xA9")) << "saved as UTF-8";
}

TEST(XmlDocument, Iso88591AndUndeclaredEightBitTextLoad)
{
    XmlDocument latin;
    latin.loadFromBytes("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a t=\"\xFC\"/>");
    EXPECT_EQ(xml::attributeText(latin.root(), "t"), QString::fromUtf8("ü"));
    XmlDocument undeclared;
    undeclared.loadFromBytes("<?xml version=\"1.0\"?><a t=\"\xFC\"/>");
    EXPECT_EQ(xml::attributeText(undeclared.root(), "t"), QString::fromUtf8("ü"));
}

TEST(XmlDocument, ALoadFailureCarriesTheParsersMessageAndPosition)
{
    TempFolder folder;
    folder.write(QStringLiteral("bad.xml"), "<?xml version=\"1.0\"?>\n<Inbox>\n<Messages>\n</Inbox>");
    XmlDocument document;
    try {
        document.loadFromFile(folder.file(QStringLiteral("bad.xml")));
        FAIL() << "loading should fail";
    } catch (const corvane::XmlError &error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("bad.xml"))) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QStringLiteral("line 4"))) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(QStringLiteral("mismatch"), Qt::CaseInsensitive))
            << error.message().toStdString();
    }
    EXPECT_THROW(document.loadFromFile(folder.file(QStringLiteral("missing.xml"))), corvane::IoError);
}

TEST(XmlDocument, ASaveInterruptedBeforeTheRenameLeavesTheOldFileIntact)
{
    TempFolder folder;
    const QString path = folder.file(QStringLiteral("Sent Items.cva"));
    XmlDocument document({QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<Sentbox/>")});
    document.activate();
    document.saveTo(path);
    const QByteArray before = folder.read(QStringLiteral("Sent Items.cva"));

    auto root = document.root();
    xml::appendChild(root, "Messages");
    setWriteFaultHookForTesting([](const QString &) { return true; });
    EXPECT_THROW(document.saveTo(path), WriteError);
    setWriteFaultHookForTesting({});
    EXPECT_EQ(folder.read(QStringLiteral("Sent Items.cva")), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "temporary file removed";

    // A writer that fails half-way (a full disk) has the same effect.
    EXPECT_THROW(writeFileAtomically(path,
                                     [](QIODevice &device) {
                                         device.write("<?xml version=\"1.0\"?><Sent");
                                         throw WriteError(QStringLiteral("x"), QStringLiteral("disk full"));
                                     },
                                     Access::Private),
                 WriteError);
    EXPECT_EQ(folder.read(QStringLiteral("Sent Items.cva")), before);
}

TEST(XmlNodes, ChildrenByPositionIgnoreTextAndDeletionMovesLaterChildrenUp)
{
    XmlDocument document;
    document.loadFromBytes("<r>text<a/><!-- c --><b/><c/></r>");
    auto root = document.root();
    EXPECT_EQ(xml::childCount(root), 3);
    EXPECT_STREQ(xml::childAt(root, 1).name(), "b");
    EXPECT_FALSE(xml::childAt(root, 3));
    EXPECT_TRUE(xml::deleteChildAt(root, 1));
    EXPECT_STREQ(xml::childAt(root, 1).name(), "c");
    EXPECT_FALSE(xml::deleteChildAt(root, 5));
}

TEST(XmlNodes, AttributesAndTextRoundTripWithSpecialCharacters)
{
    XmlDocument source;
    source.loadFromBytes("<Corvane/>");
    auto root = source.root();
    auto subject = xml::appendChild(root, "Subject");
    const QString tricky = QStringLiteral("Tom & Jerry <\"quoted\"> 'x' \u00e9");
    xml::writeAttribute(subject, "Text", tricky);
    auto body = xml::appendChild(root, "Body");
    xml::appendText(body, QStringLiteral("{\\rtf1 a & b < c}"));

    XmlDocument copy;
    copy.loadFromBytes(source.toBytes());
    EXPECT_EQ(xml::attributeText(xml::childByName(copy.root(), "Subject"), "Text"), tricky);
    EXPECT_EQ(xml::elementText(xml::childByName(copy.root(), "Body")), QStringLiteral("{\\rtf1 a & b < c}"));

    EXPECT_FALSE(xml::readAttribute(subject, "Missing").has_value());
    xml::writeAttribute(subject, "Text", std::nullopt);
    EXPECT_FALSE(xml::readAttribute(subject, "Text").has_value()) << "no value removes the attribute";
}

TEST(XmlNodes, DeepCopyCarriesDescendantsIntoAnotherDocument)
{
    XmlDocument message;
    message.loadFromBytes("<Corvane><Message><To><Recipient Name=\"Bob\"/></To><Body>x<b>y</b>z</Body></Message></Corvane>");
    XmlDocument store;
    store.loadFromBytes("<Inbox><Messages/></Inbox>");
    auto messages = xml::childByName(store.root(), "Messages");
    auto copy = xml::appendCopy(messages, xml::childByName(message.root(), "Message"));
    message.loadFromBytes("<other/>"); // the copy must not depend on the source document
    EXPECT_EQ(xml::attributeText(copy.child("To").child("Recipient"), "Name"), QStringLiteral("Bob"));
    EXPECT_EQ(xml::elementText(copy.child("Body")), QStringLiteral("xyz"));
}

} // namespace
