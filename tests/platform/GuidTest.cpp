#include "platform/Guid.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace corvane::platform;

namespace {

TEST(Guid, NewIdentifiersAreBracedUpperCase38Characters)
{
    const QRegularExpression form(QStringLiteral(
        "^\\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\\}$"));
    const QString a = newGuidText();
    EXPECT_TRUE(form.match(a).hasMatch()) << a.toStdString();
    EXPECT_NE(a, newGuidText());
}

TEST(Guid, ParsingTakesTheBracedFormOnly)
{
    const QString text = QStringLiteral("{6F9619FF-8B86-D011-B42D-00C04FC964FF}");
    ASSERT_TRUE(parseGuidText(text).has_value());
    EXPECT_EQ(guidText(*parseGuidText(text)), text);
    EXPECT_EQ(parseGuidText(text.toLower()), parseGuidText(text));
    for (const char *bad : {"", "6F9619FF-8B86-D011-B42D-00C04FC964FF", "{6F9619FF-8B86-D011-B42D-00C04FC964F}",
                            "{6F9619FF+8B86-D011-B42D-00C04FC964FF}", "{6F9619FF-8B86-D011-B42D-00C04FC964FG}",
                            "not a guid at all, but 38 characters.."})
        EXPECT_FALSE(parseGuidText(QString::fromLatin1(bad)).has_value()) << bad;
}

} // namespace
