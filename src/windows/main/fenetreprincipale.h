// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/calculatricetemps.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace orvaline {

class BoutonXp;
class ChampSaisie;
class LabelDegrade;

// The main window: the time calculator and the date calculator in two frames on top of each
// other, one shown at a time, with the menus, the tool bar and the clock line.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // The window's load: sizes it, fills the unit list, resets both calculators, shows the
    // time calculator and starts the clock.
    void charger();

    // The "Mode" menu: 1 time calculator, 3 date calculator, 5 options, 6 regional settings.
    void menuMode(int index);
    // The "Fichier" menu: 1 calendar, 2 desktop calculator, 4 quit.
    void menuFichier(int index);
    // The "Aide" menu: 1 contents, 3 update, 4 contact, 6 about.
    void menuAide(int index);

    // One clock tick: regional checks again and the clock line.
    void tic();
    // The activation: the focus goes to the first field of the calculator shown.
    void activation();

    bool enChargement() const { return m_chargement != 0; }
    // The clock line for a given moment.
    static QString ligneHorloge(const QDateTime& maintenant);

    // Shows the version window (the start-up window with its Ok button).
    std::function<void()> afficherVersion;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void construireMenus();
    void construireOutils();
    void construirePied();
    void construireCadreDates();
    void construireCadreTemps();
    void chargerCadreDates();
    void chargerCadreTemps();
    void connecterCalendrier();
    // Opens the calendar for sais_date(index) and writes the chosen date back.
    void choisirDate(int index);
    // The calendar in view mode, on today.
    void afficherCalendrier();

    // Handlers of the time frame (gestiontemps.cpp).
    void connecterCadreTemps();
    void com_operClic(int index);
    void com_clearClic(int index);
    void quitterChampTemps(int index);
    void filtrerChampTemps(int index, int touche, Qt::KeyboardModifiers modificateurs);
    void lireCadreTemps();
    void afficherCadreTemps();
    void appliquerReponse(const Reponse& reponse);

    // Date calculator handlers (gestiondates.cpp).
    void connecterCadreDates();
    void calculdates();
    void clicListeUnites();

    qint16 m_chargement = 0;
    bool m_dejaActivee = false;
    bool m_sourisSurListe = false;   // a mouse button went down on the unit list
    bool m_clicListeAttendu = false; // that press or its release picked a unit

    // Controls are named as in the design; index 0 is unused where the design counts from 1.
    std::array<QGroupBox*, 3> cadres{};
    std::array<QLabel*, 9> libelles{};
    std::array<QLabel*, 2> icones{};

    // Date calculator.
    std::array<ChampSaisie*, 3> sais_date{};
    ChampSaisie* sais_increment = nullptr;
    QListWidget* list_increment = nullptr;
    std::array<BoutonXp*, 3> com_calendrier{};
    std::array<BoutonXp*, 5> com_incdate{};
    BoutonXp* com_date = nullptr;
    QLabel* lib_calcul = nullptr;

    // Time calculator.
    std::array<ChampSaisie*, 5> sais_time{};
    std::array<QLabel*, 5> lib_mem{};
    QLabel* lib_oper = nullptr;
    std::array<BoutonXp*, 6> com_oper{};
    CalculatriceTemps m_temps;

    std::array<BoutonXp*, 4> com_clear{};
    std::array<QPlainTextEdit*, 3> sais_histo{};

    std::array<BoutonXp*, 6> com_outil{};
    LabelDegrade* lib_date = nullptr;
    std::array<LabelDegrade*, 2> lib_aide{};
    QTimer* minuterie = nullptr;
    QWidget* img_focus = nullptr;

    std::array<QAction*, 5> menu_fich{};
    std::array<QAction*, 7> menu_mode{};
    std::array<QAction*, 7> menu_aide{};
};

} // namespace orvaline
