// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace orvaline {

// The windows are designed with Verdana, Tahoma, MS Sans Serif and Fixedsys; map them to the
// DejaVu family so that the layout and the tape columns hold on a Linux desktop.
void installerPolices();

// A font of the design, in points.
QFont police(const QString& famille, double points, bool gras = false);

} // namespace orvaline
