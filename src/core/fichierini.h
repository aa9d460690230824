// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

namespace orvaline {

// The settings file is a plain INI file in UTF-8: "[Section]" lines followed by "key=value"
// lines. Section and key names compare without regard to case and to surrounding blanks;
// lines starting with ";" or "#" are comments. CR LF and LF line ends are both understood.

// The value of one key, without surrounding blanks and without one pair of enclosing double
// quotes, cut to at most `taille` - 1 characters (the size of the caller's buffer). Nothing
// when the file, the section or the key is missing, when the value is empty, or when `taille`
// is not positive. When a key appears more than once in its section, the first one counts.
std::optional<QString> lireini(const QString& fichier, const QString& section, const QString& cle,
                               qint16 taille);

// The same reading on the bytes of a file.
std::optional<QString> lireiniContenu(const QByteArray& contenu, const QString& section,
                                      const QString& cle, qint16 taille);

// Whether a section or key name can be written and found again: not empty once trimmed, no
// control character (NUL, line breaks, tabs...), no byte-order mark, no broken UTF-16, and
// nothing that reads as INI syntax ("]" in a section; "=" in a key, or a key starting with
// "[", ";" or "#").
bool nomSectionValide(const QString& section);
bool nomCleValide(const QString& cle);

// Gives one key a value: the first line that `lireini` would read is replaced; a missing key
// goes after the last entry of the section's first occurrence, a missing section is added at
// the end, a missing file is created. Every other line keeps its bytes and its line end.
// The file is replaced as a whole through a temporary file, so a failed write leaves it as
// it was; only where the folder refuses a temporary file but the file itself is writable is
// it written in place. The value is written as given (quotes included). False (with the
// reason in French in `erreur` when given) when the file cannot be read or written, when a
// name is not valid, or when the value holds a line break, a NUL or broken UTF-16.
bool ecrireini(const QString& section, const QString& cle, const QString& valeur,
               const QString& fichier, QString* erreur = nullptr);

// The same writing on the bytes of a file, changed in place.
bool ecrireiniContenu(QByteArray& contenu, const QString& section, const QString& cle,
                      const QString& valeur, QString* erreur = nullptr);

} // namespace orvaline
