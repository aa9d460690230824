// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculdates.h"
#include "windows/common/cadretitre.h"

#include <array>
#include <optional>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace orvaline {

class BoutonXp;
class ChampSaisie;

// The date calculator's frame "cadres(2)": start date, increment and unit, end date, the
// result and the history. It holds its own controls and handlers.
class CadreDates : public CadreTitre {
    Q_OBJECT
public:
    explicit CadreDates(QWidget* parent);
    ~CadreDates() override;

    // Empty fields, an empty history and the default unit.
    void charger();
    // The field that takes the focus when the frame comes up.
    QWidget* premierChamp() const;
    // The history box, which the "Fichier" menu saves, prints and copies.
    QPlainTextEdit* releve() const { return sais_histo; }
    // While the window loads, a change of unit must not start a calculation.
    void suspendre(bool oui) { m_suspendu = oui; }
    bool suspendu() const { return m_suspendu; }

    // Taking up a run again (cadredatesseance.cpp): the history as it was.
    void reprendre(const QString& historique);
    // "Reset" can be undone once, until the next calculation.
    bool effacementAnnulable() const { return m_avantEffacement.has_value(); }
    bool annulerEffacement();
    void oublierEffacement() { m_avantEffacement.reset(); }

signals:
    // Lines added to the history, as they were added.
    void lignesAjoutees(const QString& texte);
    // The history was emptied by "Reset".
    void releveVide();
    void effacementFait();

private:
    // What "Reset" erases.
    struct Saisies {
        QString depart, increment, fin, calcul, historique;
        int unite = 0;
    };
    Saisies saisies() const;

    void construire();
    void construireLibelle(int index, const QString& texte, int haut);
    ChampSaisie* construireChamp(const QString& nom, int haut, const QString& nomAccessible);
    // The calendar and day-step buttons beside date field 1 or 2.
    void construireBoutonsDate(int champ, int haut);
    void construireListeUnites();
    void construireBas();
    void connecter();
    // Mouse and keyboard choices of a unit.
    void connecterListeUnites();
    void calculdates();
    // The fields as the calculation reads them.
    EntreeCalculDates entree() const;
    void clicListeUnites();
    // The result label's text, in a size that shows it whole.
    void afficherResultat(const QString& texte);
    // Opens the calendar for sais_date(index) and writes the chosen date back.
    void choisirDate(int index);
    // The frame's "Reset".
    void effacer();

    bool m_suspendu = false;
    bool m_sourisSurListe = false;   // a mouse button went down on the unit list
    bool m_clicListeAttendu = false; // that press or its release picked a unit

    // Controls are named as in the design; index 0 is unused where the design counts from 1.
    std::array<QLabel*, 9> libelles{};
    std::array<ChampSaisie*, 3> sais_date{};
    ChampSaisie* sais_increment = nullptr;
    QListWidget* list_increment = nullptr;
    std::array<BoutonXp*, 3> com_calendrier{};
    std::array<BoutonXp*, 5> com_incdate{};
    BoutonXp* com_date = nullptr;
    BoutonXp* com_clear = nullptr;
    QLabel* icone = nullptr;
    QLabel* lib_calcul = nullptr;
    QPlainTextEdit* sais_histo = nullptr;
    std::optional<Saisies> m_avantEffacement;
};

} // namespace orvaline
