#pragma once

#include <cstdint>

// Bounds the RTF reader keeps on any input, however hostile. Bodies come from other machines over a
// shared drive, so every quantity that costs memory or time is capped here and nowhere else. Input
// that runs into a cap still gives the document read so far.
namespace corvane::richtext::limits {

// Open groups at one time. Deeper groups are skipped whole (their braces are still counted).
inline constexpr int kMaxDepth = 200;
// Groups opened in one document; reading stops after that many.
inline constexpr std::int64_t kMaxGroups = 4'000'000;
// Letters of a control word (the format allows 32); longer words are read and ignored.
inline constexpr int kMaxWordLength = 32;
// Digits of a numeric parameter that count; more digits are read and the value saturates.
inline constexpr int kMaxParameterDigits = 10;
// Characters (UTF-16 units) put into the document, paragraph breaks included.
inline constexpr std::int64_t kMaxOutputChars = 16'000'000;
// Bytes of one picture, and of all pictures of one document together.
inline constexpr std::int64_t kMaxPictureBytes = 16 * 1024 * 1024;
inline constexpr std::int64_t kMaxTotalPictureBytes = 64 * 1024 * 1024;
// Pixels of one picture (width times height), and its longest side.
inline constexpr std::int64_t kMaxPicturePixels = 40'000'000;
inline constexpr int kMaxPictureSide = 20'000;
// Entries of the font and colour tables, and of the list tables.
inline constexpr int kMaxFonts = 4096;
inline constexpr int kMaxColours = 4096;
inline constexpr int kMaxLists = 4096;
// Characters of one font name.
inline constexpr int kMaxFontNameLength = 256;
// Fallback characters skipped after \uN (\ucN is clamped to this).
inline constexpr int kMaxUnicodeSkip = 16;
// Sizes, in half points, and paragraph distances, in twips, that formatting may take.
inline constexpr int kMinHalfPoints = 2;
inline constexpr int kMaxHalfPoints = 2000;
inline constexpr int kMaxTwips = 31680; // 22 inches
// Characters of the text before or after a list item's number.
inline constexpr int kMaxListNumberText = 32;
// Nesting level of lists.
inline constexpr int kMaxListLevel = 8;

} // namespace corvane::richtext::limits
