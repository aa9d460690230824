// SPDX-License-Identifier: GPL-3.0-or-later
// The time calculator's handlers: the frame copies the typed texts into the calculator,
// runs the action and shows the calculator's state again.
#include "windows/main/cadretemps.h"

#include "core/filtressaisie.h"
#include "shared/libcalc.h"
#include "shared/rapporterreur.h"
#include "shared/reglages.h"
#include "windows/common/annonce.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champsaisie.h"
#include "windows/common/fenetres.h"
#include "windows/msgbox/affichermessage.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QTextDocument>

namespace orvaline {

void CadreTemps::connecter() {
    for (int i = 1; i <= 5; ++i)
        connect(com_oper[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { com_operClic(i); });
    for (int i = 1; i <= 2; ++i)
        connect(com_clear[std::size_t(i)], &QPushButton::clicked, this,
                [this, i] { com_clearClic(i); });
    for (int i = 1; i <= 4; ++i) {
        ChampSaisie* champ = sais_time[std::size_t(i)];
        // Enter walks the ring of fields; a hidden next field (number mode) keeps the focus.
        champ->filtreTouche = [this, i](QKeyEvent* e) {
            if (e->key() != Qt::Key_Return && e->key() != Qt::Key_Enter) return false;
            donnerfocus(sais_time[std::size_t(CalculatriceTemps::champSuivant(i))]);
            return true;
        };
        connect(champ, &ChampSaisie::toucheRelachee, this,
                [this, i](int touche, Qt::KeyboardModifiers modificateurs) {
                    filtrerChampTemps(i, touche, modificateurs);
                });
        connect(champ, &ChampSaisie::focusPerdu, this, [this, i] { quitterChampTemps(i); });
    }
}

void CadreTemps::lireCadreTemps() {
    for (int i = 1; i <= 4; ++i)
        m_temps.saisir(i, sais_time[std::size_t(i)]->text());
}

void CadreTemps::montrerChampsTemps() {
    for (int i = 1; i <= 4; ++i) {
        const auto n = std::size_t(i);
        libelles[n]->setVisible(m_temps.visible(i));
        sais_time[n]->setVisible(m_temps.visible(i));
    }
}

QString CadreTemps::afficherCadreTemps() {
    for (int i = 1; i <= 4; ++i) {
        const auto n = std::size_t(i);
        // Rewriting an unchanged field would move the caret of the field being typed in.
        if (sais_time[n]->text() != m_temps.sais_time(i))
            sais_time[n]->setText(m_temps.sais_time(i));
        libelles[n]->setText(m_temps.libelles(i));
        // Qt tells the screen reader of every renaming, even to the same name.
        if (sais_time[n]->accessibleName() != m_temps.libelles(i))
            sais_time[n]->setAccessibleName(m_temps.libelles(i));
        lib_mem[n]->setText(m_temps.lib_mem(i));
    }
    // Hidden after the texts: a focused field that hides hands the focus on, and the field
    // it leaves reads the texts already shown.
    montrerChampsTemps();
    lib_oper->setText(m_temps.lib_oper());
    lib_oper->setVisible(m_temps.lib_operVisible());

    // The tape only grows, or is emptied by "Reset": only the new lines go into the box, so
    // a calculation costs the same on a long tape as on a short one.
    QPlainTextEdit* bande = sais_histo;
    const QString& texte = m_temps.sais_histo();
    const qsizetype affiche = bande->document()->characterCount() - 1;
    if (affiche == texte.size()) return {};
    QString ajout;
    if (affiche > texte.size()) {
        bande->setPlainText(texte);
        emit releveVide();
    } else {
        ajout = texte.sliced(affiche);
        QTextCursor fin(bande->document());
        fin.movePosition(QTextCursor::End);
        fin.insertText(ajout);
        emit lignesAjoutees(ajout);
    }
    // The box shows its last line, as a paper roll would.
    bande->moveCursor(QTextCursor::End);
    bande->ensureCursorVisible();
    return ajout;
}

void CadreTemps::appliquerReponse(const Reponse& reponse) {
    // The calculator's state is the truth while it is put on screen: a field that loses the
    // focus meanwhile has nothing of its own to carry.
    const QScopedValueRollback enCours(m_reponseEnCours, true);
    // The focus goes to its field before the fields are rewritten. Otherwise a screen reader
    // sees the rewrite first, takes the field as focused without a word, and never says where
    // the focus went.
    const bool focusDabord = reponse.focus != 0 && !reponse.erreur && !reponse.avis;
    if (focusDabord) {
        montrerChampsTemps();
        // No event loop here, unlike donnerfocus(): a key typed ahead would land in the field
        // and then be wiped by the rewrite below.
        ChampSaisie* champ = sais_time[std::size_t(reponse.focus)];
        if (champ->isVisibleTo(window()) && champ->isEnabled())
            champ->setFocus(Qt::OtherFocusReason);
    }
    const QString ajout = afficherCadreTemps();
    if (focusDabord) sais_time[std::size_t(reponse.focus)]->selectionnerZero();
    if (reponse.erreur) {
        signalererreur(QStringLiteral("main - com_oper"), *reponse.erreur);
        return;
    }
    if (reponse.avis) {
        const Avis& a = *reponse.avis;
        affichermessage(a.texte, qint16(a.image), qint16(a.boutons), a.titre, qint16(a.aide));
    }
    if (reponse.focus != 0 && !focusDabord) donnerfocus(sais_time[std::size_t(reponse.focus)]);
    // The tape's new lines, the total after "=" among them, heard once the focus has settled.
    if (!reponse.avis) annoncer(this, QString(ajout).replace(u'\n', u' '));
}

void CadreTemps::com_operClic(int index) {
    lireCadreTemps();
    appliquerReponse(m_temps.com_oper(index, caractereDecimal()));
}

void CadreTemps::com_clearClic(int index) {
    lireCadreTemps();
    m_avantEffacement = m_temps;
    appliquerReponse(m_temps.com_clear(index));
    emit effacementFait();
}

void CadreTemps::quitterChampTemps(int index) {
    // The window still holds its focus in the field when it merely went to the background, a
    // menu opened or a modal box came up: the user has not left the field, so nothing is
    // carried until the focus really moves (and no carry runs inside another handler's box).
    if (m_reponseEnCours || window()->focusWidget() == sais_time[std::size_t(index)]) return;
    lireCadreTemps();
    m_temps.quitterChamp();
    afficherCadreTemps();
}

void CadreTemps::filtrerChampTemps(int index, int touche, Qt::KeyboardModifiers modificateurs) {
    ChampSaisie* champ = sais_time[std::size_t(index)];
    champ->appliquerFiltre(filtrenombre(champ->etatFiltre(), false, reglages().opt_saisnombre(),
                                        ToucheRelachee::depuis(touche, modificateurs),
                                        libcalc().symbole_decimal));
}

} // namespace orvaline
