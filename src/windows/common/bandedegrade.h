// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace orvaline {

// The blue band, dark at the top and light at the bottom, down the left of the contact and
// update windows.
class BandeDegrade : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override;
};

} // namespace orvaline
