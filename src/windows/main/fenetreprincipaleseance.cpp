// SPDX-License-Identifier: GPL-3.0-or-later
// Nothing lost: every line of the tape and of the history goes to the run's journal, a run
// that ended abnormally is taken up again at the next start, and the last "Effacer" or
// "Reset" can be undone.
#include "windows/main/fenetreprincipale.h"

#include "shared/journalseance.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "shared/sortie.h"
#include "windows/main/cadredates.h"
#include "windows/main/cadretemps.h"
#include "windows/msgbox/affichermessage.h"
#include "windows/msgbox/usermsgbox.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

namespace orvaline {

namespace {

QString titre() {
    return QStringLiteral("Orvaline");
}

void avertir(const QString& texte) {
    affichermessage(texte, 3, 1, titre(), 0);
}

} // namespace

void FenetrePrincipale::construireSeance(QMenu* fichier) {
    menu_annuler = new QAction(QStringLiteral("Annuler la remise à zéro"), fichier);
    menu_annuler->setObjectName(QStringLiteral("menu_annuler"));
    menu_annuler->setShortcut(QKeySequence::Undo);
    menu_annuler->setEnabled(false);
    connect(menu_annuler, &QAction::triggered, this, &FenetrePrincipale::annulerEffacement);
    fichier->insertAction(menu_fich[3], menu_annuler);
    // A field's own Ctrl+Z must not take the key while a reset can be undone.
    qApp->installEventFilter(this);
}

void FenetrePrincipale::suivreSeance() {
    auto journaliser = [this](Releve releve) {
        return [this, releve](const QString& texte) {
            if (m_journal) m_journal->ajouter(releve, texte);
            // A new calculation ends the undo, in both calculators.
            m_cadreTemps->oublierEffacement();
            m_cadreDates->oublierEffacement();
            majAnnulation();
        };
    };
    auto vider = [this](Releve releve) {
        return [this, releve] {
            if (m_journal) m_journal->effacer(releve);
        };
    };
    connect(m_cadreTemps, &CadreTemps::lignesAjoutees, this, journaliser(Releve::Bande));
    connect(m_cadreDates, &CadreDates::lignesAjoutees, this, journaliser(Releve::Historique));
    connect(m_cadreTemps, &CadreTemps::releveVide, this, vider(Releve::Bande));
    connect(m_cadreDates, &CadreDates::releveVide, this, vider(Releve::Historique));
    // Only the last erasing can be undone.
    connect(m_cadreTemps, &CadreTemps::effacementFait, this, [this] {
        m_cadreDates->oublierEffacement();
        majAnnulation();
    });
    connect(m_cadreDates, &CadreDates::effacementFait, this, [this] {
        m_cadreTemps->oublierEffacement();
        majAnnulation();
    });
}

void FenetrePrincipale::majAnnulation() {
    if (!menu_annuler) return;
    menu_annuler->setEnabled(m_cadreDates->isVisibleTo(this) ? m_cadreDates->effacementAnnulable()
                                                             : m_cadreTemps->effacementAnnulable());
}

void FenetrePrincipale::annulerEffacement() {
    if (m_cadreDates->isVisibleTo(this))
        m_cadreDates->annulerEffacement();
    else
        m_cadreTemps->annulerEffacement();
    majAnnulation();
}

bool FenetrePrincipale::eventFilter(QObject* objet, QEvent* e) {
    if ((e->type() == QEvent::ShortcutOverride || e->type() == QEvent::KeyPress) &&
        menu_annuler->isEnabled() && objet->isWidgetType() &&
        static_cast<QWidget*>(objet)->window() == this &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Undo)) {
        if (e->type() == QEvent::ShortcutOverride) {
            // Left to the shortcut of the menu item.
            e->ignore();
            return true;
        }
        annulerEffacement();
        return true;
    }
    return QMainWindow::eventFilter(objet, e);
}

void FenetrePrincipale::reprendreSeance() {
    m_journal = std::make_unique<JournalSeance>();
    const QString nl = libcalc().saut_ligne;
    ContenuJournal repris;
    if (const std::optional<LectureJournal> lecture = m_journal->examiner()) {
        const bool lisible = lecture->etat == EtatJournal::Lu ||
                             (lecture->etat == EtatJournal::FinAbimee && !lecture->contenu.vide());
        if (!lisible) {
            const QString aCote = m_journal->mettreDeCote();
            QString texte = lecture->etat == EtatJournal::AutreVersion
                                ? QStringLiteral("Le journal de la dernière séance vient d'une "
                                                 "autre version d'Orvaline : il n'a pas pu être "
                                                 "relu.")
                                : QStringLiteral("Le journal de la dernière séance est abîmé : "
                                                 "il n'a pas pu être relu.");
            if (!aCote.isEmpty())
                texte +=
                    nl + nl + QStringLiteral("Il a été mis de côté sous le nom :") + nl + aCote;
            avertir(texte);
        } else if (!lecture->contenu.vide()) {
            // With the option on, the run simply goes on; otherwise the user chooses, and a
            // reflex Enter keeps the run rather than dropping it.
            if (!reglages().garderseance()) UserMsgBox::instance().premierBoutonParDefaut();
            const bool reprendre =
                reglages().garderseance() ||
                affichermessage(QStringLiteral("La dernière séance s'est terminée sans passer "
                                               "par Quitter. Rouvrir sa bande et son "
                                               "historique ?"),
                                2, 3, titre(), 0) == 1;
            if (reprendre) {
                repris = lecture->contenu;
                m_cadreTemps->reprendre(repris.bande);
                m_cadreDates->reprendre(repris.historique);
                if (lecture->etat == EtatJournal::FinAbimee)
                    avertir(QStringLiteral("La fin du journal de la dernière séance était "
                                           "abîmée : ses derniers calculs n'ont pas pu être "
                                           "relus."));
            }
        }
    }
    // The journal is started anew with what is shown; a journal that cannot be written leaves
    // the program working as designed.
    if (!m_journal->commencer(repris)) m_journal.reset();

    QPointer<FenetrePrincipale> fenetre(this);
    ajouterAvantSortie([fenetre] {
        if (fenetre) fenetre->terminerSeance();
    });
}

void FenetrePrincipale::terminerSeance() {
    if (!m_journal) return;
    m_journal->terminer(reglages().garderseance());
    m_journal.reset();
}

} // namespace orvaline
