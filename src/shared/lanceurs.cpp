// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared/lanceurs.h"

#include "platform/boitesysteme.h"
#include "platform/lanceur.h"
#include "platform/services.h"
#include "shared/libcalc.h"
#include "shared/retourmodal.h"
#include "shared/sortie.h"

#include <QStringList>

namespace orvaline {

const QStringList& calculatrices() {
    static const QStringList liste = {QStringLiteral("gnome-calculator"),
                                      QStringLiteral("kcalc"),
                                      QStringLiteral("qalculate-qt"),
                                      QStringLiteral("qalculate-gtk"),
                                      QStringLiteral("galculator"),
                                      QStringLiteral("mate-calc"),
                                      QStringLiteral("xcalc")};
    return liste;
}

namespace {
// The regional settings of the common desktops: program and arguments.
const QList<QStringList>& panneauxRegionaux() {
    static const QList<QStringList> liste = {
        {QStringLiteral("gnome-control-center"), QStringLiteral("region")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_regionandlang")},
        {QStringLiteral("cinnamon-settings"), QStringLiteral("region")},
        {QStringLiteral("xfce4-settings-manager")}};
    return liste;
}

qint64 g_calculatrice = 0; // process id of the calculator we started, 0 when none

QString sautLigne() {
    const QString& nl = libcalc().saut_ligne;
    return nl.isEmpty() ? QStringLiteral("\r\n") : nl;
}

void informer(const QString& titre, const QString& texte) {
    plateforme::boiteSysteme().afficher(BoiteSysteme::Icone::Information, titre, texte);
    retourModal();
}
} // namespace

void lancercalculatrice(qint16 mode) {
    Lanceur& lanceur = plateforme::lanceur();
    if (g_calculatrice != 0 && lanceur.enCours(g_calculatrice)) {
        // No second copy: the one that runs comes to the front.
        if (mode == 1) lanceur.amenerDevant(g_calculatrice);
        return;
    }
    g_calculatrice = 0;

    const QString titre = QStringLiteral("Calculatrice Windows");
    for (const QString& nom : calculatrices()) {
        const QString chemin = lanceur.trouver(nom);
        if (chemin.isEmpty()) continue;
        g_calculatrice = lanceur.demarrer(chemin, {});
        if (g_calculatrice == 0) {
            const QString nl = sautLigne();
            informer(titre, QStringLiteral("Impossible de lancer ") + nl +
                                QStringLiteral("la Calculatrice ") + nl +
                                QStringLiteral("(Programme ") + nom + QStringLiteral(") "));
            return;
        }
        static const bool inscrite = [] {
            ajouterAvantSortie(fermerCalculatrice);
            return true;
        }();
        Q_UNUSED(inscrite);
        return;
    }
    informer(titre, QStringLiteral("Le programme ") + calculatrices().first() +
                        QStringLiteral(" est introuvable. "));
}

void lancerpanneau(qint16 code) {
    // The regional settings are the only panel the program opens.
    if (code != 2) return;
    Lanceur& lanceur = plateforme::lanceur();
    QStringList commande = panneauxRegionaux().first();
    qint64 pid = 0;
    for (const QStringList& candidat : panneauxRegionaux()) {
        const QString chemin = lanceur.trouver(candidat.first());
        if (chemin.isEmpty()) continue;
        commande = candidat;
        pid = lanceur.demarrer(chemin, candidat.mid(1));
        break;
    }
    if (pid != 0) return;
    informer(QStringLiteral("Paramètres Windows"),
             QStringLiteral("Impossible de lancer la commande suivante : ") + sautLigne() +
                 commande.join(u' ') + QStringLiteral(" "));
}

void fermerCalculatrice() {
    Lanceur& lanceur = plateforme::lanceur();
    if (g_calculatrice != 0 && lanceur.enCours(g_calculatrice)) lanceur.arreter(g_calculatrice);
    g_calculatrice = 0;
}

} // namespace orvaline
