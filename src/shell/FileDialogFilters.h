#pragma once

#include <QString>

namespace corvane::shell {

// File dialog filters as pairs of description and pattern list separated by "|", patterns
// separated by ";".
inline const QString kDictionaryFilter =
    QStringLiteral("Dictionary wordlists (*.dic)|*.dic|All files (*.*)|*.*");
inline const QString kSoundFilter =
    QStringLiteral("Sound (*.wav)|*.wav|Music (*.mid,*.mp3)|*.mid;*.mp3|All Files (*.*)|*.*");

// The same filter in the form the toolkit's file dialog takes ("Sound (*.wav);;..."): each
// description ends in its patterns, and "*.*" becomes "*" so that files without an extension count.
QString toDialogFilter(const QString &pairs);

} // namespace corvane::shell
