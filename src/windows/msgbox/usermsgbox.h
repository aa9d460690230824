// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windows/msgbox/dispositionmessage.h"

#include "windows/common/fenetremodale.h"

#include <array>

class QLabel;
class QSize;

namespace orvaline {

class BoutonXp;

// The program's own message box. It reads its text, picture, buttons and title from the
// shared hand-over table and writes the answer back into its first entry.
class UserMsgBox : public FenetreModale {
    Q_OBJECT
public:
    static UserMsgBox& instance();
    // Lays the box out from the hand-over table; it runs at every showing.
    void charger() override;

    const DispositionMessage& disposition() const { return m_disposition; }
    qint16 jeuBoutons() const { return m_jeu; }
    // The next box opened takes the focus on its first button, so that Enter answers with it:
    // for a question whose second answer loses something.
    void premierBoutonParDefaut() { m_premierDemande = true; }

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

private:
    UserMsgBox();
    void repondre(int index);
    // The picture of the message, 0 for none.
    void montrerImage(int code);
    // Sets the text at its natural size, wrapped when too wide; its size in twips.
    QSize placerTexte(const QString& texte);
    // Captions, pictures and places of the buttons of the current set.
    void placerBoutons();

    QLabel* m_texte = nullptr;
    std::array<QLabel*, 10> m_icones{};
    std::array<BoutonXp*, 2> m_boutons{};
    std::array<QLabel*, 2> m_iconesBoutons{};
    DispositionMessage m_disposition;
    qint16 m_jeu = 1;
    bool m_repondu = false;
    bool m_premierDemande = false;
    bool m_premierParDefaut = false;
};

} // namespace orvaline
