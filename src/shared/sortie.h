// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace orvaline {

// The one way out of the program: runs what was registered for the way out (closing the
// desktop calculator the program started, releasing the single-copy lock), then hides the
// windows through the routine the window layer registered, and ends the program at once,
// without further window events. A start that ends on a fatal error leaves
// with a status other than 0.
[[noreturn]] void fermerappli(int statut = 0);

void ajouterAvantSortie(std::function<void()> routine);

// The window layer's way of hiding its windows on the way out; a later one replaces it.
void inscrireMasquage(std::function<void()> masquer);

} // namespace orvaline
