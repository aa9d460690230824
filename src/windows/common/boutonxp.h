// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace orvaline {

// A flat button that lights up under the mouse and when it has the focus, with an optional
// picture and a tooltip.
class BoutonXp : public QPushButton {
    Q_OBJECT
public:
    explicit BoutonXp(const QString& texte = {}, QWidget* parent = nullptr);
    // A picture button: no caption, the picture scaled to the button; the tooltip trimmed
    // names the button for a screen reader.
    void definirImage(const QString& ressource, const QSize& taille);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace orvaline
