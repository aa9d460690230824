// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/erreur.h"

#include <QString>
#include <optional>

namespace orvaline {

// The maker's addresses on the Internet.
namespace adresses {
// The installer of the newest version, fetched by the browser.
QString installateur();
// "mailto:" and the support address.
QString courrielSupport();
// The root of the web site, without a trailing "/".
QString site();
QString forum();
QString faq();
} // namespace adresses

// The browser chosen in the options: its path (whole, without surrounding blanks) and 1 in
// `trouve` when that program exists and can be run. Otherwise `trouve` is 0 and the user has been
// told what to do.
void lirenavigateur(QString& chemin, qint16& trouve);

// Asks up to three times, half a second apart, whether the computer is connected. 1 in
// `connecte` when it is, or when the user chose to go on without a connection (asked only
// when `demander` is 1); 0 means the caller stops.
void verifierconnexion(qint16 demander, qint16& connecte);

// Starts the browser with the address as its only argument, never through a shell, so no
// path or address can run a command. When it could not start, the error says why: no such
// file, not a program, or a start that failed.
std::optional<Erreur> lancerNavigateur(const QString& chemin, const QString& adresse);

} // namespace orvaline
