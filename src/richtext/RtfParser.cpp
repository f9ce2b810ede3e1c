#include "richtext/RtfParser.h"

#include "richtext/RtfCodePage.h"
#include "richtext/RtfKeywords.h"
#include "richtext/RtfLimits.h"
#include "richtext/RtfPicture.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvane::richtext {

namespace {

enum class Dest : std::uint8_t {
    Body,
    FontTable,
    ColourTable,
    Pict,
    Pn,
    PnTextBefore, // \pntxtb in a \pn
    PnTextAfter,  // \pntxta in a \pn
    ListTable,
    ListDef,
    ListLevel,
    ListOverrideTable,
    ListOverride,
    Upr,    // ANSI half of \upr: ignored until its \ud
    Object, // \object: ignored until its \result
};

struct CharState
{
    int font = -1; // -1: the default font
    int halfPoints = 24;
    int colour = 0;     // colour table index; 0 is automatic
    int background = 0; // colour table index; 0 is none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    VerticalAlign vertical = VerticalAlign::Normal;
};

struct ParaState
{
    ParagraphStyle style; // style.list holds an old-style (\pn) list
    int ls = 0;           // Word list override number, 0 for none
    int ilvl = 0;
};

struct Group
{
    CharState chr;
    ParaState para;
    Dest dest = Dest::Body;
    Dest resume = Dest::Body; // what \ud or \result returns to
    bool ownsDest = false;    // this group started its destination
    std::uint8_t uc = 1;
};

struct Font
{
    QString name;
    int charset = -1;
    int codePage = 0; // from \cpg; 0 when not given
};

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int clampInt(std::int64_t v, int lo, int hi)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, lo, hi));
}

std::uint8_t unicodeSkip(int value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0, limits::kMaxUnicodeSkip));
}

ListKind kindForNfc(int nfc)
{
    switch (nfc) {
    case 1: return ListKind::UpperRoman;
    case 2: return ListKind::LowerRoman;
    case 3: return ListKind::UpperAlpha;
    case 4: return ListKind::LowerAlpha;
    case 23: return ListKind::Bullet;
    case 255: return ListKind::None;
    default: return ListKind::Decimal;
    }
}

// Characters that may stand in the text: not control characters (a tab aside), and not the
// characters a text document keeps for paragraph, frame and picture marks.
bool isTextCharacter(char16_t u)
{
    return (u >= 0x20 || u == '\t') && u != 0x2029 && u != 0xFDD0 && u != 0xFDD1 && u != 0xFFFC;
}

// The character a control word of the body stands for; 0 for a word that is not one.
char16_t specialCharacter(Kw kw)
{
    switch (kw) {
    case Kw::Line: return 0x2028;
    case Kw::Tab: return '\t';
    case Kw::EmDash: return 0x2014;
    case Kw::EnDash: return 0x2013;
    case Kw::EmSpace: return 0x2003;
    case Kw::EnSpace: return 0x2002;
    case Kw::QmSpace: return 0x2005;
    case Kw::Bullet: return 0x2022;
    case Kw::LQuote: return 0x2018;
    case Kw::RQuote: return 0x2019;
    case Kw::LDblQuote: return 0x201C;
    case Kw::RDblQuote: return 0x201D;
    case Kw::Zwj: return 0x200D;
    case Kw::Zwnj: return 0x200C;
    case Kw::LtrMark: return 0x200E;
    case Kw::RtlMark: return 0x200F;
    default: return 0;
    }
}

// A picture being read from its \pict group.
struct PictState
{
    enum class Kind : std::uint8_t { Unknown, Png, Jpeg, Other } kind = Kind::Unknown;
    QByteArray data;
    int half = -1; // pending high nibble
    bool tooBig = false;
    int picW = 0, picH = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;

    // The picture's size and scale words (\otherblip aside: its group is skipped).
    void word(Kw kw, int value)
    {
        switch (kw) {
        case Kw::PngBlip: kind = Kind::Png; break;
        case Kw::JpegBlip: kind = Kind::Jpeg; break;
        case Kw::PicW: picW = std::max(value, 0); break;
        case Kw::PicH: picH = std::max(value, 0); break;
        case Kw::PicWGoal: goalW = std::clamp(value, 0, limits::kMaxTwips); break;
        case Kw::PicHGoal: goalH = std::clamp(value, 0, limits::kMaxTwips); break;
        case Kw::PicScaleX: scaleX = std::clamp(value, 1, 1000); break;
        case Kw::PicScaleY: scaleY = std::clamp(value, 1, 1000); break;
        default: break;
        }
    }

    // A hex digit of the picture's data: the byte it completes, if it is the second of a pair.
    std::optional<char> hexDigit(int value)
    {
        if (half < 0) {
            half = value;
            return std::nullopt;
        }
        const char byte = static_cast<char>((half << 4) | value);
        half = -1;
        return byte;
    }
};

// An old-style list (\pn) being read, with the texts around its number.
struct PnState
{
    enum class Level : std::uint8_t { None, Bullet, Numbered } level = Level::None;
    ListKind numbering = ListKind::Decimal;
    int outline = 0;
    int start = 1;
    QString before;
    std::optional<QString> after; // none given: "."

    void word(Kw kw, bool hasParam, int value)
    {
        switch (kw) {
        case Kw::PnLvlBlt: level = Level::Bullet; break;
        case Kw::PnLvlBody: level = Level::Numbered; break;
        case Kw::PnLvlCont: level = Level::None; break;
        case Kw::PnLvl:
            level = Level::Numbered;
            outline = std::clamp(value - 1, 0, limits::kMaxListLevel);
            break;
        case Kw::PnDec: numbering = ListKind::Decimal; break;
        case Kw::PnUcLtr: numbering = ListKind::UpperAlpha; break;
        case Kw::PnLcLtr: numbering = ListKind::LowerAlpha; break;
        case Kw::PnUcRm: numbering = ListKind::UpperRoman; break;
        case Kw::PnLcRm: numbering = ListKind::LowerRoman; break;
        case Kw::PnStart: start = hasParam ? std::clamp(value, 0, 32767) : 1; break;
        default: break;
        }
    }

    // The text before (\pntxtb) or after (\pntxta) the number.
    QString &text(bool afterNumber)
    {
        if (!afterNumber)
            return before;
        if (!after)
            after.emplace();
        return *after;
    }

    ListStyle listStyle() const
    {
        ListStyle list;
        if (level == Level::Bullet) {
            list.kind = ListKind::Bullet;
        } else if (level == Level::Numbered) {
            list.kind = numbering;
            list.start = start;
            list.before = before;
            if (after)
                list.after = *after;
        }
        list.level = outline;
        return list;
    }
};

struct ListLevelDef
{
    int nfc = 0;
    int start = 1;
};

// Word's lists: the definitions of \listtable and the overrides of \listoverridetable that the
// paragraphs' \ls numbers name.
struct WordLists
{
    std::unordered_map<int, std::vector<ListLevelDef>> definitions;
    std::vector<ListLevelDef> levels; // of the definition being read
    int listId = 0;
    std::unordered_map<int, int> overrides; // \ls number -> list id
    int overrideListId = 0;
    int overrideLs = 0;

    // A word inside one of the tables; the destination it opens, if any.
    std::optional<Dest> word(Dest dest, Kw kw, int value)
    {
        switch (dest) {
        case Dest::ListTable:
            if (kw != Kw::List)
                break;
            levels.clear();
            listId = 0;
            return Dest::ListDef;
        case Dest::ListDef:
            if (kw == Kw::ListLevel) {
                if (levels.size() <= static_cast<std::size_t>(limits::kMaxListLevel))
                    levels.emplace_back();
                return Dest::ListLevel;
            }
            if (kw == Kw::ListId)
                listId = value;
            break;
        case Dest::ListLevel:
            if (!levels.empty() && kw == Kw::LevelNfc)
                levels.back().nfc = value;
            else if (!levels.empty() && kw == Kw::LevelStartAt)
                levels.back().start = std::clamp(value, 0, 32767);
            break;
        case Dest::ListOverrideTable:
            if (kw != Kw::ListOverride)
                break;
            overrideListId = 0;
            overrideLs = 0;
            return Dest::ListOverride;
        case Dest::ListOverride:
            if (kw == Kw::ListId)
                overrideListId = value;
            else if (kw == Kw::Ls)
                overrideLs = value;
            break;
        default: break;
        }
        return std::nullopt;
    }

    void endDefinition()
    {
        if (definitions.size() < static_cast<std::size_t>(limits::kMaxLists))
            definitions[listId] = levels;
    }

    void endOverride()
    {
        if (overrides.size() < static_cast<std::size_t>(limits::kMaxLists))
            overrides[overrideLs] = overrideListId;
    }

    // The list of a paragraph with \ls and \ilvl: a bullet unless its definition says otherwise.
    ListStyle listOf(int ls, int ilvl) const
    {
        ListStyle list;
        list.kind = ListKind::Bullet;
        list.level = ilvl;
        list.key = ls;
        const auto o = overrides.find(ls);
        if (o != overrides.end()) {
            const auto def = definitions.find(o->second);
            if (def != definitions.end() && static_cast<std::size_t>(ilvl) < def->second.size()) {
                const ListLevelDef &level = def->second[static_cast<std::size_t>(ilvl)];
                list.kind = kindForNfc(level.nfc);
                list.start = level.start;
            }
        }
        if (list.kind == ListKind::None)
            list = ListStyle();
        return list;
    }
};

// The font table: the fonts read so far, and the entry being read from its \f to its ';'.
struct FontTable
{
    std::unordered_map<int, Font> fonts;
    int defaultFont = 0;
    bool pending = false;
    int number = 0;
    Font entry;
    QByteArray entryBytes; // undecoded bytes of the entry's name

    // The font a character state's \f names, else the default font; none when neither is known.
    const Font *find(int font) const
    {
        auto it = fonts.find(font >= 0 ? font : defaultFont);
        if (it == fonts.end() && font >= 0)
            it = fonts.find(defaultFont);
        return it != fonts.end() ? &it->second : nullptr;
    }

    static int codePageOf(const Font &f, int docCodePage)
    {
        if (f.codePage > 0)
            return f.codePage;
        return f.charset < 0 ? docCodePage : codePageForCharset(f.charset, docCodePage);
    }

    void decodeName(int docCodePage)
    {
        if (entryBytes.isEmpty())
            return;
        appendDecoded(entry.name, entryBytes, codePageOf(entry, docCodePage));
        entryBytes.clear();
        if (entry.name.size() > limits::kMaxFontNameLength)
            entry.name.truncate(limits::kMaxFontNameLength);
    }

    // Ends the entry being read, if any; true when one ended.
    bool commit(int docCodePage)
    {
        if (!pending)
            return false;
        pending = false;
        decodeName(docCodePage);
        entry.name.removeIf([](QChar c) { return !isTextCharacter(c.unicode()) || c == QLatin1Char('\t'); });
        entry.name = entry.name.trimmed();
        if (fonts.size() < static_cast<std::size_t>(limits::kMaxFonts) || fonts.count(number))
            fonts[number] = std::move(entry);
        entry = Font();
        return true;
    }

    void begin(int fontNumber)
    {
        pending = true;
        number = fontNumber;
        entry = Font();
        entryBytes.clear();
    }
};

// The colour table: the colours read so far, and the components of the entry being read.
struct ColourTable
{
    std::vector<std::optional<std::uint32_t>> colours;
    int red = 0, green = 0, blue = 0;
    bool given = false;

    void restart()
    {
        colours.clear();
        red = green = blue = 0;
        given = false;
    }

    void component(Kw kw, int value)
    {
        if (kw != Kw::Red && kw != Kw::Green && kw != Kw::Blue)
            return;
        (kw == Kw::Red ? red : kw == Kw::Green ? green : blue) = std::clamp(value, 0, 255);
        given = true;
    }

    // The entry's ';': an entry without components is the automatic colour.
    void endEntry()
    {
        if (colours.size() < static_cast<std::size_t>(limits::kMaxColours)) {
            if (given)
                colours.emplace_back((std::uint32_t(red) << 16) | (std::uint32_t(green) << 8) | std::uint32_t(blue));
            else
                colours.emplace_back(std::nullopt);
        }
        red = green = blue = 0;
        given = false;
    }

    // The colour at a table index; none for 0 (automatic) and beyond the table.
    std::optional<std::uint32_t> at(int index) const
    {
        if (index > 0 && static_cast<std::size_t>(index) < colours.size())
            return colours[static_cast<std::size_t>(index)];
        return std::nullopt;
    }
};

// A table row being read: from \intbl to \row a paragraph mark only breaks the line inside its
// cell, so that a row stays one paragraph even when each cell holds paragraphs of its own.
struct TableRow
{
    bool inRow = false;
    bool cellHasContent = false;
    bool cellBreakPending = false; // a paragraph mark in a cell, put out if more content follows
    int pendingTabs = 0;           // one for each \cell, put out before the next content
};

// Bytes above which pending text is decoded and handed on, to keep buffers small.
constexpr qsizetype kFlushBytes = 64 * 1024;

} // namespace

struct RtfParser::State
{
    State(RtfSink &s, bool utf8) : sink(s), rawUtf8(utf8) {}

    RtfSink &sink;
    const bool rawUtf8;

    const char *p = nullptr;
    const char *end = nullptr;
    std::vector<Group> stack;
    ReadReport report;
    bool stop = false;
    bool star = false;
    int ucSkip = 0;
    std::int64_t groups = 0;

    // What the document's header and tables say.
    int docCodePage = kCodePageWindowsLatin1;
    FontTable fontTable;
    ColourTable colourTable;
    WordLists wordLists;
    PnState pn;
    QByteArray pnBytes; // undecoded bytes of the \pntxta or \pntxtb being read
    PictState pict;
    std::int64_t pictureBytes = 0; // of the pictures handed on

    // Output: the run being gathered, in the style of the character state it was made for.
    RunStyle run; // style of runText and bytes
    QString runText;
    QByteArray bytes; // undecoded text bytes, in bytesCodePage
    int bytesCodePage = kCodePageWindowsLatin1;
    int codePage = kCodePageWindowsLatin1; // of the current character state
    bool hidden = false;
    bool charDirty = true; // the character state changed since the run was made for it
    bool paraHasContent = false;
    TableRow row;
    std::int64_t output = 0; // characters handed on

    Group &top() { return stack.back(); }

    // ---- reading ---------------------------------------------------------------------------

    void parse()
    {
        stack.clear();
        stack.emplace_back();
        while (p < end && !stop) {
            switch (*p) {
            case '{':
                ++p;
                openGroup();
                break;
            case '}':
                ++p;
                closeGroup();
                break;
            case '\\':
                ++p;
                controlSequence();
                break;
            case '\r':
            case '\n':
                ++p;
                break;
            default:
                text();
                break;
            }
        }
        if (!stop && stack.size() > 1)
            report.unbalanced = true;
        finish();
    }

    void openGroup()
    {
        ucSkip = 0;
        star = false;
        if (stack.size() > static_cast<std::size_t>(limits::kMaxDepth)) {
            report.limited = true;
            if (!skipToGroupEnd())
                report.unbalanced = true;
            return;
        }
        if (++groups > limits::kMaxGroups) {
            report.limited = true;
            stop = true;
            return;
        }
        stack.push_back(stack.back());
        stack.back().ownsDest = false;
    }

    void closeGroup()
    {
        ucSkip = 0;
        star = false;
        if (stack.size() <= 1)
            return;
        Group closing = std::move(stack.back());
        stack.pop_back();
        if (closing.ownsDest)
            endDestination(closing);
        charDirty = true;
        if (stack.size() == 1) {
            // The document's own group has closed; anything after it is not part of it. What was
            // in force inside it still formats a last paragraph that has no paragraph mark.
            stack.back().chr = closing.chr;
            stack.back().para = closing.para;
            stop = true;
        }
    }

    // Moves past the matching '}' of a group whose '{' was just read, honouring \bin data
    // and escaped braces. Returns false when the input ends first.
    bool skipToGroupEnd()
    {
        int depth = 1;
        while (p < end) {
            const char c = *p++;
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (--depth == 0)
                    return true;
            } else if (c == '\\' && p < end) {
                if (*p == 'b' && end - p > 3 && p[1] == 'i' && p[2] == 'n' && (isDigit(p[3]) || p[3] == '-')) {
                    p += 3;
                    const std::int64_t n = readParameter();
                    if (p < end && *p == ' ')
                        ++p;
                    p += std::clamp<std::int64_t>(n, 0, end - p);
                } else {
                    ++p; // the escaped character, or the first letter of a word
                }
            }
        }
        return false;
    }

    // Skips the rest of the current group and closes it.
    void skipRestOfGroup()
    {
        if (skipToGroupEnd())
            closeGroup();
        else
            report.unbalanced = true;
    }

    // Reads an optional '-' and digits at p; saturates instead of overflowing.
    std::int64_t readParameter()
    {
        bool negative = false;
        if (p < end && *p == '-') {
            negative = true;
            ++p;
        }
        std::int64_t value = 0;
        int digits = 0;
        while (p < end && isDigit(static_cast<unsigned char>(*p))) {
            if (digits < limits::kMaxParameterDigits)
                value = value * 10 + (*p - '0');
            ++digits;
            ++p;
        }
        value = std::min<std::int64_t>(value, 0x7fffffff);
        return negative ? -value : value;
    }

    void controlSequence()
    {
        if (p >= end)
            return;
        const auto c = static_cast<unsigned char>(*p);
        if (isLetter(c)) {
            controlWord();
            return;
        }
        ++p;
        if (c == '*') {
            star = true;
            return;
        }
        star = false;
        switch (c) {
        case '\'': {
            int value = -1;
            if (p < end && hexValue(static_cast<unsigned char>(*p)) >= 0) {
                value = hexValue(static_cast<unsigned char>(*p++));
                if (p < end && hexValue(static_cast<unsigned char>(*p)) >= 0)
                    value = value * 16 + hexValue(static_cast<unsigned char>(*p++));
            }
            if (value >= 0)
                textByte(static_cast<char>(value), true);
            break;
        }
        case '\\':
        case '{':
        case '}':
            textByte(static_cast<char>(c));
            break;
        case '~':
            unicodeChar(0x00A0);
            break;
        case '_':
            unicodeChar(0x2011);
            break;
        case '\r':
        case '\n':
            if (ucSkip > 0)
                --ucSkip;
            else if (top().dest == Dest::Body)
                paragraphEnd();
            break;
        default:
            if (ucSkip > 0)
                --ucSkip; // \- (optional hyphen) and other symbols show nothing
            break;
        }
    }

    void controlWord()
    {
        const char *nameStart = p;
        while (p < end && isLetter(static_cast<unsigned char>(*p)))
            ++p;
        const std::string_view name(nameStart, static_cast<std::size_t>(p - nameStart));
        bool hasParam = false;
        std::int64_t param = 0;
        if (p < end && (isDigit(static_cast<unsigned char>(*p))
                        || (*p == '-' && end - p > 1 && isDigit(static_cast<unsigned char>(p[1]))))) {
            hasParam = true;
            param = readParameter();
        }
        if (p < end && *p == ' ')
            ++p;
        const Kw kw = name.size() <= static_cast<std::size_t>(limits::kMaxWordLength) ? lookupKeyword(name) : Kw::Unknown;
        const bool starred = star;
        star = false;
        if (kw == Kw::Bin) {
            binary(hasParam ? param : 0);
            return;
        }
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        if (starred && !handlesStarred(kw)) {
            skipRestOfGroup();
            return;
        }
        word(kw, hasParam, param);
    }

    static bool handlesStarred(Kw kw)
    {
        switch (kw) {
        case Kw::Pn:
        case Kw::ShpPict:
        case Kw::Ud:
        case Kw::ListTable:
        case Kw::ListOverrideTable:
            return true;
        default:
            return false;
        }
    }

    void setDest(Dest dest)
    {
        Group &g = top();
        g.dest = dest;
        g.ownsDest = true;
    }

    void word(Kw kw, bool hasParam, std::int64_t param)
    {
        const Dest dest = top().dest;
        if (destinationWord(kw, dest))
            return;
        const int value = clampInt(param, -0x7fffffff, 0x7fffffff);
        switch (dest) {
        case Dest::Body: bodyWord(kw, hasParam, value); break;
        case Dest::FontTable: fontWord(kw, hasParam, value); break;
        case Dest::ColourTable: colourTable.component(kw, value); break;
        case Dest::Pict:
            if (kw == Kw::OtherBlip) {
                pict.kind = PictState::Kind::Other;
                skipRestOfGroup(); // metafiles and bitmaps are not shown
            } else {
                pict.word(kw, value);
            }
            break;
        case Dest::Pn: pn.word(kw, hasParam, value); break;
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            if (kw == Kw::U)
                unicodeEscape(value);
            else if (kw == Kw::Uc)
                top().uc = unicodeSkip(value);
            break;
        case Dest::ListTable:
        case Dest::ListDef:
        case Dest::ListLevel:
        case Dest::ListOverrideTable:
        case Dest::ListOverride:
            if (const std::optional<Dest> opened = wordLists.word(dest, kw, value))
                setDest(*opened);
            break;
        default: break;
        }
    }

    // The words that start, skip or leave a destination, recognised wherever text is not being
    // dropped whole; false for any other word.
    bool destinationWord(Kw kw, Dest dest)
    {
        switch (kw) {
        case Kw::SkipDestination:
        case Kw::FldInst: skipRestOfGroup(); return true;
        case Kw::FontTable: setDest(Dest::FontTable); return true;
        case Kw::ColourTable:
            setDest(Dest::ColourTable);
            colourTable.restart();
            return true;
        case Kw::Pict:
            setDest(Dest::Pict);
            pict = PictState();
            return true;
        case Kw::Pn:
            setDest(Dest::Pn);
            pn = PnState();
            return true;
        case Kw::PnTxtA:
        case Kw::PnTxtB:
            // The text around the number, in its own group inside \pn; anywhere else it shows nothing.
            if (dest != Dest::Pn || top().ownsDest) {
                skipRestOfGroup();
                return true;
            }
            setDest(kw == Kw::PnTxtA ? Dest::PnTextAfter : Dest::PnTextBefore);
            pnBytes.clear();
            pnText(top().dest).clear();
            return true;
        case Kw::ListTable: setDest(Dest::ListTable); return true;
        case Kw::ListOverrideTable: setDest(Dest::ListOverrideTable); return true;
        case Kw::Upr:
        case Kw::Object:
            top().resume = dest;
            setDest(kw == Kw::Upr ? Dest::Upr : Dest::Object);
            return true;
        case Kw::Ud:
        case Kw::Result:
            if (dest == (kw == Kw::Ud ? Dest::Upr : Dest::Object))
                setDest(top().resume);
            return true;
        default: return false;
        }
    }

    void bodyWord(Kw kw, bool hasParam, int value)
    {
        if (const char16_t u = specialCharacter(kw)) {
            unicodeChar(u);
            return;
        }
        if (characterWord(kw, hasParam, value)) {
            charDirty = true;
            return;
        }
        switch (kw) {
        case Kw::Ansi: docCodePage = kCodePageWindowsLatin1; charDirty = true; break;
        case Kw::Mac: docCodePage = kCodePageMacRoman; charDirty = true; break;
        case Kw::Pc: docCodePage = kCodePagePc; charDirty = true; break;
        case Kw::Pca: docCodePage = 850; charDirty = true; break;
        case Kw::AnsiCpg:
            if (value > 0 && value < 65536)
                docCodePage = value;
            charDirty = true;
            break;
        case Kw::Deff:
            fontTable.defaultFont = value;
            charDirty = true;
            break;
        case Kw::U: unicodeEscape(value); break;
        case Kw::Uc: top().uc = unicodeSkip(value); break;
        default:
            if (!paragraphWord(kw, value))
                tableWord(kw);
            break;
        }
    }

    // Character formatting; false for any other word.
    bool characterWord(Kw kw, bool hasParam, int value)
    {
        CharState &c = top().chr;
        const bool on = !hasParam || value != 0;
        switch (kw) {
        case Kw::Plain: c = CharState(); return true;
        case Kw::F: c.font = hasParam ? value : -1; return true;
        case Kw::Fs:
            c.halfPoints =
                hasParam && value > 0 ? std::clamp(value, limits::kMinHalfPoints, limits::kMaxHalfPoints) : 24;
            return true;
        case Kw::Cf: c.colour = std::max(value, 0); return true;
        case Kw::Cb:
        case Kw::Highlight: c.background = std::max(value, 0); return true;
        case Kw::B: c.bold = on; return true;
        case Kw::I: c.italic = on; return true;
        case Kw::Ul: c.underline = on; return true;
        case Kw::UlNone: c.underline = false; return true;
        case Kw::Strike: c.strike = on; return true;
        case Kw::Hidden: c.hidden = on; return true;
        case Kw::Super: c.vertical = VerticalAlign::Super; return true;
        case Kw::Sub: c.vertical = VerticalAlign::Sub; return true;
        case Kw::NoSuperSub: c.vertical = VerticalAlign::Normal; return true;
        case Kw::Up: c.vertical = on ? VerticalAlign::Super : VerticalAlign::Normal; return true;
        case Kw::Dn: c.vertical = on ? VerticalAlign::Sub : VerticalAlign::Normal; return true;
        default: return false;
        }
    }

    // Paragraph formatting; false for any other word.
    bool paragraphWord(Kw kw, int value)
    {
        Group &g = top();
        ParagraphStyle &ps = g.para.style;
        switch (kw) {
        case Kw::Pard: g.para = ParaState(); return true;
        case Kw::Ql: ps.alignment = Alignment::Left; return true;
        case Kw::Qr: ps.alignment = Alignment::Right; return true;
        case Kw::Qc: ps.alignment = Alignment::Center; return true;
        case Kw::Qj: ps.alignment = Alignment::Justify; return true;
        case Kw::Li: ps.leftTwips = std::clamp(value, -limits::kMaxTwips, limits::kMaxTwips); return true;
        case Kw::Ri: ps.rightTwips = std::clamp(value, -limits::kMaxTwips, limits::kMaxTwips); return true;
        case Kw::Fi: ps.firstLineTwips = std::clamp(value, -limits::kMaxTwips, limits::kMaxTwips); return true;
        case Kw::Sb: ps.spaceBeforeTwips = std::clamp(value, 0, limits::kMaxTwips); return true;
        case Kw::Sa: ps.spaceAfterTwips = std::clamp(value, 0, limits::kMaxTwips); return true;
        case Kw::Ls: g.para.ls = std::max(value, 0); return true;
        case Kw::Ilvl: g.para.ilvl = std::clamp(value, 0, limits::kMaxListLevel); return true;
        default: return false;
        }
    }

    // Paragraph marks, and the words of table rows and cells.
    void tableWord(Kw kw)
    {
        switch (kw) {
        case Kw::Par:
        case Kw::Sect:
        case Kw::Page:
            if (!row.inRow)
                paragraphEnd();
            else if (row.cellHasContent)
                row.cellBreakPending = true;
            break;
        case Kw::Intbl: row.inRow = true; break;
        case Kw::Row:
        case Kw::NestRow:
            if (kw == Kw::Row)
                row.inRow = false;
            row.cellHasContent = false;
            row.cellBreakPending = false;
            // Each \cell asked for a tab before the next cell; the last cell has none after it.
            if (row.pendingTabs > 1) {
                --row.pendingTabs;
                prepareContent(); // puts out the tabs before the row's empty last cells
            }
            paragraphEnd();
            break;
        case Kw::Cell:
        case Kw::NestCell:
            row.cellHasContent = false;
            row.cellBreakPending = false;
            if (charDirty)
                syncRun();
            if (!hidden)
                ++row.pendingTabs;
            break;
        default: break;
        }
    }

    void fontWord(Kw kw, bool hasParam, int value)
    {
        switch (kw) {
        case Kw::F:
            commitFont();
            fontTable.begin(hasParam ? value : 0);
            break;
        case Kw::FCharset: fontTable.entry.charset = value; break;
        case Kw::Cpg: fontTable.entry.codePage = value > 0 && value < 65536 ? value : 0; break;
        case Kw::U: unicodeEscape(value); break;
        case Kw::Uc: top().uc = unicodeSkip(value); break;
        default: break;
        }
    }

    // The text before or after the number that a \pntxtb or \pntxta group reads.
    QString &pnText(Dest dest) { return pn.text(dest == Dest::PnTextAfter); }

    void decodePnBytes(Dest dest)
    {
        if (pnBytes.isEmpty())
            return;
        appendDecoded(pnText(dest), pnBytes, docCodePage);
        pnBytes.clear();
    }

    void endDestination(const Group &closing)
    {
        switch (closing.dest) {
        case Dest::FontTable: commitFont(); break;
        case Dest::Pict:
            if (top().dest == Dest::Body)
                emitPicture();
            pict = PictState();
            break;
        case Dest::PnTextBefore:
        case Dest::PnTextAfter: {
            decodePnBytes(closing.dest);
            QString &text = pnText(closing.dest);
            if (text.size() > limits::kMaxListNumberText)
                text.truncate(limits::kMaxListNumberText);
            break;
        }
        case Dest::Pn: top().para.style.list = pn.listStyle(); break;
        case Dest::ListDef: wordLists.endDefinition(); break;
        case Dest::ListOverride: wordLists.endOverride(); break;
        default:
            break;
        }
    }

    // ---- text -----------------------------------------------------------------------------

    void text()
    {
        switch (top().dest) {
        case Dest::Body: bodyText(); break;
        case Dest::Pict: pictText(); break;
        case Dest::FontTable:
        case Dest::ColourTable:
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            while (p < end && *p != '\\' && *p != '{' && *p != '}') {
                const char c = *p++;
                if (c != '\r' && c != '\n')
                    textByte(c);
            }
            break;
        default:
            while (p < end && *p != '\\' && *p != '{' && *p != '}')
                ++p;
            break;
        }
    }

    void bodyText()
    {
        while (p < end) {
            const auto c = static_cast<unsigned char>(*p);
            if (c == '\\' || c == '{' || c == '}')
                return;
            if (c < 0x20) {
                ++p;
                if (c == '\t')
                    unicodeChar('\t');
                continue;
            }
            if (ucSkip > 0) {
                --ucSkip;
                ++p;
                continue;
            }
            if (rawUtf8 && c >= 0x80) {
                utf8Char();
                continue;
            }
            const char *start = p;
            while (p < end) {
                const auto d = static_cast<unsigned char>(*p);
                if (d == '\\' || d == '{' || d == '}' || d < 0x20 || (rawUtf8 && d >= 0x80))
                    break;
                ++p;
            }
            appendBytes(start, p - start);
            if (stop)
                return;
        }
    }

    void utf8Char()
    {
        const auto *u = reinterpret_cast<const unsigned char *>(p);
        const qsizetype avail = end - p;
        char32_t cp = 0xFFFD;
        qsizetype len = 1;
        int extra = 0;
        if ((u[0] & 0xE0) == 0xC0) { extra = 1; cp = u[0] & 0x1F; }
        else if ((u[0] & 0xF0) == 0xE0) { extra = 2; cp = u[0] & 0x0F; }
        else if ((u[0] & 0xF8) == 0xF0) { extra = 3; cp = u[0] & 0x07; }
        bool ok = extra > 0 && avail > extra;
        for (int i = 1; ok && i <= extra; ++i) {
            if ((u[i] & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (u[i] & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
        if (ok && (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)))
            ok = false;
        if (ok)
            len = extra + 1;
        else
            cp = 0xFFFD;
        p += len;
        if (cp > 0xFFFF) {
            unicodeChar(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            unicodeChar(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            unicodeChar(static_cast<char16_t>(cp));
        }
    }

    void pictText()
    {
        while (p < end) {
            const auto c = static_cast<unsigned char>(*p);
            if (c == '\\' || c == '{' || c == '}')
                return;
            ++p;
            const int v = hexValue(c);
            if (v < 0)
                continue;
            if (const std::optional<char> byte = pict.hexDigit(v); byte && !pictureByte(*byte))
                return;
        }
    }

    // Adds a byte to the picture being read; false when it grew too big (its group is skipped).
    bool pictureByte(char byte)
    {
        if (pict.kind == PictState::Kind::Other)
            return true;
        if (pict.data.size() >= limits::kMaxPictureBytes) {
            pict.tooBig = true;
            report.limited = true;
            skipRestOfGroup();
            return false;
        }
        pict.data.append(byte);
        return true;
    }

    void binary(std::int64_t n)
    {
        const std::int64_t take = std::clamp<std::int64_t>(n, 0, end - p);
        if (top().dest == Dest::Pict && pict.kind != PictState::Kind::Other) {
            if (pict.data.size() + take > limits::kMaxPictureBytes) {
                pict.tooBig = true;
                report.limited = true;
            } else {
                pict.data.append(p, static_cast<qsizetype>(take));
            }
        }
        p += take;
        if (ucSkip > 0)
            --ucSkip;
    }

    // One byte of text from a \'hh escape or an escaped brace or backslash.
    void textByte(char c, bool escaped = false)
    {
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        switch (top().dest) {
        case Dest::Body:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t')
                appendBytes(&c, 1);
            break;
        case Dest::FontTable:
            if (!fontTable.pending)
                break;
            if (c == ';' && !escaped)
                commitFont();
            else if (fontTable.entryBytes.size() < limits::kMaxFontNameLength)
                fontTable.entryBytes.append(c);
            break;
        case Dest::ColourTable:
            if (c == ';')
                colourTable.endEntry();
            break;
        case Dest::PnTextBefore:
        case Dest::PnTextAfter:
            if (static_cast<unsigned char>(c) >= 0x20 && pnBytes.size() < limits::kMaxListNumberText * 4)
                pnBytes.append(c);
            break;
        case Dest::Pict:
            if (const int v = hexValue(static_cast<unsigned char>(c)); v >= 0) {
                if (const std::optional<char> byte = pict.hexDigit(v))
                    pictureByte(*byte);
            }
            break;
        default: break;
        }
    }

    void unicodeEscape(int value)
    {
        if (value < 0)
            value += 65536;
        const Dest dest = top().dest;
        if (value > 0 && value <= 0xFFFF) {
            if (dest == Dest::Body) {
                unicodeChar(static_cast<char16_t>(value));
            } else if (dest == Dest::FontTable && fontTable.pending
                       && fontTable.entry.name.size() < limits::kMaxFontNameLength) {
                fontTable.decodeName(docCodePage);
                fontTable.entry.name.append(QChar(static_cast<char16_t>(value)));
            } else if ((dest == Dest::PnTextBefore || dest == Dest::PnTextAfter)
                       && isTextCharacter(static_cast<char16_t>(value))
                       && pnText(dest).size() < limits::kMaxListNumberText) {
                decodePnBytes(dest);
                pnText(dest).append(QChar(static_cast<char16_t>(value)));
            }
        }
        ucSkip = top().uc;
    }

    // One UTF-16 unit for the body (special characters, \u, tabs and line breaks).
    void unicodeChar(char16_t u)
    {
        if (ucSkip > 0) {
            --ucSkip;
            return;
        }
        if (top().dest != Dest::Body || !isTextCharacter(u) || !prepareContent())
            return;
        decodeBytes();
        runText.append(QChar(u));
        countOutput(1);
    }

    void appendBytes(const char *s, qsizetype n)
    {
        if (!prepareContent())
            return;
        if (bytesCodePage != codePage && !bytes.isEmpty())
            decodeBytes();
        bytesCodePage = codePage;
        bytes.append(s, n);
        // Hand long runs on in pieces, cut after a byte that cannot be half of a double-byte
        // character, or anywhere once a run without such a byte grows much longer.
        if (bytes.size() >= kFlushBytes
            && (static_cast<unsigned char>(bytes.back()) < 0x40 || bytes.size() >= 16 * kFlushBytes)) {
            flushRun();
        }
    }

    // Brings the run up to date with the character state and puts pending cell tabs and line
    // breaks out.
    // False when the text is hidden and so dropped.
    bool prepareContent()
    {
        if (charDirty)
            syncRun();
        if (hidden)
            return false;
        if (row.pendingTabs > 0) {
            decodeBytes();
            const int n = row.pendingTabs;
            row.pendingTabs = 0;
            for (int i = 0; i < n; ++i)
                runText.append(QLatin1Char('\t'));
            countOutput(n);
        }
        if (row.cellBreakPending) {
            row.cellBreakPending = false;
            decodeBytes();
            runText.append(QChar(0x2028));
            countOutput(1);
        }
        row.cellHasContent = true;
        return !stop;
    }

    RunStyle resolveRun(const CharState &c, const Font *font) const
    {
        RunStyle r;
        if (font)
            r.fontName = font->name;
        r.halfPoints = c.halfPoints;
        r.colour = colourTable.at(c.colour);
        r.background = colourTable.at(c.background);
        r.bold = c.bold;
        r.italic = c.italic;
        r.underline = c.underline;
        r.strike = c.strike;
        r.vertical = c.vertical;
        return r;
    }

    void syncRun()
    {
        charDirty = false;
        const CharState &c = top().chr;
        hidden = c.hidden;
        const Font *font = fontTable.find(c.font);
        RunStyle r = resolveRun(c, font);
        if (!(r == run)) {
            flushRun();
            run = std::move(r);
        }
        codePage = font ? FontTable::codePageOf(*font, docCodePage) : docCodePage;
    }

    void decodeBytes()
    {
        if (bytes.isEmpty())
            return;
        const qsizetype before = runText.size();
        appendDecoded(runText, bytes, bytesCodePage);
        bytes.resize(0);
        countOutput(runText.size() - before);
    }

    // Counts characters put into the current paragraph.
    void countOutput(qsizetype n)
    {
        if (n > 0)
            paraHasContent = true;
        output += n;
        if (output > limits::kMaxOutputChars) {
            const qsizetype excess = static_cast<qsizetype>(output - limits::kMaxOutputChars);
            runText.chop(std::min(excess, runText.size()));
            output = limits::kMaxOutputChars;
            report.limited = true;
            stop = true;
        }
    }

    void flushRun()
    {
        decodeBytes();
        if (!runText.isEmpty()) {
            sink.text(runText, run);
            runText.resize(0);
        }
    }

    ParagraphStyle resolveParagraph() const
    {
        const ParaState &ps = stack.back().para;
        ParagraphStyle style = ps.style;
        if (ps.ls > 0) {
            style.list = wordLists.listOf(ps.ls, ps.ilvl);
        } else if (style.list.kind != ListKind::None && ps.ilvl > 0) {
            style.list.level = ps.ilvl; // the level of an old-style list item, as this program writes it
        }
        if (style.list.kind == ListKind::None)
            style.list = ListStyle();
        else if (style.list.kind == ListKind::Bullet)
            style.list.start = 1;
        return style;
    }

    void paragraphEnd()
    {
        if (stop)
            return;
        if (charDirty)
            syncRun();
        flushRun();
        row.pendingTabs = 0;
        sink.paragraphEnd(resolveParagraph(), run);
        countOutput(1);
        paraHasContent = false;
    }

    void emitPicture()
    {
        if (pict.tooBig || (pict.kind != PictState::Kind::Png && pict.kind != PictState::Kind::Jpeg))
            return;
        const PictureFormat format = pict.kind == PictState::Kind::Png ? PictureFormat::Png : PictureFormat::Jpeg;
        const auto size = encodedPictureSize(pict.data, format);
        if (!size || size->width > limits::kMaxPictureSide || size->height > limits::kMaxPictureSide
            || std::int64_t(size->width) * size->height > limits::kMaxPicturePixels) {
            return;
        }
        if (pictureBytes + pict.data.size() > limits::kMaxTotalPictureBytes) {
            report.limited = true;
            return;
        }
        if (!prepareContent())
            return;
        pictureBytes += pict.data.size();
        flushRun();
        Picture picture;
        picture.format = format;
        picture.data = std::move(pict.data);
        picture.pixelWidth = size->width;
        picture.pixelHeight = size->height;
        picture.goalWidthTwips = clampInt(std::int64_t(pict.goalW) * pict.scaleX / 100, 0, limits::kMaxTwips);
        picture.goalHeightTwips = clampInt(std::int64_t(pict.goalH) * pict.scaleY / 100, 0, limits::kMaxTwips);
        sink.picture(picture, run);
        countOutput(1);
    }

    void commitFont()
    {
        if (fontTable.commit(docCodePage))
            charDirty = true;
    }

    void finish()
    {
        commitFont();
        if (charDirty)
            syncRun();
        flushRun();
        sink.finish(paraHasContent, resolveParagraph(), run);
    }
};

RtfParser::RtfParser(RtfSink &sink, bool rawTextIsUtf8) : d(std::make_unique<State>(sink, rawTextIsUtf8)) {}

RtfParser::~RtfParser() = default;

ReadReport RtfParser::parse(QByteArrayView rtf)
{
    d->p = rtf.data();
    d->end = rtf.data() + rtf.size();
    d->parse();
    return d->report;
}

bool looksLikeRtf(QByteArrayView bytes)
{
    qsizetype i = 0;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        i = 3;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

} // namespace corvane::richtext
