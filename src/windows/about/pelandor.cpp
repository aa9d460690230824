// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/about/pelandor.h"

#include "core/erreur.h"
#include "core/nombres.h"
#include "shared/fabricant.h"
#include "shared/internet.h"
#include "shared/libcalc.h"
#include "shared/rapporterreur.h"
#include "windows/common/bandedegrade.h"
#include "windows/common/boutonxp.h"
#include "windows/common/cadreborde.h"
#include "windows/common/couleurs.h"
#include "windows/common/etat.h"
#include "windows/common/fenetres.h"
#include "windows/common/images.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"
#include "windows/msgbox/affichermessage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <algorithm>

namespace orvaline {

namespace {
constexpr int gaucheCarte = 2040;
constexpr int hautCarte = 720;
constexpr int largeurCarte = 4080;
constexpr int hauteurCarte = 3720;

void souligner(QLabel* l, bool oui) {
    QFont f = l->font();
    if (f.underline() == oui) return;
    f.setUnderline(oui);
    l->setFont(f);
}

QString cible(int index) {
    switch (index) {
    case 1:
        return adresses::courrielSupport();
    case 2:
        return adresses::site();
    case 3:
        return adresses::forum();
    default:
        return adresses::faq();
    }
}

void etat(const QString& texte) {
    QString t = texte;
    afficheretat(t);
}
} // namespace

Pelandor& Pelandor::instance() {
    static QPointer<Pelandor> fenetre;
    if (!fenetre) fenetre = new Pelandor;
    return *fenetre;
}

int Pelandor::numeroCarte(const QString& texte) {
    // Rounded as a whole number would be; anything below 1 or above 2 is held to the range.
    return arrondiPair(lireNombre(texte)) >= 2 ? 2 : 1;
}

// The card travels in the first entry of the hand-over table; only these two know it.
int Pelandor::carteDemandee() {
    return numeroCarte(libcalc().param_msg[1]);
}

void afficherPelandor(int carte) {
    libcalc().param_msg[1] = QString::number(carte);
    Pelandor::instance().ouvrir();
}

Pelandor::Pelandor() : FenetreModale(QStringLiteral("Pelandor"), 516) {
    setFont(police(QStringLiteral("Verdana"), 8.25));

    auto* fond = new BandeDegrade(this);
    fond->setObjectName(QStringLiteral("fond"));
    fond->setGeometry(rectTwips(0, 0, 1800, 4500));
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    logo->setPixmap(imageSvg(QStringLiteral("orvaline"), QSize(px(1080), px(1080))));
    logo->setGeometry(rectTwips(360, 720, 1080, 1080));

    libelles[0] = new QLabel(QStringLiteral("Vous pouvez contacter Pelandor"), this);
    libelles[1] = new QLabel(QStringLiteral("à l'adresse suivante :"), this);
    for (int i = 0; i < 2; ++i) {
        libelles[std::size_t(i)]->setObjectName(nomIndexe(u"libelles", i));
        libelles[std::size_t(i)]->setGeometry(rectTwips(gaucheCarte, 120 + 255 * i, 4200, 255));
    }

    ombre = new QFrame(this);
    ombre->setObjectName(QStringLiteral("ombre"));
    colorerFond(ombre, 0x8a8a8a);
    for (int i = 1; i <= 2; ++i) {
        auto* carte = new CadreBorde(0xfffdf4, 0x7f8fa8, this);
        carte->setObjectName(nomIndexe(u"img_adresse", i));
        carte->setFrameShape(QFrame::Box);
        carte->setMouseTracking(true);
        carte->installEventFilter(this);
        auto* bord = new CadreBorde(0xe4edfb, 0x2f5aa8, carte);
        bord->setObjectName(nomIndexe(u"bord_icon", i));
        bord->hide();
        bord_icon[std::size_t(i)] = bord;
        img_adresse[std::size_t(i)] = carte;
    }
    construireCarteContact();
    construireCarteForum();

    auto* lignes = new QFrame(this);
    lignes->setObjectName(QStringLiteral("lignes"));
    lignes->setFrameShape(QFrame::HLine);
    lignes->setFrameShadow(QFrame::Sunken);
    lignes->setGeometry(rectTwips(0, 4560, 6600, 30));

    com_ok = new BoutonXp(QStringLiteral("Ok"), this);
    com_ok->setObjectName(QStringLiteral("com_ok"));
    com_ok->setGeometry(rectTwips(4920, 4680, 1215, 405));
    connect(com_ok, &QPushButton::clicked, this, &QDialog::accept);

    // The keyboard's way to copy the address, besides the double click.
    auto* copie = new QShortcut(QKeySequence::Copy, this);
    connect(copie, &QShortcut::activated, this, [this] {
        if (img_adresse[1]->isVisible()) copieradresse();
    });

    const QCursor curseur(imageSvg(QStringLiteral("curseurlien"), QSize(32, 32)), 11, 2);
    for (int i = 1; i <= 4; ++i) {
        lib_email[std::size_t(i)]->setCursor(curseur);
        icones[std::size_t(i)]->setCursor(curseur);
    }
    setTabOrder(lib_email[1], lib_email[2]);
    setTabOrder(lib_email[2], lib_email[3]);
    setTabOrder(lib_email[3], lib_email[4]);
    setTabOrder(lib_email[4], com_ok);
}

QLabel* Pelandor::nouveauLibelle(QWidget* parent, int index, const QString& texte, int haut) {
    auto* l = new QLabel(texte, parent);
    l->setObjectName(nomIndexe(u"libellesfixe", index));
    l->setGeometry(rectTwips(360, haut, 3600, 255));
    l->installEventFilter(this);
    libellesfixe[index] = l;
    return l;
}

void Pelandor::nouveauLien(QWidget* parent, int index, const QString& texte, const QString& image,
                           int haut) {
    auto* icone = new QLabel(parent);
    icone->setObjectName(nomIndexe(u"icones", index));
    icone->setPixmap(imageSvg(image, QSize(px(360), px(360))));
    icone->setGeometry(rectTwips(480, haut, 360, 360));
    icone->setAccessibleName(texte);
    icone->installEventFilter(this);
    icones[std::size_t(index)] = icone;

    auto* lien = new QLabel(texte, parent);
    lien->setObjectName(nomIndexe(u"lib_email", index));
    lien->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    colorerTexte(lien, 0x1d3f8f);
    lien->setGeometry(rectTwips(1020, haut + 45, 2800, 270));
    lien->setFocusPolicy(Qt::StrongFocus);
    lien->setAccessibleName(texte);
    lien->setAccessibleDescription(QStringLiteral("Lien"));
    lien->installEventFilter(this);
    lib_email[std::size_t(index)] = lien;
}

void Pelandor::construireCarteContact() {
    QFrame* carte = img_adresse[1];
    // The maker's card, as set when the program was built.
    const QStringView adresse[6] = {
        fabricant::nom, fabricant::adresse[0], fabricant::adresse[1], fabricant::adresse[2],
        u"Tél :",       fabricant::telephone};
    for (int i = 0; i < 4; ++i)
        nouveauLibelle(carte, 100 + i, adresse[i].toString(), 240 + 255 * i);
    libellesfixe[100]->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    nouveauLibelle(carte, 104, adresse[4].toString(), 1320)->setFixedWidth(px(600));
    nouveauLibelle(carte, 105, adresse[5].toString(), 1320)->move(px(960), px(1320));
    nouveauLibelle(carte, 107, QStringLiteral("Cliquez sur l'adresse ci-dessous pour"), 1860);
    nouveauLibelle(carte, 108, QStringLiteral("envoyer un E-Mail :"), 2115);
    nouveauLien(carte, 1, QStringLiteral("Support Pelandor"), QStringLiteral("courriel"), 2580);
    nouveauLien(carte, 2, QStringLiteral("Site Internet Pelandor"), QStringLiteral("site"), 3120);
}

void Pelandor::construireCarteForum() {
    QFrame* carte = img_adresse[2];
    nouveauLibelle(carte, 200, QStringLiteral("Cliquez sur les liens suivants pour"), 240);
    nouveauLibelle(carte, 201, QStringLiteral("ouvrir le Forum Pelandor ou la"), 495);
    nouveauLibelle(carte, 202, QStringLiteral("Foire aux Questions (FAQ) :"), 750);
    nouveauLien(carte, 3, QStringLiteral("Forum Pelandor"), QStringLiteral("forum"), 1380);
    nouveauLien(carte, 4, QStringLiteral("FAQ"), QStringLiteral("faq"), 1920);
}

void Pelandor::charger() {
    dimensionner(6600, 5700);

    const int carte = carteDemandee();
    for (int i = 1; i <= 2; ++i)
        img_adresse[std::size_t(i)]->setGeometry(
            rectTwips(gaucheCarte, hautCarte, largeurCarte, hauteurCarte));
    ombre->setGeometry(rectTwips(gaucheCarte + 40, hautCarte + 40, largeurCarte, hauteurCarte));
    effacerSurvol();

    if (carte == 1) {
        setWindowTitle(QStringLiteral("Contacter Pelandor  "));
        img_adresse[1]->show();
        img_adresse[2]->hide();
        libelles[0]->show();
        libelles[1]->show();
        lib_email[1]->setFocus();
    } else {
        setWindowTitle(QStringLiteral("Forum et FAQ  "));
        img_adresse[1]->hide();
        img_adresse[2]->show();
        libelles[0]->hide();
        libelles[1]->hide();
        lib_email[3]->setFocus();
    }
    etat(QString());
}

void Pelandor::ouvrirLien(int index) {
    if (index < 1 || index > 4) return;
    QString chemin;
    qint16 trouve = 0;
    lirenavigateur(chemin, trouve);
    if (trouve == 0) return;
    // Writing a mail needs no connection now; the mail program sends it later.
    if (index >= 2) {
        qint16 connecte = 0;
        verifierconnexion(1, connecte);
        if (connecte == 0) return;
    }
    etat(QStringLiteral("Connexion en cours ..."));
    if (const auto erreur = lancerNavigateur(chemin, cible(index)))
        signalererreur(objectName() + QStringLiteral(" - lib_email"), *erreur);
    etat(QStringLiteral("Prêt."));
}

void Pelandor::copieradresse() {
    const QString& nl = libcalc().saut_ligne;
    QString texte;
    for (int i = 100; i <= 105; ++i)
        texte += libellesfixe[i]->text() + nl;
    if (QClipboard* pressePapier = QGuiApplication::clipboard()) {
        pressePapier->clear();
        pressePapier->setText(texte);
    }
    affichermessage(QStringLiteral("L'adresse est dans le Presse-Papier. "), 4, 1,
                    windowTitle().trimmed(), 0);
}

void Pelandor::survolIcone(int index) {
    QFrame* bord = bord_icon[index <= 2 ? 1 : 2];
    if (!bord->isHidden()) return; // placed once, where the mouse first came
    const QRect r = icones[std::size_t(index)]->geometry();
    const int marge = px(50);
    bord->setGeometry(r.adjusted(-marge, -marge, marge, marge));
    bord->lower();
    bord->show();
}

void Pelandor::effacerSurvol() {
    for (int i = 1; i <= 4; ++i)
        if (!lib_email[std::size_t(i)]->hasFocus()) souligner(lib_email[std::size_t(i)], false);
    bord_icon[1]->hide();
    bord_icon[2]->hide();
}

bool Pelandor::eventFilter(QObject* objet, QEvent* e) {
    for (int i = 1; i <= 4; ++i) {
        QLabel* lien = lib_email[std::size_t(i)];
        QLabel* icone = icones[std::size_t(i)];
        if (objet != lien && objet != icone) continue;
        switch (e->type()) {
        case QEvent::Enter:
            if (objet == lien)
                souligner(lien, true);
            else
                survolIcone(i);
            break;
        case QEvent::FocusIn:
            souligner(lien, true);
            break;
        case QEvent::FocusOut:
            souligner(lien, false);
            break;
        case QEvent::MouseButtonRelease: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::LeftButton &&
                static_cast<QWidget*>(objet)->rect().contains(m->position().toPoint()))
                ouvrirLien(i);
            return true;
        }
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::KeyPress: {
            const int touche = static_cast<QKeyEvent*>(e)->key();
            if (touche == Qt::Key_Return || touche == Qt::Key_Enter || touche == Qt::Key_Space) {
                ouvrirLien(i);
                return true;
            }
            break;
        }
        default:
            break;
        }
        return false;
    }

    if (e->type() == QEvent::MouseButtonDblClick) {
        // Any address label, and the contact card itself; the forum card holds no address.
        if (objet == img_adresse[1] || objet->objectName().startsWith(u"libellesfixe")) {
            copieradresse();
            return true;
        }
        return false;
    }
    if (e->type() == QEvent::MouseMove && (objet == img_adresse[1] || objet == img_adresse[2])) {
        auto* carte = static_cast<QWidget*>(objet);
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        QWidget* dessous = carte->childAt(p);
        // Moving over a link or an icon is theirs to handle; only the background clears.
        const bool surLien =
            dessous != nullptr &&
            (std::find(lib_email.begin(), lib_email.end(), dessous) != lib_email.end() ||
             std::find(icones.begin(), icones.end(), dessous) != icones.end());
        if (!surLien) effacerSurvol();
    }
    return QDialog::eventFilter(objet, e);
}

} // namespace orvaline
