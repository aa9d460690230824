// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping what was computed: the "Fichier" items that save, print and copy the tape of the
// time calculator or the history of the date calculator, whichever is shown.
#include "windows/main/fenetreprincipale.h"

#include "core/textebande.h"
#include "platform/dialoguefichier.h"
#include "platform/imprimante.h"
#include "platform/services.h"
#include "shared/enregistrement.h"
#include "shared/libcalc.h"
#include "windows/common/noms.h"
#include "windows/main/cadredates.h"
#include "windows/main/cadretemps.h"
#include "windows/msgbox/affichermessage.h"

#include <QAction>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextDocument>

namespace orvaline {

namespace {
Releve quel(const FenetrePrincipale* fenetre, const CadreDates* dates) {
    return dates->isVisibleTo(fenetre) ? Releve::Historique : Releve::Bande;
}

// Where saving and printing to a file propose to write: Documents, or the home folder when
// there is no Documents folder.
QString dossierDocuments() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}
} // namespace

QPlainTextEdit* FenetrePrincipale::releveAffiche() const {
    return quel(this, m_cadreDates) == Releve::Historique ? m_cadreDates->releve()
                                                          : m_cadreTemps->releve();
}

void FenetrePrincipale::construireConservation(QMenu* fichier) {
    // Between the designed items and "Quitter", which stays last; the designed indices keep
    // their meaning, the new items follow them.
    struct Article {
        int index;
        const char16_t* legende;
        QKeySequence raccourci;
    };
    const Article articles[] = {
        {5, u"-", {}},
        {6, u"Enregistrer la bande...", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {7, u"Imprimer...", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {8, u"Copier tout", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)},
    };
    for (const Article& a : articles) {
        const QString legende = QString::fromUtf16(a.legende);
        // A separator shows no caption, as the designed one made by addSeparator().
        auto* action = new QAction(legende == u"-" ? QString() : legende, fichier);
        action->setSeparator(legende == u"-");
        action->setObjectName(nomIndexe(u"menu_fich", a.index));
        action->setShortcut(a.raccourci);
        const int index = a.index;
        connect(action, &QAction::triggered, this, [this, index] { menuFichier(index); });
        fichier->insertAction(menu_fich[3], action);
        menu_fich[std::size_t(a.index)] = action;
    }
}

void FenetrePrincipale::suivreReleves() {
    // Only the box's emptiness is looked at, on each change: nothing grows with the tape.
    for (QPlainTextEdit* boite : {m_cadreTemps->releve(), m_cadreDates->releve()})
        connect(boite, &QPlainTextEdit::textChanged, this, [this] { majConservation(); });
    majConservation();
}

void FenetrePrincipale::majConservation() {
    const Releve releve = quel(this, m_cadreDates);
    menu_fich[6]->setText(releve == Releve::Bande ? QStringLiteral("Enregistrer la bande...")
                                                  : QStringLiteral("Enregistrer l'historique..."));
    const bool plein = !releveAffiche()->document()->isEmpty();
    for (std::size_t i : {6, 7, 8})
        menu_fich[i]->setEnabled(plein);
}

void FenetrePrincipale::enregistrerReleve() {
    const QPlainTextEdit* boite = releveAffiche();
    if (boite->document()->isEmpty()) return;
    const Releve releve = quel(this, m_cadreDates);
    DemandeFichier demande;
    demande.titre = releve == Releve::Bande ? QStringLiteral("Enregistrer la bande")
                                            : QStringLiteral("Enregistrer l'historique");
    demande.dossier = dossierDocuments();
    demande.fichier = nomReleve(releve, QDate::currentDate());
    demande.filtres = {QStringLiteral("Fichiers texte (*.txt)"),
                       QStringLiteral("Tous les fichiers (*)")};
    const std::optional<QString> chemin = plateforme::dialogueFichier().enregistrer(this, demande);
    if (!chemin) return;
    const QString texte = texteReleve(releve, QDateTime::currentDateTime(), boite->toPlainText());
    if (const std::optional<QString> raison = enregistrerTexte(*chemin, texte)) {
        const QString& saut = libcalc().saut_ligne;
        affichermessage(QStringLiteral("Impossible d'enregistrer le fichier :") + saut +
                            QDir::toNativeSeparators(*chemin) + saut + saut + *raison,
                        1, 1, demande.titre);
    }
}

void FenetrePrincipale::imprimerReleve() {
    const QPlainTextEdit* boite = releveAffiche();
    if (boite->document()->isEmpty()) return;
    const Releve releve = quel(this, m_cadreDates);
    const QDateTime maintenant = QDateTime::currentDateTime();
    const TravailImpression travail{
        titreReleve(releve, maintenant), texteAffiche(releve, boite->toPlainText()),
        QDir(dossierDocuments()).filePath(nomReleve(releve, maintenant.date(), u"pdf"))};
    const ResultatImpression resultat = plateforme::imprimante().imprimer(this, travail);
    if (resultat.issue != IssueImpression::Echouee) return;

    const QString& saut = libcalc().saut_ligne;
    QString message = QStringLiteral("Impossible d'imprimer.");
    QString raison = resultat.raison;
    if (!resultat.fichierPdf.isEmpty()) {
        message = QStringLiteral("Impossible d'imprimer dans le fichier :") + saut +
                  QDir::toNativeSeparators(resultat.fichierPdf);
        if (raison.isEmpty())
            raison = raisonEchecEcriture(resultat.fichierPdf,
                                         resultat.ecritureInterrompue ? QFileDevice::WriteError
                                                                      : QFileDevice::OpenError,
                                         QStringLiteral("le fichier PDF n'a pas pu être ouvert"));
    }
    if (!raison.isEmpty()) message += saut + saut + raison;
    affichermessage(message, 1, 1, QStringLiteral("Imprimer"));
}

void FenetrePrincipale::copierReleve() {
    const QPlainTextEdit* boite = releveAffiche();
    if (boite->document()->isEmpty()) return;
    if (QClipboard* pressePapier = QGuiApplication::clipboard())
        pressePapier->setText(texteAffiche(quel(this, m_cadreDates), boite->toPlainText()));
}

} // namespace orvaline
