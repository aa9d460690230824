// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace orvaline {

// The one way out of the program: runs what was registered for the way out (closing the
// desktop calculator the program started, releasing the single-copy lock), then ends the
// program at once, without further window events.
[[noreturn]] void fermerappli();

void ajouterAvantSortie(std::function<void()> routine);

} // namespace orvaline
