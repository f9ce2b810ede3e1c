#include "richtext/RtfKeywords.h"

#include <unordered_map>

namespace corvane::richtext {

namespace {

struct Entry
{
    std::string_view name;
    Kw kw;
};

// Destinations whose content never reaches the text.
constexpr std::string_view kSkipped[] = {
    "stylesheet", "info", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
    "footerf", "footnote", "annotation", "pntext", "listtext", "nonshppict",
    "xe", "tc", "rxe", "txe", "themedata", "colorschememapping", "latentstyles", "datastore",
    "listpicture", "revtbl", "rsidtbl", "generator", "xmlnstbl", "filetbl", "pgdsctbl", "pnseclvl",
    "template", "userprops", "docvar", "bkmkstart", "bkmkend", "atnid", "atnauthor", "atndate",
    "atnref", "atrfstart", "atrfend", "comment", "doccomm", "author", "operator", "title",
    "subject", "keywords", "company", "manager", "category", "buptim", "creatim", "revtim",
    "printim", "mmathPr", "shpinst", "shptxt", "fchars", "lchars", "protusertbl", "ftnsep",
    "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "do", "falt", "panose", "leveltext",
    "levelnumbers", "listname", "lfolevel", "blipuid", "picprop", "objdata", "objclass",
    "objname", "nesttableprops", "nonesttables", "shp", "shprslt", "wgrffmtfilter", "private",
    "hlinkbase", "passwordhash", "defchp", "defpap", "mhtmltag", "htmltag", "fontemb", "fontfile",
    "background", "fldtype", "formfield", "datafield", "ebcstart", "ebcend"};

const std::unordered_map<std::string_view, Kw> &table()
{
    static const std::unordered_map<std::string_view, Kw> map = [] {
        std::unordered_map<std::string_view, Kw> m;
        const Entry entries[] = {
            {"rtf", Kw::Rtf}, {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
            {"ansicpg", Kw::AnsiCpg}, {"deff", Kw::Deff},
            {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColourTable}, {"pict", Kw::Pict},
            {"field", Kw::Field}, {"fldinst", Kw::FldInst}, {"fldrslt", Kw::FldRslt},
            {"object", Kw::Object}, {"result", Kw::Result}, {"upr", Kw::Upr}, {"ud", Kw::Ud},
            {"pn", Kw::Pn}, {"shppict", Kw::ShpPict}, {"listtable", Kw::ListTable}, {"list", Kw::List},
            {"listlevel", Kw::ListLevel}, {"listoverridetable", Kw::ListOverrideTable},
            {"listoverride", Kw::ListOverride},
            {"f", Kw::F}, {"fcharset", Kw::FCharset}, {"cpg", Kw::Cpg}, {"red", Kw::Red},
            {"green", Kw::Green}, {"blue", Kw::Blue},
            {"plain", Kw::Plain}, {"fs", Kw::Fs}, {"cf", Kw::Cf}, {"cb", Kw::Cb}, {"chcbpat", Kw::Cb},
            {"highlight", Kw::Highlight}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul}, {"uld", Kw::Ul},
            {"uldash", Kw::Ul}, {"uldashd", Kw::Ul}, {"uldashdd", Kw::Ul}, {"uldb", Kw::Ul},
            {"ulhwave", Kw::Ul}, {"ulldash", Kw::Ul}, {"ulth", Kw::Ul}, {"ulthd", Kw::Ul},
            {"ulthdash", Kw::Ul}, {"ulthdashd", Kw::Ul}, {"ulthdashdd", Kw::Ul}, {"ulthldash", Kw::Ul},
            {"ululdbwave", Kw::Ul}, {"ulw", Kw::Ul}, {"ulwave", Kw::Ul}, {"ulnone", Kw::UlNone},
            {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"super", Kw::Super}, {"sub", Kw::Sub},
            {"nosupersub", Kw::NoSuperSub}, {"up", Kw::Up}, {"dn", Kw::Dn}, {"v", Kw::Hidden},
            {"pard", Kw::Pard}, {"ql", Kw::Ql}, {"qr", Kw::Qr}, {"qc", Kw::Qc}, {"qj", Kw::Qj},
            {"qd", Kw::Qj}, {"li", Kw::Li}, {"lin", Kw::Li}, {"ri", Kw::Ri}, {"rin", Kw::Ri},
            {"fi", Kw::Fi}, {"sb", Kw::Sb}, {"sa", Kw::Sa}, {"ls", Kw::Ls}, {"ilvl", Kw::Ilvl},
            {"par", Kw::Par}, {"sect", Kw::Sect}, {"page", Kw::Page}, {"line", Kw::Line},
            {"softline", Kw::Line}, {"tab", Kw::Tab}, {"intbl", Kw::Intbl}, {"cell", Kw::Cell}, {"nestcell", Kw::NestCell},
            {"row", Kw::Row}, {"nestrow", Kw::NestRow}, {"emdash", Kw::EmDash},
            {"endash", Kw::EnDash}, {"emspace", Kw::EmSpace}, {"enspace", Kw::EnSpace},
            {"qmspace", Kw::QmSpace}, {"bullet", Kw::Bullet}, {"lquote", Kw::LQuote},
            {"rquote", Kw::RQuote}, {"ldblquote", Kw::LDblQuote}, {"rdblquote", Kw::RDblQuote},
            {"zwj", Kw::Zwj}, {"zwnj", Kw::Zwnj}, {"ltrmark", Kw::LtrMark}, {"rtlmark", Kw::RtlMark},
            {"u", Kw::U}, {"uc", Kw::Uc},
            {"pngblip", Kw::PngBlip}, {"jpegblip", Kw::JpegBlip}, {"emfblip", Kw::OtherBlip},
            {"wmetafile", Kw::OtherBlip}, {"macpict", Kw::OtherBlip}, {"pmmetafile", Kw::OtherBlip},
            {"dibitmap", Kw::OtherBlip}, {"wbitmap", Kw::OtherBlip}, {"picw", Kw::PicW},
            {"pich", Kw::PicH}, {"picwgoal", Kw::PicWGoal}, {"pichgoal", Kw::PicHGoal},
            {"picscalex", Kw::PicScaleX}, {"picscaley", Kw::PicScaleY}, {"bin", Kw::Bin},
            {"pnlvlblt", Kw::PnLvlBlt}, {"pnlvlbody", Kw::PnLvlBody}, {"pnlvlcont", Kw::PnLvlCont},
            {"pnlvl", Kw::PnLvl}, {"pndec", Kw::PnDec}, {"pnucltr", Kw::PnUcLtr},
            {"pnlcltr", Kw::PnLcLtr}, {"pnucrm", Kw::PnUcRm}, {"pnlcrm", Kw::PnLcRm},
            {"pnstart", Kw::PnStart}, {"pntxta", Kw::PnTxtA}, {"pntxtb", Kw::PnTxtB},
            {"listid", Kw::ListId}, {"levelnfc", Kw::LevelNfc}, {"levelnfcn", Kw::LevelNfc},
            {"levelstartat", Kw::LevelStartAt},
        };
        for (const Entry &e : entries)
            m.emplace(e.name, e.kw);
        for (const std::string_view name : kSkipped)
            m.emplace(name, Kw::SkipDestination);
        return m;
    }();
    return map;
}

} // namespace

Kw lookupKeyword(std::string_view name)
{
    const auto &t = table();
    const auto it = t.find(name);
    return it == t.end() ? Kw::Unknown : it->second;
}

} // namespace corvane::richtext
