// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvaline {

// Whether `chemin` names an existing normal file (a link to one counts). "*" and "?" in the
// last part of the path act as wildcards: a pattern counts as found as soon as one normal
// file matches it. Folders, hidden files, devices and pipes never count, and a path that
// cannot be looked up counts as not found. The caller's text loses its leading and trailing
// blanks, so that a message can show the path that was tested.
bool testerfichier(QString& chemin);

} // namespace orvaline
