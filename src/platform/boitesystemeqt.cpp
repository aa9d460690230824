// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/boitesystemeqt.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace orvaline {

BoiteSysteme::Reponse BoiteSystemeQt::afficher(Icone icone, const QString& titre,
                                               const QString& texte, Boutons boutons) {
    return montrer(QApplication::activeWindow(), icone, titre, texte, boutons);
}

void BoiteSystemeQt::afficherSeule(Icone icone, const QString& titre, const QString& texte) {
    montrer(nullptr, icone, titre, texte, Boutons::Ok);
}

BoiteSysteme::Reponse BoiteSystemeQt::montrer(QWidget* parent, Icone icone, const QString& titre,
                                              const QString& texte, Boutons boutons) {
    QMessageBox boite(parent);
    switch (icone) {
    case Icone::Aucune:
        boite.setIcon(QMessageBox::NoIcon);
        break;
    case Icone::Information:
        boite.setIcon(QMessageBox::Information);
        break;
    case Icone::Exclamation:
        boite.setIcon(QMessageBox::Warning);
        break;
    case Icone::Question:
        boite.setIcon(QMessageBox::Question);
        break;
    case Icone::Critique:
        boite.setIcon(QMessageBox::Critical);
        break;
    }
    boite.setWindowTitle(titre);
    // Messages are built with CR LF; the box wants plain line feeds.
    QString corps = texte;
    corps.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    boite.setText(corps);
    boite.setTextFormat(Qt::PlainText);
    if (boutons == Boutons::OuiNon) {
        QPushButton* oui = boite.addButton(QStringLiteral("Oui"), QMessageBox::YesRole);
        QPushButton* non = boite.addButton(QStringLiteral("Non"), QMessageBox::NoRole);
        boite.setDefaultButton(oui);
        boite.setEscapeButton(non);
        boite.exec();
        return boite.clickedButton() == oui ? Reponse::Oui : Reponse::Non;
    }
    QPushButton* ok = boite.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    boite.setDefaultButton(ok);
    if (boutons == Boutons::OkAnnuler) {
        // Closing the box counts as Annuler.
        QPushButton* annuler = boite.addButton(QStringLiteral("Annuler"), QMessageBox::RejectRole);
        boite.setEscapeButton(annuler);
        boite.exec();
        return boite.clickedButton() == ok ? Reponse::Ok : Reponse::Annuler;
    }
    boite.setEscapeButton(ok);
    boite.exec();
    return Reponse::Ok;
}

} // namespace orvaline
