// SPDX-License-Identifier: GPL-3.0-or-later
// The date frame's handlers: the calculation, the day steps, the calendar, the reset, the
// entry filters of its fields and the Enter ring start date -> increment -> unit list ->
// end date -> start date.
#include "core/calculdates.h"
#include "core/filtressaisie.h"
#include "shared/libcalc.h"
#include "shared/rapporterreur.h"
#include "shared/reglages.h"
#include "windows/calendar/echangecalendrier.h"
#include "windows/common/annonce.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"
#include "windows/common/fenetres.h"
#include "windows/main/cadredates.h"
#include "windows/msgbox/affichermessage.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTimer>
#include <functional>
#include <utility>

namespace orvaline {

namespace {

// Hands the events of one object to a function; true swallows the event.
class FiltreEvenements : public QObject {
public:
    FiltreEvenements(QObject* cible, std::function<bool(QEvent*)> fonction)
        : QObject(cible), m_fonction(std::move(fonction)) {
        cible->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override { return m_fonction(e); }

private:
    std::function<bool(QEvent*)> m_fonction;
};

bool estEntree(const QKeyEvent* e) {
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

void CadreDates::connecter() {
    // Enter is swallowed and moves on round the frame.
    auto entreeVers = [](QWidget* suivant) {
        return [suivant](QKeyEvent* e) {
            if (!estEntree(e)) return false;
            donnerfocus(suivant);
            return true;
        };
    };
    sais_date[1]->filtreTouche = entreeVers(sais_increment);
    // An increment in words is typed once its unit is picked: Enter then calculates, and the
    // calculation ends on the unit list as Enter would.
    sais_increment->filtreTouche = [this, versListe = entreeVers(list_increment)](QKeyEvent* e) {
        if (!estEntree(e) || !incrementEnMots(list_increment->currentRow()) ||
            sais_increment->text().trimmed().isEmpty())
            return versListe(e);
        calculdates();
        return true;
    };
    sais_date[2]->filtreTouche = entreeVers(sais_date[1]);
    new FiltreEvenements(list_increment, [this](QEvent* e) {
        if (e->type() != QEvent::KeyPress || !estEntree(static_cast<QKeyEvent*>(e))) return false;
        donnerfocus(sais_date[2]);
        return true;
    });

    for (ChampSaisie* champ : {sais_date[1], sais_date[2]}) {
        connect(champ, &ChampSaisie::toucheRelachee, this,
                [champ](int code, Qt::KeyboardModifiers mod) {
                    champ->appliquerFiltre(
                        filtredate(champ->etatFiltre(), reglages().opt_saisdate(),
                                   ToucheRelachee::depuis(code, mod), QDate::currentDate()));
                });
    }
    // The increment is signed and always steps from the keyboard. The exact differences take
    // words ("1 an 2 mois"), which only their own reader judges, at the calculation.
    connect(sais_increment, &ChampSaisie::toucheRelachee, this,
            [this](int code, Qt::KeyboardModifiers mod) {
                if (incrementEnMots(list_increment->currentRow())) return;
                // Words typed with a one-unit row: the row that reads them takes over, without
                // calculating yet, and the words stay.
                if (const auto ligne =
                        ligneExacteDuTexte(sais_increment->text(), list_increment->currentRow())) {
                    const bool suspendu = std::exchange(m_suspendu, true);
                    list_increment->setCurrentRow(*ligne);
                    m_suspendu = suspendu;
                    return;
                }
                sais_increment->appliquerFiltre(
                    filtrenombre(sais_increment->etatFiltre(), true, true,
                                 ToucheRelachee::depuis(code, mod), libcalc().symbole_decimal));
            });

    connect(com_date, &QPushButton::clicked, this, [this] { calculdates(); });
    connect(com_clear, &QPushButton::clicked, this, [this] { effacer(); });
    for (int i = 1; i <= 2; ++i)
        connect(com_calendrier[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { choisirDate(i); });

    // Buttons 1 and 2 step the start date, 3 and 4 the end date; odd ones go back a day.
    for (int index = 1; index <= 4; ++index) {
        connect(com_incdate[std::size_t(index)], &QPushButton::clicked, this, [this, index] {
            ChampSaisie* champ = sais_date[index <= 2 ? 1 : 2];
            const ResultatPasJour r =
                pasjour(champ->text(), index % 2 == 1 ? SensPas::Arriere : SensPas::Avant);
            if (r.texte) {
                champ->setText(*r.texte);
                champ->setCursorPosition(int(r.texte->size()));
            }
            if (r.donnerFocus) donnerfocus(champ);
        });
    }
    connecterListeUnites();
}

void CadreDates::connecterListeUnites() {
    // A mouse click on a unit first makes it current (on the press) and then clicks it (on
    // the release). Both are gathered and the calculation runs once, after the release, so
    // that a message box never opens between the press and the release. Row changes made
    // from the keyboard run it at once.
    new FiltreEvenements(list_increment->viewport(), [this](QEvent* e) {
        if (e->type() == QEvent::MouseButtonPress) {
            m_sourisSurListe = true;
            m_clicListeAttendu = false;
        } else if (e->type() == QEvent::MouseButtonRelease && m_sourisSurListe) {
            m_sourisSurListe = false;
            QTimer::singleShot(0, this, [this] {
                if (std::exchange(m_clicListeAttendu, false)) clicListeUnites();
            });
        }
        return false;
    });
    connect(list_increment, &QListWidget::itemClicked, this, [this] { m_clicListeAttendu = true; });
    connect(list_increment, &QListWidget::currentRowChanged, this, [this] {
        if (m_sourisSurListe)
            m_clicListeAttendu = true;
        else
            clicListeUnites();
    });
}

void CadreDates::clicListeUnites() {
    if (m_suspendu) return;
    if (incrementExactAttendu(entree())) {
        donnerfocus(sais_increment);
        return;
    }
    if (viderFinAvantCalcul(sais_date[1]->text(), sais_increment->text())) {
        // The old end date must not stand beside the new unit while the calculation runs.
        sais_date[2]->clear();
        sais_date[2]->repaint();
    }
    calculdates();
}

EntreeCalculDates CadreDates::entree() const {
    return {sais_date[1]->text(), sais_increment->text(), sais_date[2]->text(),
            list_increment->currentRow(), reglages().alsacemoselle()};
}

void CadreDates::calculdates() {
    const ResultatCalculDates r = orvaline::calculdates(entree());
    // A date rewritten unchanged would be heard as gone and typed again.
    if (r.dateDepart && *r.dateDepart != sais_date[1]->text()) sais_date[1]->setText(*r.dateDepart);
    if (r.dateFin && *r.dateFin != sais_date[2]->text()) sais_date[2]->setText(*r.dateFin);
    if (r.calcul) afficherResultat(*r.calcul);
    if (!r.ajoutHistorique.isEmpty()) {
        QPlainTextEdit* historique = sais_histo;
        QTextCursor curseur(historique->document());
        curseur.movePosition(QTextCursor::End);
        curseur.insertText(r.ajoutHistorique);
        emit lignesAjoutees(r.ajoutHistorique);
        // The caret at the end keeps the last lines in view.
        historique->moveCursor(QTextCursor::End);
        historique->ensureCursorVisible();
    }
    if (!r.message.isEmpty())
        affichermessage(QString(r.message).replace(u'\n', libcalc().saut_ligne), 4, 1,
                        titreCalculDates(), 0);
    else if (r.erreur)
        signalererreur(moduleCalculDates(), *r.erreur);

    switch (r.focus) {
    case ChampDates::DateDepart:
        donnerfocus(sais_date[1]);
        break;
    case ChampDates::Increment:
        donnerfocus(sais_increment);
        break;
    case ChampDates::ListeUnites:
        donnerfocus(list_increment);
        break;
    case ChampDates::DateFin:
        donnerfocus(sais_date[2]);
        break;
    case ChampDates::Aucun:
        break;
    }
    // The result is heard where the focus has gone; a message box speaks for itself.
    if (r.message.isEmpty() && !r.erreur && r.calcul) annoncer(this, *r.calcul);
}

void CadreDates::choisirDate(int index) {
    ChampSaisie* champ = sais_date[std::size_t(index)];
    const std::optional<QString> choix =
        choisirDateCalendrier(champ->text(), etendueFenetrePrincipale());
    if (choix) champ->setText(*choix);
    donnerfocus(champ);
}

void CadreDates::effacer() {
    // The unit list must not start a calculation meanwhile.
    const bool suspendu = std::exchange(m_suspendu, true);
    m_avantEffacement = saisies();
    sais_date[1]->clear();
    sais_date[2]->clear();
    sais_increment->clear();
    list_increment->setCurrentRow(3);
    lib_calcul->clear();
    sais_histo->clear();
    emit releveVide();
    emit effacementFait();
    donnerfocus(sais_date[1]);
    m_suspendu = suspendu;
}

} // namespace orvaline
