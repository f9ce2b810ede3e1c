#pragma once

#include <QCoreApplication>
#include <QString>

namespace corvane::shell {

// File dialog filters as pairs of description and pattern list separated by "|", patterns
// separated by ";". English source texts: shownFilter() gives them in the user's language.
inline constexpr char kDictionaryFilter[] =
    //: File dialog filter: description|patterns pairs; translate only the descriptions.
    QT_TRANSLATE_NOOP("FileDialogFilters", "Dictionary wordlists (*.dic)|*.dic|All files (*.*)|*.*");
inline constexpr char kSoundFilter[] =
    //: File dialog filter: description|patterns pairs; translate only the descriptions.
    QT_TRANSLATE_NOOP("FileDialogFilters", "Sound (*.wav)|*.wav|Music (*.mid,*.mp3)|*.mid;*.mp3|All Files (*.*)|*.*");

// A filter above in the user's language.
inline QString shownFilter(const char *filter)
{
    return QCoreApplication::translate("FileDialogFilters", filter);
}

// The same filter in the form the toolkit's file dialog takes ("Sound (*.wav);;..."): each
// description ends in its patterns, and "*.*" becomes "*" so that files without an extension count.
QString toDialogFilter(const QString &pairs);

} // namespace corvane::shell
