// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvaline {

// What a screen reader hears from the labels, beyond Qt's defaults: a label is announced by
// its own text (or the name given to it), never by the caption of the frame around it when
// it is empty; a picture without a name of its own is decoration and is hidden from the
// reader. Call once, after the application object exists and before any window is built.
void installerAccessibilite();

} // namespace orvaline
