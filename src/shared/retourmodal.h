// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace orvaline {

// A window of ours that opened a modal window runs its activation when that window has gone
// (as a desktop program's window is re-activated), before the opener goes on and perhaps
// moves the focus itself. The main window registers its activation here; every code path
// that shows a modal window calls retourModal() once it has closed.
void definirRetourModal(std::function<void()> activation);
void retourModal();

} // namespace orvaline
