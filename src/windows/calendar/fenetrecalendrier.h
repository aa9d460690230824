// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/fenetremodale.h"

#include <array>

class QFrame;
class QLabel;
class QListWidget;

namespace orvaline {

class BoutonXp;
class CaseJour;
class LabelDegrade;

// The calendar window "calend": the chosen month in a large grid between the month before
// and the month after, a month list and a year list, and the date selected. It reads the date
// to show, the year span and the mode from the shared hand-over table and gives back the date
// chosen (entry 1) and whether the user cancelled (`annulation`).
class FenetreCalendrier : public FenetreModale {
    Q_OBJECT
public:
    // The single window, created on first use.
    static FenetreCalendrier& instance();

    // The load from the hand-over table; it runs at every showing.
    void charger() override;

    // Selects a "dd/mm/yyyy" date: its year and month in the lists, its day in the grid.
    void selectdate(const QString& date);
    // Redraws the three grids from the lists and the selected day.
    void affichage();

    qint16 jourSelectionne() const { return m_jourSelectionne; }

protected:
    bool eventFilter(QObject* objet, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void reject() override;
    void done(int resultat) override;

private:
    FenetreCalendrier();
    void construireHaut();
    void construireGrilles();
    void construireBas();

    void selectionnerJour(int index);
    void moisVoisin(int index);
    void dateDuJour();
    void valider();
    void annuler();
    void deplacerSelection(int jours);
    bool grilleAuClavier(int touche);

    // Fields of the loaded window.
    qint16 m_jourSelectionne = 0;
    qint16 m_suppressionRafraichissement = 0;
    qint16 m_annule = 1;
    bool m_modeVue = false;

    std::array<QLabel*, 3> libelles{};
    QListWidget* list_mois = nullptr;
    QListWidget* list_annee = nullptr;
    std::array<QLabel*, 3> icones{};
    LabelDegrade* lib_dateaff = nullptr;
    std::array<BoutonXp*, 3> com_mois{};
    BoutonXp* com_jour = nullptr;
    QLabel* lib_date = nullptr;
    // Under the selected date: the name of the holiday it falls on, if any.
    QLabel* lib_ferie = nullptr;
    // Captions at 0, 100 and 200; weekday headers at 1..7, 101..107, 201..207.
    std::array<QLabel*, 208> libellesfixe{};
    std::array<CaseJour*, 43> lib_jour{};
    // Small grids: 101..142 the month before, 201..242 the month after.
    std::array<QLabel*, 243> lib_jouap{};
    std::array<QFrame*, 2> rectangle{};
    QFrame* carre = nullptr;
    std::array<QFrame*, 2> lignes{};
    BoutonXp* com_ok = nullptr;
    BoutonXp* com_annul = nullptr;
};

} // namespace orvaline
