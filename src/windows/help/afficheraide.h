// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// The help pages are compiled into the program, one per topic number of a window, plus the
// contents. Topic 0, or any number without a page, is the contents.
QString pageAide(int sujet);

// Opens the help window on the page of a topic. Any failure is reported in the desktop's
// message box ("Aide") and gives false.
bool afficherAide(int sujet);

// The same for one page given by its file name in the help resources (":/help/<fichier>").
bool afficherPageAide(const QString& fichier);

// F1 anywhere in the program opens the page of the window it was typed in: the nearest
// window, counting the windows that opened it, with a property "aide". Installed once.
void installerToucheAide();

} // namespace orvaline
