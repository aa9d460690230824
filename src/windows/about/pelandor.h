// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/common/fenetremodale.h"

#include <QString>
#include <array>
#include <map>

class QFrame;
class QLabel;

namespace orvaline {

class BoutonXp;

// The About and contact window: the maker's contact card (postal address, support mail, web
// site) or its forum card (forum, questions and answers). Entry 1 of param_msg chooses the
// card: 2 or more the forum card, anything else the contact card.
class Pelandor : public FenetreModale {
    Q_OBJECT
public:
    static Pelandor& instance();

    // The load; it runs at every showing.
    void charger() override;

    // Click of lib_email(index) or icones(index): opens the link in the browser.
    void ouvrirLien(int index);
    // Puts the postal address on the clipboard and says so.
    void copieradresse();

    // The card number that an entry of param_msg asks for.
    static int numeroCarte(const QString& texte);
    // The card the last opener asked for.
    static int carteDemandee();

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    Pelandor();
    void construireCarteContact();
    void construireCarteForum();
    QLabel* nouveauLibelle(QWidget* parent, int index, const QString& texte, int haut);
    void nouveauLien(QWidget* parent, int index, const QString& texte, const QString& image,
                     int haut);
    void survolIcone(int index);
    void effacerSurvol();

    std::array<QFrame*, 3> img_adresse{};
    QFrame* ombre = nullptr;
    std::array<QLabel*, 2> libelles{};
    std::map<int, QLabel*> libellesfixe;
    std::array<QLabel*, 5> lib_email{};
    std::array<QLabel*, 5> icones{};
    std::array<QFrame*, 3> bord_icon{};
    BoutonXp* com_ok = nullptr;
};

// Opens the window on a card (1 the contact card, 2 the forum card) and gives the opener
// its focus back.
void afficherPelandor(int carte);

} // namespace orvaline
