// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <array>

#include <functional>
#include <memory>

class QAction;
class QPlainTextEdit;
class QMenu;
class QTimer;

namespace orvaline {

class BoutonXp;
class CadreDates;
class CadreTemps;
class JournalSeance;
class LabelDegrade;

// The main window: the time calculator's and the date calculator's frames on top of each
// other, one shown at a time, with the menus, the tool bar and the clock line.
class FenetrePrincipale : public QMainWindow {
    Q_OBJECT
public:
    explicit FenetrePrincipale(QWidget* parent = nullptr);
    ~FenetrePrincipale() override;

    // The window's load: sizes it, fills the unit list, resets both calculators, takes up a
    // run that ended abnormally, shows the time calculator and starts the clock.
    void charger();

    // The "Mode" menu: 1 time calculator, 3 date calculator, 5 options, 6 regional settings.
    void menuMode(int index);
    // The "Fichier" menu: 1 calendar, 2 desktop calculator, 4 quit; then, for the calculator
    // shown, 6 save its tape or history, 7 print it, 8 copy it all.
    void menuFichier(int index);
    // The "Aide" menu: 1 contents, 3 update, 4 contact, 6 about.
    void menuAide(int index);

    // One clock tick: regional checks again and the clock line.
    void tic();
    // The activation: the focus goes to the first field of the calculator shown.
    void activation();

    // Loading, or the date frame resetting itself: a change of unit calculates nothing.
    bool enChargement() const;
    // The clock line for a given moment.
    static QString ligneHorloge(const QDateTime& maintenant);

    // Shows the version window (the start-up window with its Ok button).
    std::function<void()> afficherVersion;

    // "Annuler la remise à zéro": the last "Effacer" or "Reset" of the calculator shown.
    void annulerEffacement();
    // The end of the run by a normal exit: the journal goes, unless the option keeps it.
    void terminerSeance();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* objet, QEvent* event) override;

private:
    void construireMenus();
    void construireOutils();
    void construirePied();
    // The calendar in view mode, on today.
    void afficherCalendrier();

    // Keeping the tape or the history of the calculator shown (fenetreprincipaleconservation.cpp).
    QPlainTextEdit* releveAffiche() const;
    void construireConservation(QMenu* fichier);
    void suivreReleves();
    // Greys the items while there is nothing to keep, and names what "Enregistrer" saves.
    void majConservation();
    void enregistrerReleve();
    void imprimerReleve();
    void copierReleve();

    // The journal of the run and the undo of a reset (fenetreprincipaleseance.cpp).
    void construireSeance(QMenu* fichier);
    void suivreSeance();
    // At load: takes up the run that ended abnormally, then starts this run's journal.
    void reprendreSeance();
    void majAnnulation();

    qint16 m_chargement = 0;
    bool m_dejaActivee = false;

    CadreTemps* m_cadreTemps = nullptr;
    CadreDates* m_cadreDates = nullptr;

    // Controls are named as in the design; index 0 is unused where the design counts from 1.
    std::array<BoutonXp*, 6> com_outil{};
    LabelDegrade* lib_date = nullptr;
    std::array<LabelDegrade*, 2> lib_aide{};
    QTimer* minuterie = nullptr;
    QWidget* img_focus = nullptr;

    std::array<QAction*, 9> menu_fich{};
    std::array<QAction*, 7> menu_mode{};
    std::array<QAction*, 7> menu_aide{};
    QAction* menu_annuler = nullptr;

    std::unique_ptr<JournalSeance> m_journal;
};

} // namespace orvaline
