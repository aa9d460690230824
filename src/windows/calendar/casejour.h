// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/labeldegrade.h"

namespace orvaline {

// A day cell of the calendar's large grid: a gradient label whose colours and font follow
// one of three colour sets, and change under the mouse and while pressed.
// The red in which holidays are written, in the grids and under the selected date.
QColor couleurFerie();

class CaseJour : public LabelDegrade {
    Q_OBJECT
public:
    enum class Jeu { Vide, Jour, Selection };

    explicit CaseJour(QWidget* parent = nullptr);

    void definirJeu(Jeu jeu);
    Jeu jeu() const { return m_jeu; }
    // The background of the cell at rest.
    QColor couleurRepos() const;
    // The cell that the keyboard moves shows a dotted frame while the grid has the focus.
    void definirRepere(bool repere);
    // A public holiday: its name as tooltip and description, its number in red. "" for a
    // plain day.
    void definirFerie(const QString& nom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void appliquer();

    Jeu m_jeu = Jeu::Vide;
    bool m_survol = false;
    bool m_appui = false;
    bool m_repere = false;
    bool m_ferie = false;
};

} // namespace orvaline
