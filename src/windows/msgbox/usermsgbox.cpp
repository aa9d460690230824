// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/msgbox/usermsgbox.h"

#include "shared/attente.h"
#include "shared/libcalc.h"
#include "windows/common/boutonxp.h"
#include "windows/common/fenetres.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/msgbox/echangemessage.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace orvaline {

namespace {
// Widths are measured in pixels and turned into twips at 15 per pixel.
int enTwips(int pixels) {
    return pixels * twipsParPixel;
}
} // namespace

UserMsgBox& UserMsgBox::instance() {
    static QPointer<UserMsgBox> boite;
    if (!boite) boite = new UserMsgBox;
    return *boite;
}

// No close box: the box closes through its buttons or Esc only.
UserMsgBox::UserMsgBox()
    : FenetreModale(QStringLiteral("usermsgbox"), 0, Fermeture::SansCaseFermer) {
    setWindowTitle(QStringLiteral("  Message Box"));
    setAutoFillBackground(true);

    const QSize taillePicto(px(480), px(480));
    for (int i = 0; i <= 9; ++i) {
        auto* icone = new QLabel(this);
        icone->setObjectName(nomIndexe(u"icones", i));
        icone->setGeometry(rectTwips(240, 240, 480, 480));
        if (i > 0)
            icone->setPixmap(imageSvg(QStringLiteral("msg") + QString::number(i), taillePicto));
        icone->hide();
        m_icones[std::size_t(i)] = icone;
    }

    m_texte = new QLabel(this);
    m_texte->setObjectName(QStringLiteral("libelles"));
    m_texte->setFont(police(QStringLiteral("Tahoma"), 10));
    m_texte->setTextFormat(Qt::PlainText);
    m_texte->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_texte->setAccessibleDescription(QStringLiteral("Message"));
    m_texte->setTextInteractionFlags(Qt::TextSelectableByMouse);

    for (int i = 0; i < 2; ++i) {
        auto* bouton = new BoutonXp(QString(), this);
        bouton->setObjectName(nomIndexe(u"com_bout", i + 1));
        bouton->setFont(police(QStringLiteral("Verdana"), 8.25));
        bouton->resize(px(msgLargeurBouton), px(msgHauteurBouton));
        connect(bouton, &QPushButton::clicked, this, [this, i] { repondre(i + 1); });
        m_boutons[std::size_t(i)] = bouton;
        auto* image = new QLabel(this);
        image->setObjectName(nomIndexe(u"icon_bout", i + 1));
        image->resize(taillePicto);
        m_iconesBoutons[std::size_t(i)] = image;
    }
}

void UserMsgBox::charger() {
    const Avis demande = demandeMessage();
    m_jeu = qint16(demande.boutons);
    definirAide(demande.aide);
    m_repondu = false;
    m_premierParDefaut = std::exchange(m_premierDemande, false);
    montrerImage(demande.image);

    QFont fontTitre = font();
    fontTitre.setPointSizeF(14);
    fontTitre.setBold(true);
    const QString legende = QStringLiteral("  ") + demande.titre;
    const int largeurTitre = enTwips(QFontMetrics(fontTitre).horizontalAdvance(legende)) + 500;
    setWindowTitle(legende);

    const QSize texte = placerTexte(demande.texte);
    m_disposition = disposerMessage(texte.width(), texte.height(), largeurTitre, m_jeu);
    placerBoutons();
    dimensionner(m_disposition.largeur, m_disposition.hauteur);
}

void UserMsgBox::montrerImage(int code) {
    for (QLabel* icone : m_icones)
        icone->hide();
    if (code > 0) {
        m_icones[0]->setPixmap(m_icones[std::size_t(code)]->pixmap());
        m_icones[0]->show();
    }
}

QSize UserMsgBox::placerTexte(const QString& texte) {
    // The label first takes its natural size: one line per line break, as wide as the
    // longest line. The box is reused, so the wrapping and the fixed size a wrapped message
    // left go first, or a long message after a wrapped one would measure no wider than the
    // fixed width and be cut.
    QString affiche = texte;
    affiche.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_texte->setMinimumSize(0, 0);
    m_texte->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_texte->setWordWrap(false);
    m_texte->setText(affiche);
    m_texte->adjustSize();
    QSize taille(enTwips(m_texte->width()), enTwips(m_texte->height()));
    if (taille.width() > msgLargeurMaxTexte) {
        m_texte->setWordWrap(true);
        m_texte->setFixedWidth(px(msgLargeurMaxTexte));
        const int h = m_texte->heightForWidth(px(msgLargeurMaxTexte));
        m_texte->setFixedHeight(h);
        taille.setHeight(enTwips(h));
    }
    m_texte->move(px(msgGaucheTexte), px(msgHautTexte));
    return taille;
}

void UserMsgBox::placerBoutons() {
    const DispositionMessage& d = m_disposition;
    static const char16_t* const legendes[6][2] = {{u"", u""},
                                                   {u"Ok", u""},
                                                   {u"Ok", u"Annuler"},
                                                   {u"Oui", u"Non"},
                                                   {u"Réessayer", u"Annuler"},
                                                   {u"Option 1", u"Option 2"}};
    BoutonXp* b1 = m_boutons[0];
    BoutonXp* b2 = m_boutons[1];
    b1->setText(QString::fromUtf16(legendes[m_jeu][0]));
    b2->setText(QString::fromUtf16(legendes[m_jeu][1]));
    const QSize taillePicto(px(480), px(480));
    if (m_jeu == 1) {
        b2->hide();
        m_iconesBoutons[0]->hide();
        m_iconesBoutons[1]->hide();
        b1->move(px(d.gaucheBouton1), px(d.hautBoutons));
    } else {
        const bool disques = m_jeu == 5;
        m_iconesBoutons[0]->setPixmap(
            imageSvg(disques ? QStringLiteral("msg8") : QStringLiteral("coche"), taillePicto));
        m_iconesBoutons[1]->setPixmap(
            imageSvg(disques ? QStringLiteral("msg9") : QStringLiteral("croix"), taillePicto));
        m_iconesBoutons[0]->move(px(d.gaucheImage1), px(d.hautBoutons));
        b1->move(px(d.gaucheBouton1), px(d.hautBoutons));
        m_iconesBoutons[1]->move(px(d.gaucheImage2), px(d.hautBoutons));
        b2->move(px(d.gaucheBouton2), px(d.hautBoutons));
        b2->show();
        m_iconesBoutons[0]->show();
        m_iconesBoutons[1]->show();
    }
    b1->show();
    // Enter answers with the button that has the focus, as on the desktop.
    b1->setDefault(false);
    b2->setDefault(false);
}

bool UserMsgBox::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        retablirCurseur();
        donnerfocus(m_jeu == 1 || m_premierParDefaut ? m_boutons[0] : m_boutons[1]);
        jouerson(libcalc().sons, 7);
    }
    return QDialog::event(e);
}

void UserMsgBox::repondre(int index) {
    if (m_repondu) return;
    m_repondu = true;
    const int reponse = (m_jeu == 1 || index == 1) ? 1 : 0;
    rendreReponseMessage(reponse);
    // Out of sight at once, let the screen repaint, then give the user a short beat before
    // the next window takes over. Hidden rather than moved away: a compositor ignores the
    // move, and a window manager may leave the box half on the screen.
    hide();
    QCoreApplication::processEvents();
    pause(0.3);
    done(reponse);
}

void UserMsgBox::reject() {
    // Esc acts on the cancel button: "Ok" for a single button, the second one otherwise.
    repondre(m_jeu == 1 ? 1 : 2);
}

void UserMsgBox::closeEvent(QCloseEvent* e) {
    // A close asked by the window manager answers like Esc, so an answer is always written.
    e->ignore();
    reject();
}

} // namespace orvaline
