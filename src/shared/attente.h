// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvaline {

// Waits the given seconds while window events keep being processed. A negative time returns
// at once. The wait is an event loop with a timer on a monotonic clock: no CPU is used and
// midnight changes nothing.
void pause(double secondes);

// Plays the sound named at an index of a sound table, when entry 0 switches sounds on.
void jouerson(const QStringList& table, int index);

} // namespace orvaline
