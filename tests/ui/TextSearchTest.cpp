// Finding messages by typed words, without regard to case or accents.
#include "ui/TextSearch.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <vector>

using corvane::ui::MessageSearch;
using corvane::ui::SearchIndex;

namespace {

struct Message
{
    const char *from;
    const char *subject;
    const char *attachments;
    const char *body;
};

// Sender, subject, attachments and body of each message, with accents and mixed case.
const Message kMessages[] = {
    {"Zoë Müller", "Café plans", "Menü.PDF, ", "See you in Zürich"},
    {"bob", "RE: CAFE PLANS", "", "Straße closed; ﬁle attached"},
    {"Ann", "Budget", "budget-2026.xlsx, ", "The numbers for Œuvre café"},
    {"Ïsak", "lunch", "", "naïve question about plans"},
};

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

MessageSearch searchOver(bool withBodies)
{
    SearchIndex fields, bodies;
    for (const Message &message : kMessages) {
        const QString from = utf8(message.from), subject = utf8(message.subject),
                      attachments = utf8(message.attachments), body = utf8(message.body);
        fields.append({from, subject, attachments});
        bodies.append({body});
    }
    MessageSearch search;
    search.setFields(std::move(fields));
    if (withBodies)
        search.setBodies(std::move(bodies));
    return search;
}

std::vector<int> kept(MessageSearch &search, const char *query)
{
    std::vector<int> messages;
    const std::vector<char> &flags = search.match(utf8(query));
    for (size_t i = 0; i < flags.size(); ++i) {
        if (flags[i])
            messages.push_back(int(i));
    }
    return messages;
}

struct Case
{
    const char *query;
    std::vector<int> withBodies;
    std::vector<int> fieldsOnly;
};

TEST(MessageSearch, KeepsTheMessagesHoldingEveryWordWithoutRegardToCaseOrAccents)
{
    const Case cases[] = {
        {"", {0, 1, 2, 3}, {0, 1, 2, 3}},
        {"   \t ", {0, 1, 2, 3}, {0, 1, 2, 3}},
        {"cafe", {0, 1, 2}, {0, 1}}, // accents and case: Café, CAFE, café in a body
        {"CAFÉ", {0, 1, 2}, {0, 1}},
        {"cafe\xcc\x81", {0, 1, 2}, {0, 1}}, // the accent typed as a combining mark
        {"zoe mull", {0}, {0}},              // every word, parts of words
        {"zurich plans", {0}, {}},           // one word in the body, one in the subject
        {"plans budget", {}, {}},            // no message holds both
        {"menu.pdf", {0}, {0}},              // attachment names
        {"isak naive", {3}, {}},
        {"oeuvre", {2}, {}}, // letters that do not decompose are spelled out
        {"STRASSE", {1}, {}},
        {"file", {1}, {}},        // the ﬁ ligature decomposes to "fi"
        {"plans\nbob", {1}, {1}}, // any white space separates words
        {"plansbob", {}, {}},     // fields are not run together
        {"budgetthe", {}, {}},    // nor fields and body
        {"xyz", {}, {}},
    };
    for (const Case &c : cases) {
        MessageSearch withBodies = searchOver(true);
        MessageSearch fieldsOnly = searchOver(false);
        EXPECT_EQ(kept(withBodies, c.query), c.withBodies) << c.query;
        EXPECT_EQ(kept(fieldsOnly, c.query), c.fieldsOnly) << c.query;
    }
}

TEST(MessageSearch, TypingAndErasingLettersKeepsTheRightMessages)
{
    MessageSearch search = searchOver(true);
    // Each step narrows or widens the last query, as keystrokes do.
    const std::pair<const char *, std::vector<int>> steps[] = {
        {"c", {0, 1, 2, 3}}, {"ca", {0, 1, 2}},    {"caf", {0, 1, 2}},  {"cafe p", {0, 1}}, {"cafe pl", {0, 1}},
        {"cafe pla z", {0}}, {"cafe pla", {0, 1}}, {"cafe", {0, 1, 2}}, {"cafe numb", {2}}, {"", {0, 1, 2, 3}},
    };
    for (const auto &[query, expected] : steps)
        EXPECT_EQ(kept(search, query), expected) << query;
}

} // namespace
