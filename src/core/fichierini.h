// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace orvaline {

// The settings file is a plain INI file in UTF-8: "[Section]" lines followed by "key=value"
// lines. Section and key names compare without regard to case and to surrounding blanks;
// lines starting with ";" or "#" are comments. CR LF and LF line ends are both understood.

// The value of one key, without surrounding blanks and cut to at most `taille` - 1
// characters (the size of the caller's buffer). Nothing when the file, the section or the
// key is missing, when the value is empty, or when `taille` is not positive. When a key
// appears more than once in its section, the first one counts.
std::optional<QString> lireini(const QString& fichier, const QString& section, const QString& cle,
                               qint16 taille);

// Gives one key a value: the first line that `lireini` would read is replaced; a missing key
// goes after the last entry of the section's first occurrence, a missing section is added at
// the end, a missing file is created. Every other line keeps its bytes and its line end.
// The file is replaced as a whole through a temporary file, so a failed write leaves it as
// it was. False (with the reason in `erreur` when given) when the file cannot be read or
// written, or when a name or the value would not fit on one line of its own.
bool ecrireini(const QString& section, const QString& cle, const QString& valeur,
               const QString& fichier, QString* erreur = nullptr);

} // namespace orvaline
