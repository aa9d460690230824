// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace orvaline::test {

// A file's bytes, or "<illisible>" when it cannot be read.
QByteArray lire(const QString& chemin);
// Writes the bytes, replacing the file; false when it cannot be written.
bool ecrire(const QString& chemin, const QByteArray& contenu);
// Runs `essai` as a user whom file permissions bind, so that refused writes can be checked
// even when the tests run as root (then in a child process, as "nobody", after handing
// `dossier` and its files over). True when `essai` gave true.
bool commeUtilisateurOrdinaire(const QString& dossier, const std::function<bool()>& essai);

// A fresh shared state for a window that starts the browser: the program's folder is
// `dossier`, whose settings file names the file `navigateur`, created there.
bool preparerNavigateur(const QString& dossier, const QString& navigateur);

} // namespace orvaline::test
