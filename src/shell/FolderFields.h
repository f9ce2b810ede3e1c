#pragma once

#include <QString>

namespace corvane::shell {

// Folder fields end in the separator once the user leaves them, so that file names can be glued on.
// An empty field stays empty: turning it into a lone separator would name the root folder, which
// exists, and so let the program run on a folder the user never chose.
QString folderFieldOnExit(const QString &text);
// The field text for a folder chosen in the folder picker: its path with one trailing separator.
QString pickedFolderText(const QString &chosenFolder);

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
