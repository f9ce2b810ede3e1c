#pragma once

#include <cstdint>
#include <string_view>

namespace corvane::richtext {

// The control words the reader acts on; every other word is ignored.
enum class Kw : std::uint8_t {
    Unknown,
    // document
    Rtf, Ansi, Mac, Pc, Pca, AnsiCpg, Deff,
    // destinations
    FontTable, ColourTable, Pict, Field, FldInst, FldRslt, Object, Result, Upr, Ud, Pn, ShpPict,
    ListTable, List, ListLevel, ListOverrideTable, ListOverride, PnTxtA, PnTxtB, SkipDestination,
    // font table and colour table
    F, FCharset, Cpg, Red, Green, Blue,
    // character formatting
    Plain, Fs, Cf, Cb, Highlight, B, I, Ul, UlNone, Strike, Super, Sub, NoSuperSub, Up, Dn, Hidden,
    // paragraph formatting
    Pard, Ql, Qr, Qc, Qj, Li, Ri, Fi, Sb, Sa, Ls, Ilvl,
    // special characters and breaks
    Par, Sect, Page, Line, Tab, Intbl, Cell, NestCell, Row, NestRow, EmDash, EnDash, EmSpace, EnSpace,
    QmSpace, Bullet, LQuote, RQuote, LDblQuote, RDblQuote, Zwj, Zwnj, LtrMark, RtlMark,
    // unicode
    U, Uc,
    // pictures
    PngBlip, JpegBlip, OtherBlip, PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY, Bin,
    // old-style (rich edit) bullets and numbering
    PnLvlBlt, PnLvlBody, PnLvlCont, PnLvl, PnDec, PnUcLtr, PnLcLtr, PnUcRm, PnLcRm, PnStart,
    // Word lists
    ListId, LevelNfc, LevelStartAt,
};

// The keyword of a control word's name (without backslash and parameter).
Kw lookupKeyword(std::string_view name);

} // namespace corvane::richtext
