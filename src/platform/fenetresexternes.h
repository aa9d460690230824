// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace orvaline {

// Makes the top-level window of another process the active one, as a taskbar would: on X11,
// the window whose _NET_WM_PID is that process, through the window manager. Nothing is done
// elsewhere (on Wayland no program may raise another's window). Says whether a window was
// found and asked for.
bool activerFenetreDuProcessus(qint64 pid);

} // namespace orvaline
