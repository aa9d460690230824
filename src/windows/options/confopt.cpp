// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/options/confopt.h"

#include "core/calculdates.h"
#include "core/filtressaisie.h"
#include "platform/dialoguefichier.h"
#include "platform/services.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "windows/calendar/echangecalendrier.h"
#include "windows/common/annonce.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"
#include "windows/common/fenetres.h"
#include "windows/common/polices.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <algorithm>
#include <tuple>

namespace orvaline {

namespace {
bool estEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

// The programs the file dialog offers first. Programs have no file-name extension outside
// Windows, so there the list starts with every file.
QStringList filtresProgrammes() {
#ifdef Q_OS_WIN
    return {QStringLiteral("EXE (*.EXE)"), QStringLiteral("Tous Fichiers (*.*)")};
#else
    return {QStringLiteral("Tous Fichiers (*)")};
#endif
}

// Splits a program's path at its last folder separator: the folder (without the final
// separator; the root stays "/") and the file name. A bare name has no folder, so the
// dialog opens in the current folder.
std::pair<QString, QString> dossierEtFichier(const QString& chemin) {
    qsizetype p = chemin.lastIndexOf(u'/');
#ifdef Q_OS_WIN
    p = std::max(p, chemin.lastIndexOf(u'\\'));
#endif
    if (p < 0) return {QString(), chemin};
    return {p == 0 ? chemin.left(1) : chemin.left(p), chemin.mid(p + 1)};
}
} // namespace

ConfOpt& ConfOpt::instance() {
    static QPointer<ConfOpt> fenetre;
    if (!fenetre) fenetre = new ConfOpt;
    return *fenetre;
}

ConfOpt::ConfOpt() : FenetreModale(QStringLiteral("confopt"), 11) {
    setWindowTitle(QStringLiteral("  Options"));
    setFont(police(QStringLiteral("Verdana"), 8.25));

    construireGauche();
    construirePageDates();
    construirePageNombres();
    construirePageNavigateur();
    construirePageFeries();

    for (QCheckBox* c : {case_saisdate, case_saisnombre})
        c->installEventFilter(this);
    connect(&reglages(), &Reglages::modifie, this, &ConfOpt::montrerReglages);
    // A change of mode starts the trial over with an empty test field.
    connect(case_saisdate, &QCheckBox::clicked, this, [this] {
        sais_date->clear();
        donnerfocus(sais_date);
    });
    connect(case_saisnombre, &QCheckBox::clicked, this, [this] {
        sais_nombre->clear();
        donnerfocus(sais_nombre);
    });
    // Enter in a test field goes back to its check box.
    sais_date->filtreTouche = [this](QKeyEvent* e) {
        if (!estEntree(e)) return false;
        donnerfocus(case_saisdate);
        return true;
    };
    sais_nombre->filtreTouche = [this](QKeyEvent* e) {
        if (!estEntree(e)) return false;
        donnerfocus(case_saisnombre);
        return true;
    };
    connect(sais_date, &ChampSaisie::toucheRelachee, this, &ConfOpt::filtrerDate);
    connect(sais_nombre, &ChampSaisie::toucheRelachee, this, &ConfOpt::filtrerNombre);

    // Tab reads the screen: the left column from top to bottom, the four page buttons then Ok
    // and Annuler, then the page shown, row by row. Hidden pages drop out of the chain.
    const QList<QWidget*> chaine{
        com_options[1], com_options[2],     com_options[3], com_options[4],    com_ok,
        com_annul,      case_saisdate,      sais_date,      com_incdate[1],    com_incdate[2],
        com_calendrier, case_saisnombre,    sais_nombre,    case_garderseance, lib_navig,
        com_selfich,    case_alsacemoselle, list_feries};
    for (qsizetype i = 1; i < chaine.size(); ++i)
        setTabOrder(chaine[i - 1], chaine[i]);
}

void ConfOpt::charger() {
    dimensionner(8800, 6200);
    m_annule = 1;

    // The test fields start empty at every opening; they are never saved.
    sais_date->clear();
    sais_nombre->clear();
    montrerReglages();
    comOptions(1);
}

// The options in force, so that after a refused save the dialog shows what applies.
void ConfOpt::montrerReglages() {
    const Reglages& r = reglages();
    case_saisdate->setChecked(r.opt_saisdate());
    case_saisnombre->setChecked(r.opt_saisnombre());
    case_alsacemoselle->setChecked(r.alsacemoselle());
    case_garderseance->setChecked(r.garderseance());
    remplirFeries();
    lib_navig->setText(QStringLiteral(" ") + r.navigateur().value_or(QString()));
}

void ConfOpt::comOptions(int page) {
    for (int i = 1; i <= 4; ++i) {
        cadres[std::size_t(i)]->setVisible(i == page);
        img_led[std::size_t(i)]->setPixmap(img_ledon[i == page ? 1 : 0]->pixmap());
        com_options[std::size_t(i)]->setChecked(i == page);
    }
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
    if (page == 1) donnerfocus(sais_date);
    if (page == 2) donnerfocus(sais_nombre);
    if (page == 3) donnerfocus(com_selfich);
    if (page == 4) donnerfocus(case_alsacemoselle);
    annoncer(this, m_astuces[std::size_t(page)]);
}

void ConfOpt::comSelfich() {
    DemandeFichier demande;
    demande.titre = QStringLiteral("Navigateur Internet");
    demande.filtres = filtresProgrammes();
    demande.indexFiltre = 1;
    const QString chemin = lib_navig->text().trimmed();
    if (chemin.isEmpty()) {
        demande.dossier = QDir::rootPath();
        demande.fichier = m_nomFichier;
    } else {
        std::tie(demande.dossier, demande.fichier) = dossierEtFichier(chemin);
        m_nomFichier = demande.fichier;
    }
    const std::optional<QString> choix = plateforme::dialogueFichier().ouvrir(this, demande);
    if (!choix) return;
    m_nomFichier = QDir::toNativeSeparators(choix->trimmed());
    lib_navig->setText(QStringLiteral(" ") + m_nomFichier);
}

void ConfOpt::comOk() {
    Options choisies;
    choisies.saisdate = case_saisdate->isChecked();
    choisies.saisnombre = case_saisnombre->isChecked();
    choisies.alsacemoselle = case_alsacemoselle->isChecked();
    choisies.garderseance = case_garderseance->isChecked();
    choisies.navigateur = lib_navig->text().trimmed();
    reglages().enregistrer(choisies);
    m_annule = 0;
    done(QDialog::Accepted);
}

void ConfOpt::comIncdate(int index) {
    const ResultatPasJour r =
        pasjour(sais_date->text(), index == 1 ? SensPas::Arriere : SensPas::Avant);
    if (r.texte) {
        sais_date->setText(*r.texte);
        sais_date->setCursorPosition(int(r.texte->size()));
    }
    if (r.donnerFocus) donnerfocus(sais_date);
}

void ConfOpt::comCalendrier() {
    // An empty span: the calendar offers its own few years, not the main window's 25.
    const std::optional<QString> choix = choisirDateCalendrier(sais_date->text(), QString());
    if (choix) sais_date->setText(*choix);
    donnerfocus(sais_date);
}

// The test fields follow the check boxes as they stand, not the saved options: that is
// what lets the user try a mode before choosing it.
void ConfOpt::filtrerDate(int touche, Qt::KeyboardModifiers modificateurs) {
    sais_date->appliquerFiltre(filtredate(sais_date->etatFiltre(), case_saisdate->isChecked(),
                                          ToucheRelachee::depuis(touche, modificateurs),
                                          QDate::currentDate()));
}

void ConfOpt::filtrerNombre(int touche, Qt::KeyboardModifiers modificateurs) {
    sais_nombre->appliquerFiltre(
        filtrenombre(sais_nombre->etatFiltre(), true, case_saisnombre->isChecked(),
                     ToucheRelachee::depuis(touche, modificateurs), libcalc().symbole_decimal));
}

bool ConfOpt::eventFilter(QObject* objet, QEvent* e) {
    // Enter on a check box moves on to its test field.
    if (e->type() == QEvent::KeyPress && estEntree(static_cast<QKeyEvent*>(e))) {
        if (objet == case_saisdate) {
            donnerfocus(sais_date);
            return true;
        }
        if (objet == case_saisnombre) {
            donnerfocus(sais_nombre);
            return true;
        }
    }
    return QDialog::eventFilter(objet, e);
}

void ConfOpt::done(int resultat) {
    // Every way out (Ok, Annuler, Esc, the close box) hands the flag back.
    libcalc().annulation = m_annule;
    QDialog::done(resultat);
}

void afficherOptions() {
    ConfOpt::instance().ouvrir();
}

} // namespace orvaline
