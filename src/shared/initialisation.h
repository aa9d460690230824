// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvaline {

// Fills the shared state in its order; each step that fails leaves its variable as it was.
// The options start as a new settings file would give them.
void initialisation();

} // namespace orvaline
