// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculatricetemps.h"

#include "windows/common/cadretitre.h"

#include <array>
#include <optional>

class QLabel;
class QPlainTextEdit;

namespace orvaline {

class BoutonXp;
class ChampSaisie;

// The time calculator's frame "cadres(1)": four duration fields, the stored operand, the
// operator buttons and the tape. It holds its own controls and handlers.
class CadreTemps : public CadreTitre {
    Q_OBJECT
public:
    explicit CadreTemps(QWidget* parent);
    ~CadreTemps() override;

    // Idle, fields at "0", nothing stored, an empty tape.
    void charger();
    // The field that takes the focus when the frame comes up.
    QWidget* premierChamp() const;
    // The tape box, which the "Fichier" menu saves, prints and copies.
    QPlainTextEdit* releve() const { return sais_histo; }

    // Taking up a run again (cadretempsseance.cpp): the tape as it was, fields untouched.
    void reprendre(const QString& bande);
    // "Effacer" and "Reset" can be undone once, until the next calculation.
    bool effacementAnnulable() const { return m_avantEffacement.has_value(); }
    bool annulerEffacement();
    void oublierEffacement() { m_avantEffacement.reset(); }

signals:
    // Lines printed on the tape, as they were added.
    void lignesAjoutees(const QString& texte);
    // The tape was emptied by "Reset".
    void releveVide();
    void effacementFait();

private:
    void construire();
    // Label, stored operand and field of column i, 1 to 4.
    void construireColonne(int i);
    void construireBoutons();
    void connecter();
    void com_operClic(int index);
    void com_clearClic(int index);
    void quitterChampTemps(int index);
    void filtrerChampTemps(int index, int touche, Qt::KeyboardModifiers modificateurs);
    void lireCadreTemps();
    // Shows the calculator's state; returns the lines it added to the tape.
    QString afficherCadreTemps();
    // Shows or hides the fields and their labels as the calculator's mode wants.
    void montrerChampsTemps();
    void appliquerReponse(const Reponse& reponse);

    // Controls are named as in the design; index 0 is unused where the design counts from 1.
    std::array<QLabel*, 5> libelles{};
    std::array<ChampSaisie*, 5> sais_time{};
    std::array<QLabel*, 5> lib_mem{};
    QLabel* lib_oper = nullptr;
    std::array<BoutonXp*, 6> com_oper{};
    std::array<BoutonXp*, 3> com_clear{};
    QLabel* icone = nullptr;
    QPlainTextEdit* sais_histo = nullptr;
    CalculatriceTemps m_temps;
    std::optional<CalculatriceTemps> m_avantEffacement;
    bool m_reponseEnCours = false;
};

} // namespace orvaline
