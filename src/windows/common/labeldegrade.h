// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QLabel>

namespace orvaline {

// A label painted on a vertical gradient, that reports clicks and double-clicks.
class LabelDegrade : public QLabel {
    Q_OBJECT
public:
    explicit LabelDegrade(const QString& texte = {}, QWidget* parent = nullptr);
    void definirCouleurs(const QColor& haut, const QColor& bas, const QColor& texte);

signals:
    void clique();
    void doubleClique();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QColor m_haut{0xf7, 0xf9, 0xff};
    QColor m_bas{0xc9, 0xd6, 0xef};
};

} // namespace orvaline
