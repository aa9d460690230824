// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared/reglages.h"

#include "windows/common/fenetremodale.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace orvaline {

class BoutonXp;
class ChampSaisie;

// The options dialog: quick date entry, quick number entry, the web browser and the
// holidays of the working days, on four pages. The test fields try the entry modes with the check
// boxes as they stand; nothing reaches the settings file before Ok.
class ConfOpt : public FenetreModale {
    Q_OBJECT
public:
    static ConfOpt& instance();

    // Reads the settings file into the pages. Once the dialog has closed, `annulation` says
    // whether it was cancelled (1) or accepted (0).
    void charger() override;

protected:
    void done(int resultat) override;
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    ConfOpt();
    void construireGauche();
    void construirePageDates();
    void construirePageNombres();
    void construirePageNavigateur();
    void construirePageFeries();
    // Lists this year's holidays as the Alsace-Moselle box stands, so the user sees its effect.
    void remplirFeries();
    void montrerReglages();
    QGroupBox* nouveauCadre(int index, const QString& titre);
    QLabel* nouveauLibelle(QWidget* parent, const QString& texte, int gauche, int haut,
                           int largeur);

    // Shows page 1 to 4.
    void comOptions(int page);
    // The day steps of the test field: 1 one day back, 2 one day forward.
    void comIncdate(int index);
    void comSelfich();
    void comOk();
    void comCalendrier();
    void filtrerDate(int touche, Qt::KeyboardModifiers modificateurs);
    void filtrerNombre(int touche, Qt::KeyboardModifiers modificateurs);

    qint16 m_annule = 1;
    // What the file dialog last held as its file name, offered again when there is no path.
    QString m_nomFichier;

    // Controls are named as in the design; index 0 is unused where the design counts from 1.
    std::array<QGroupBox*, 5> cadres{};
    std::array<BoutonXp*, 5> com_options{};
    std::array<QLabel*, 5> img_led{};
    std::array<QLabel*, 2> img_ledon{};
    BoutonXp* com_ok = nullptr;
    BoutonXp* com_annul = nullptr;
    // The hints of a page as a screen reader hears them when the page opens, the keys named
    // as French keyboards print them.
    std::array<QString, 5> m_astuces{};
    int m_libelles = 0; // labels are numbered in the order they are made

    QCheckBox* case_saisdate = nullptr;
    ChampSaisie* sais_date = nullptr;
    std::array<BoutonXp*, 3> com_incdate{};
    BoutonXp* com_calendrier = nullptr;

    QCheckBox* case_saisnombre = nullptr;
    ChampSaisie* sais_nombre = nullptr;
    QCheckBox* case_garderseance = nullptr;

    QLineEdit* lib_navig = nullptr;
    BoutonXp* com_selfich = nullptr;

    QCheckBox* case_alsacemoselle = nullptr;
    QLabel* lib_alsace = nullptr;
    QLabel* lib_annee = nullptr;
    QListWidget* list_feries = nullptr;
};

// Opens the options dialog from the main window and lets the opener take the focus back.
void afficherOptions();

} // namespace orvaline
