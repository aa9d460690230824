// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace orvaline {

// Reads the command line. An answer in the terminal (--help, --version, --calcul, or a usage
// error) is given here, with no display, no lock and nothing written to disk, and its exit
// status comes back; nothing means: open the windows.
std::optional<int> repondreDansTerminal(int argc, char* argv[]);

} // namespace orvaline
