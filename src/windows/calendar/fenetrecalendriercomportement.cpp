// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's load, drawing, selection, navigation and closing.
#include "windows/calendar/fenetrecalendrier.h"

#include "core/joursouvres.h"
#include "core/nombres.h"
#include "core/reglescalendrier.h"
#include "core/textesdates.h"
#include "shared/libcalc.h"
#include "shared/reglages.h"
#include "windows/calendar/casejour.h"
#include "windows/calendar/echangecalendrier.h"
#include "windows/common/accessibilite.h"
#include "windows/common/annees.h"
#include "windows/common/annonce.h"
#include "windows/common/boutonxp.h"
#include "windows/common/couleurs.h"
#include "windows/common/etat.h"
#include "windows/common/fenetres.h"
#include "windows/common/labeldegrade.h"
#include "windows/common/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>

namespace orvaline {

namespace {
QString deuxChiffres(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QChar(u'0'));
}
} // namespace

void FenetreCalendrier::charger() {
    dimensionner(9200, 6100);

    m_suppressionRafraichissement = 1;
    m_annule = 1;
    m_jourSelectionne = 0;
    lib_dateaff->clear();
    lib_ferie->clear();
    lib_date->clear();
    lib_date->hide();
    carre->move(libellesfixe[0]->x() + px(25), libellesfixe[0]->y() + px(25));
    for (int i = 1; i <= casesGrille; ++i) {
        lib_jour[std::size_t(i)]->clear();
        lib_jour[std::size_t(i)]->definirJeu(CaseJour::Jeu::Vide);
        lib_jour[std::size_t(i)]->definirRepere(false);
        lib_jouap[std::size_t(100 + i)]->clear();
        lib_jouap[std::size_t(200 + i)]->clear();
    }

    const Libcalc& e = libcalc();
    const DemandeCalendrier demande = demandeCalendrier();
    const QString date = demande.date.trimmed();
    const QString& etendue = demande.etendue;
    m_modeVue = demande.modeVue;

    // The window is kept between showings: put the bottom row back as designed before the
    // view mode rearranges it.
    com_ok->setGeometry(rectTwips(3120, 4920, 1335, 495));
    icones[1]->setGeometry(rectTwips(2640, 4920, 480, 480));
    com_annul->setVisible(!m_modeVue);
    icones[2]->setVisible(!m_modeVue);
    if (m_modeVue) {
        com_ok->setGeometry(com_jour->x(), com_ok->y(), com_jour->width(), com_ok->height());
        icones[1]->move(com_ok->x() - px(500), icones[1]->y());
    }

    // A text that is not a date opens on today, so both lists always have a line selected.
    const QString aOuvrir = dateAOuvrir(date, e.date_jour);
    const PlageAnnees plage =
        plageAnnees(lireEntier16(e.annee_jour), etendue, date.isEmpty() ? QString() : aOuvrir);
    remplirannees(list_annee, qint16(plage.premiere), qint16(plage.derniere));
    list_mois->clear();
    for (int m = 1; m <= 12; ++m)
        list_mois->addItem(e.noms_mois[std::size_t(m)]);
    m_suppressionRafraichissement = 0;

    if (date.isEmpty())
        dateDuJour();
    else
        selectdate(aOuvrir);
    retablirCurseur();
    QString etat;
    afficheretat(etat);
    list_mois->setFocus();
}

void FenetreCalendrier::selectdate(const QString& date) {
    // Moved from the grid or the buttons, the lists change line without the focus: the
    // reader must not believe the focus went there. The new day is said at the end.
    std::optional<SilenceAccessible> silence;
    if (!list_mois->hasFocus() && !list_annee->hasFocus()) silence.emplace();
    const DateCalendrier d = lireDateCalendrier(date);
    m_suppressionRafraichissement = 1;
    m_jourSelectionne = qint16(d.jour);
    // A year the list lacks selects its first line.
    int ligne = 0;
    for (int i = 0; i < list_annee->count(); ++i)
        if (list_annee->item(i)->text() == d.annee) {
            ligne = i;
            break;
        }
    list_annee->setCurrentRow(ligne);
    list_mois->setCurrentRow(d.mois - 1);
    m_suppressionRafraichissement = 0;
    affichage();
    list_annee->scrollToItem(list_annee->currentItem());
    list_mois->scrollToItem(list_mois->currentItem());
    silence.reset();
    if (carre->hasFocus()) {
        const DateCalendrier jour = lireDateCalendrier(lib_date->text());
        annoncer(this, dateParlee(QDate(jour.annee.toInt(), jour.mois, jour.jour),
                                  reglages().alsacemoselle()));
    }
}

void FenetreCalendrier::affichage() {
    const QListWidgetItem* ligneAnnee = list_annee->currentItem();
    const int ligneMois = list_mois->currentRow();
    if (!ligneAnnee || ligneAnnee->text().isEmpty() || ligneMois < 0) return;
    const QString annee = ligneAnnee->text();
    const QString premier = QStringLiteral("01/") + deuxChiffres(ligneMois + 1) + u'/' + annee;
    const auto& noms = libcalc().noms_mois;

    for (int k = 0; k < 3; ++k) {
        int mois = ligneMois + 1;
        QString anneeGrille = annee;
        if (k > 0) {
            QString depart = premier;
            const auto voisin = ajouterdate(depart, u"m", k == 1 ? -1 : 1);
            if (!voisin) continue;
            mois = int(lireNombre(voisin->mid(3, 2)));
            anneeGrille = voisin->mid(6, 4);
        }
        const GrilleMois g = grilleMois(anneeGrille.toInt(), mois);
        libellesfixe[std::size_t(k * 100)]->setText(noms[std::size_t(mois)] + u' ' + anneeGrille);

        for (int i = 1; i <= casesGrille; ++i) {
            const int jour = g.jourEnCase(i);
            const QString texte = jour ? QString::number(jour) : QString();
            const QString ferie =
                jour ? nomFerie(QDate(anneeGrille.toInt(), mois, jour), reglages().alsacemoselle())
                     : QString();
            if (k > 0) {
                // The small grids mark holidays in the large grid's red.
                QLabel* petite = lib_jouap[std::size_t(k * 100 + i)];
                petite->setText(texte);
                QPalette p = petite->palette();
                p.setColor(QPalette::WindowText,
                           texteLisible(ferie.isEmpty() ? 0x000000 : couleurFerie().rgb(),
                                        p.color(QPalette::Window)));
                petite->setPalette(p);
                petite->setToolTip(majusculeInitiale(ferie));
                continue;
            }
            CaseJour* cellule = lib_jour[std::size_t(i)];
            cellule->setText(texte);
            cellule->definirJeu(jour ? CaseJour::Jeu::Jour : CaseJour::Jeu::Vide);
            cellule->definirRepere(false);
            cellule->definirFerie(ferie);
        }
        if (k == 0 && m_jourSelectionne > 0) {
            // A day the month lacks falls back to its last day.
            if (m_jourSelectionne > g.nombreJours) m_jourSelectionne = qint16(g.nombreJours);
            selectionnerJour(g.caseDuJour(m_jourSelectionne));
        }
    }
}

void FenetreCalendrier::selectionnerJour(int index) {
    if (index < 1 || index > casesGrille) return;
    CaseJour* cellule = lib_jour[std::size_t(index)];
    const int n = cellule->text().toInt();
    if (n == 0) return;
    for (int i = 1; i <= casesGrille; ++i) {
        CaseJour* ancienne = lib_jour[std::size_t(i)];
        if (ancienne->text().toInt() == m_jourSelectionne) {
            ancienne->definirJeu(CaseJour::Jeu::Jour);
            ancienne->definirRepere(false);
            break;
        }
    }
    cellule->definirJeu(CaseJour::Jeu::Selection);
    cellule->definirRepere(carre->hasFocus());
    m_jourSelectionne = qint16(n);

    QString date = deuxChiffres(n) + u'/' + deuxChiffres(list_mois->currentRow() + 1) + u'/' +
                   (list_annee->currentItem() ? list_annee->currentItem()->text() : QString());
    lib_date->setText(date);
    const QString longue = datelongue(date);
    const qsizetype blanc = longue.indexOf(u' ');
    const QString jourSemaine = (blanc < 0 ? longue : longue.left(blanc)).trimmed();
    const QString reste = (blanc < 0 ? QString() : longue.mid(blanc + 1)).trimmed();
    lib_dateaff->setText(jourSemaine + u'\n' + reste);
    const QString ferie =
        nomFerie(QDate(lireDateCalendrier(date).annee.toInt(), list_mois->currentRow() + 1, n),
                 reglages().alsacemoselle());
    lib_ferie->setText(majusculeInitiale(ferie));
    {
        // Read by "where am I"; the move itself is said by selectdate().
        const SilenceAccessible silence;
        carre->setAccessibleDescription(ferie.isEmpty() ? longue
                                                        : longue + QStringLiteral(", ") + ferie);
    }
}

void FenetreCalendrier::moisVoisin(int index) {
    QString date = lib_date->text();
    if (date.isEmpty()) return;
    const bool premierMois = list_mois->currentRow() == 0 && list_annee->currentRow() == 0;
    const bool dernierMois =
        list_mois->currentRow() == 11 && list_annee->currentRow() == list_annee->count() - 1;
    if ((index == 1 && premierMois) || (index == 2 && dernierMois)) return;
    const auto voisin = ajouterdate(date, u"m", index == 1 ? -1 : 1);
    if (voisin) selectdate(*voisin);
}

void FenetreCalendrier::dateDuJour() {
    selectdate(libcalc().date_jour);
    donnerfocus(list_mois);
}

void FenetreCalendrier::deplacerSelection(int jours) {
    QString date = lib_date->text();
    const auto autre = ajouterdate(date, u"d", jours);
    // The selection stays inside the years that the list offers.
    if (!autre || list_annee->findItems(autre->mid(6, 4), Qt::MatchExactly).isEmpty()) return;
    selectdate(*autre);
}

bool FenetreCalendrier::grilleAuClavier(int touche) {
    switch (touche) {
    case Qt::Key_Left:
        deplacerSelection(-1);
        return true;
    case Qt::Key_Right:
        deplacerSelection(1);
        return true;
    case Qt::Key_Up:
        deplacerSelection(-7);
        return true;
    case Qt::Key_Down:
        deplacerSelection(7);
        return true;
    case Qt::Key_PageUp:
        moisVoisin(1);
        return true;
    case Qt::Key_PageDown:
        moisVoisin(2);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!lib_date->text().isEmpty()) valider();
        return true;
    default:
        return false;
    }
}

bool FenetreCalendrier::eventFilter(QObject* objet, QEvent* event) {
    if (objet == carre) {
        if (event->type() == QEvent::KeyPress &&
            grilleAuClavier(static_cast<QKeyEvent*>(event)->key()))
            return true;
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            const bool focus = event->type() == QEvent::FocusIn;
            for (int i = 1; i <= casesGrille; ++i)
                if (lib_jour[std::size_t(i)]->jeu() == CaseJour::Jeu::Selection)
                    lib_jour[std::size_t(i)]->definirRepere(focus);
        }
    }
    return QDialog::eventFilter(objet, event);
}

void FenetreCalendrier::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The lists can only scroll to their lines once they are laid out.
    list_annee->scrollToItem(list_annee->currentItem());
    list_mois->scrollToItem(list_mois->currentItem());
}

void FenetreCalendrier::valider() {
    rendreDateCalendrier(lib_date->text());
    m_annule = 0;
    done(Accepted);
}

void FenetreCalendrier::annuler() {
    m_annule = 1;
    done(Rejected);
}

void FenetreCalendrier::reject() {
    // Esc: Ok in the view mode, which has no Annuler; Annuler otherwise.
    if (m_modeVue)
        valider();
    else
        annuler();
}

void FenetreCalendrier::closeEvent(QCloseEvent* event) {
    // The close box cancels, whatever the mode.
    if (isVisible()) annuler();
    event->accept();
}

void FenetreCalendrier::done(int resultat) {
    libcalc().annulation = m_annule;
    QDialog::done(resultat);
}

} // namespace orvaline
