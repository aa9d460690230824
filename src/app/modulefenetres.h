// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvaline {

// The folder of the running program, links resolved; "" when the system does not tell.
const char* dossierProgramme();

// Loads the windows' module (beside the program for a build or a portable copy, else where
// the package installs it) and hands the whole start-up over to it. Its exit status, or 1
// with a French message on standard error when the module cannot be loaded.
int ouvrirFenetres(int argc, char* argv[]);

} // namespace orvaline
