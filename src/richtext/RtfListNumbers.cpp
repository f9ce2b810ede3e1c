#include "richtext/RtfListNumbers.h"

namespace corvane::richtext {

namespace {

QString alphabetic(int number, char first)
{
    QString text;
    for (int n = number; n > 0; n = (n - 1) / 26)
        text.prepend(QLatin1Char(static_cast<char>(first + (n - 1) % 26)));
    return text;
}

QString roman(int number, bool upper)
{
    static constexpr struct
    {
        int value;
        const char *digits;
    } kDigits[] = {{1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
                   {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString text;
    for (const auto &d : kDigits) {
        for (; number >= d.value; number -= d.value)
            text += QLatin1String(d.digits);
    }
    return upper ? text.toUpper() : text;
}

} // namespace

ListNumbers::Item ListNumbers::add(const ListStyle &style)
{
    int target = -1;
    if (style.key != 0) {
        const auto it = m_keyed.find({style.key, style.level});
        if (it != m_keyed.end() && m_lists[static_cast<std::size_t>(it->second)].style == style)
            target = it->second;
    } else if (m_last >= 0 && m_lists[static_cast<std::size_t>(m_last)].style == style) {
        target = m_last;
    }
    if (target < 0) {
        target = static_cast<int>(m_lists.size());
        m_lists.push_back(List{style, 0});
    }
    if (style.key != 0)
        m_keyed[{style.key, style.level}] = target;
    m_last = target;
    List &list = m_lists[static_cast<std::size_t>(target)];
    return Item{target, style.start + list.items++};
}

QString listLabel(const ListStyle &style, int number)
{
    const ListKind kind = style.kind;
    QString label;
    switch (kind) {
    case ListKind::None: return QString();
    case ListKind::Bullet: return QString(QChar(0x2022));
    case ListKind::Decimal: label = QString::number(number); break;
    case ListKind::LowerAlpha: label = alphabetic(number, 'a'); break;
    case ListKind::UpperAlpha: label = alphabetic(number, 'A'); break;
    case ListKind::LowerRoman:
    case ListKind::UpperRoman:
        // Roman numerals end at 3999; later items count on in digits.
        label = number > 0 && number < 4000 ? roman(number, kind == ListKind::UpperRoman) : QString::number(number);
        break;
    }
    return style.before + label + style.after;
}

} // namespace corvane::richtext
