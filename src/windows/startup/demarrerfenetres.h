// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The windows live in a module the program loads only when it opens them, so that its answers
// in the terminal never pay for loading Qt Widgets. This is the module's one entry: the whole
// start-up of the windows, from the application object to the end of the event loop.
extern "C" Q_DECL_EXPORT int orvaline_demarrer_fenetres(int argc, char* argv[]);

// The entry's name, for the program that resolves it.
inline constexpr char orvaline_symbole_fenetres[] = "orvaline_demarrer_fenetres";
