// SPDX-License-Identifier: GPL-3.0-or-later
// The calendar window's controls, placed as designed.
#include "windows/calendar/fenetrecalendrier.h"

#include "core/reglescalendrier.h"
#include "shared/reglages.h"
#include "windows/calendar/casejour.h"
#include "windows/common/accessibilite.h"
#include "windows/common/boutonxp.h"
#include "windows/common/couleurs.h"
#include "windows/common/images.h"
#include "windows/common/labeldegrade.h"
#include "windows/common/noms.h"
#include "windows/common/polices.h"
#include "windows/common/twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPointer>

namespace orvaline {

namespace {
// Left edges of the three grids and the spacing of their columns.
struct Grille {
    int base;    // index offset of the cells and headers: 0, 100 or 200
    int gauche;  // left of column 0
    int pas;     // distance between columns
    int largeur; // width of a cell
    int largeurLegende;
};
constexpr Grille grilles[3] = {
    {0, 2880, 480, 495, 3375}, {100, 240, 360, 375, 2535}, {200, 6360, 360, 375, 2535}};
constexpr int hautLegende = 2400;
constexpr int hautEntetes = 2640;
constexpr int hautCases = 2880;
constexpr int pasLignes = 240;
constexpr int hauteurCase = 255;

QFrame* cadreSimple(QWidget* parent, const QString& nom, const QColor& couleur) {
    auto* f = new QFrame(parent);
    f->setObjectName(nom);
    f->setFrameStyle(QFrame::Box | QFrame::Plain);
    f->setLineWidth(1);
    QPalette p = f->palette();
    p.setColor(QPalette::WindowText, couleur);
    f->setPalette(p);
    return f;
}

// The line round the month and year lists, in the buttons' orange while the list has the
// keyboard focus, so the keyboard user sees where they are.
class BordListe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)
            static_cast<QWidget*>(objet)->update();
        if (e->type() != QEvent::Paint) return false;
        auto* liste = static_cast<QWidget*>(objet);
        QPainter peintre(liste);
        peintre.setPen(liste->hasFocus() ? QColor(0xe0, 0xa0, 0x20) : QColor(0x8f, 0xa3, 0xc7));
        peintre.drawRect(liste->rect().adjusted(0, 0, -1, -1));
        return true;
    }
};

QFrame* ligne(QWidget* parent, const QString& nom, const QColor& couleur, int haut) {
    auto* l = new QFrame(parent);
    l->setObjectName(nom);
    l->setGeometry(px(240), px(haut), px(8880) - px(240), 1);
    l->setAutoFillBackground(true);
    QPalette p = l->palette();
    p.setColor(QPalette::Window, couleur);
    l->setPalette(p);
    return l;
}
} // namespace

FenetreCalendrier& FenetreCalendrier::instance() {
    static QPointer<FenetreCalendrier> fenetre;
    if (!fenetre) fenetre = new FenetreCalendrier;
    return *fenetre;
}

FenetreCalendrier::FenetreCalendrier() : FenetreModale(QStringLiteral("calend"), 502) {
    setWindowTitle(QStringLiteral("  Calendrier"));
    setFont(police(QStringLiteral("Verdana"), 8.25));

    construireHaut();
    construireGrilles();
    construireBas();
    // The holidays shown follow the options.
    connect(&reglages(), &Reglages::modifie, this, [this] {
        if (isVisible()) affichage();
    });

    // Tab follows the reading order: lists, month buttons, the grid, then Ok and Annuler.
    setTabOrder(list_mois, list_annee);
    setTabOrder(list_annee, com_mois[1]);
    setTabOrder(com_mois[1], com_jour);
    setTabOrder(com_jour, com_mois[2]);
    setTabOrder(com_mois[2], carre);
    setTabOrder(carre, com_ok);
    setTabOrder(com_ok, com_annul);
}

void FenetreCalendrier::construireHaut() {
    static const char16_t* const textes[3] = {u"Mois :", u"Année :", u"Sélection :"};
    static const int places[3][3] = {{2880, 120, 2295}, {5280, 120, 975}, {6600, 720, 2055}};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(QString::fromUtf16(textes[i]), this);
        l->setObjectName(nomIndexe(u"libelles", i));
        l->setGeometry(rectTwips(places[i][0], places[i][1], places[i][2], 255));
        libelles[std::size_t(i)] = l;
    }

    list_mois = new QListWidget(this);
    list_mois->setObjectName(QStringLiteral("list_mois"));
    list_mois->setGeometry(rectTwips(2880, 360, 2295, 1230));
    list_mois->setAccessibleName(QStringLiteral("Mois"));
    libelles[0]->setBuddy(list_mois);

    list_annee = new QListWidget(this);
    list_annee->setObjectName(QStringLiteral("list_annee"));
    list_annee->setGeometry(rectTwips(5280, 360, 975, 1230));
    list_annee->setAccessibleName(QStringLiteral("Année"));
    libelles[1]->setBuddy(list_annee);
    annoncerLigneAuFocus(list_mois);
    annoncerLigneAuFocus(list_annee);

    auto* bordListes = new BordListe(this);
    for (QListWidget* liste : {list_mois, list_annee}) {
        liste->setFrameStyle(QFrame::Box | QFrame::Plain);
        liste->setLineWidth(1);
        liste->installEventFilter(bordListes);
        connect(liste, &QListWidget::currentRowChanged, this, [this] {
            // Rows set by code are followed by one redraw of their own.
            if (m_suppressionRafraichissement != 1) affichage();
        });
    }

    icones[0] = new QLabel(this);
    icones[0]->setObjectName(QStringLiteral("icones(0)"));
    icones[0]->setGeometry(rectTwips(720, 600, 960, 960));
    icones[0]->setPixmap(imageSvg(QStringLiteral("calendrier"), QSize(64, 64)));

    lib_dateaff = new LabelDegrade(QString(), this);
    lib_dateaff->setObjectName(QStringLiteral("lib_dateaff"));
    lib_dateaff->setGeometry(rectTwips(6600, 960, 2055, 495));
    lib_dateaff->setFont(police(QStringLiteral("Verdana"), 8.25, true));
    lib_dateaff->setAccessibleDescription(QStringLiteral("Sélection"));

    for (int i = 1; i <= 2; ++i) {
        auto* b = new BoutonXp(QString(), this);
        b->setObjectName(nomIndexe(u"com_mois", i));
        b->setGeometry(rectTwips(i == 1 ? 2880 : 5280, 1800, 975, 375));
        b->definirImage(i == 1 ? QStringLiteral("moisprecedent") : QStringLiteral("moissuivant"),
                        QSize(29, 18));
        const QString nom =
            i == 1 ? QStringLiteral("Mois Précédent") : QStringLiteral("Mois Suivant");
        b->setToolTip(QStringLiteral(" ") + nom + QStringLiteral(" "));
        b->setAccessibleName(nom);
        connect(b, &QPushButton::clicked, this, [this, i] { moisVoisin(i); });
        com_mois[std::size_t(i)] = b;
    }
    com_jour = new BoutonXp(QStringLiteral("Date du Jour"), this);
    com_jour->setObjectName(QStringLiteral("com_jour"));
    com_jour->setGeometry(rectTwips(3840, 1800, 1455, 375));
    connect(com_jour, &QPushButton::clicked, this, &FenetreCalendrier::dateDuJour);
    // The month buttons overlap the middle one by a pixel; keep its border whole.
    com_jour->raise();

    lib_date = new QLabel(this);
    lib_date->setObjectName(QStringLiteral("lib_date"));
    lib_date->setGeometry(rectTwips(7440, 1800, 1215, 255));
    lib_date->hide();

    lib_ferie = new QLabel(this);
    lib_ferie->setObjectName(QStringLiteral("lib_ferie"));
    lib_ferie->setGeometry(rectTwips(6600, 1500, 2055, 495));
    lib_ferie->setWordWrap(true);
    lib_ferie->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette rouge = lib_ferie->palette();
    rouge.setColor(QPalette::WindowText, texteLisible(lib_ferie, couleurFerie().rgb()));
    lib_ferie->setPalette(rouge);
}

void FenetreCalendrier::construireGrilles() {
    // Below the cells: it shows as a thin shadow to the right of and under the large grid.
    carre = cadreSimple(this, QStringLiteral("carre"), QColor(128, 128, 128));
    carre->resize(px(3375), px(1935));
    carre->setFocusPolicy(Qt::StrongFocus);
    carre->setAccessibleName(QStringLiteral("Grille des jours"));
    carre->installEventFilter(this);

    const QFont normale = police(QStringLiteral("Verdana"), 8.25);
    const QFont petite = police(QStringLiteral("Verdana"), 7);
    const QFont grasse = police(QStringLiteral("Verdana"), 8.25, true);
    static const char16_t* const jours[7] = {u"L", u"M", u"M", u"J", u"V", u"S", u"D"};
    static const char16_t* const legendes[3] = {u"Mois Choisi", u"Mois -1", u"Mois +1"};

    for (int k = 0; k < 3; ++k) {
        const Grille& g = grilles[k];
        auto* legende = new QLabel(QString::fromUtf16(legendes[k]), this);
        legende->setObjectName(nomIndexe(u"libellesfixe", g.base));
        legende->setGeometry(rectTwips(g.gauche, hautLegende, g.largeurLegende, hauteurCase));
        legende->setAlignment(Qt::AlignCenter);
        legende->setFont(grasse);
        colorer(legende, 0x0000C0, 0xFFFFFF);
        libellesfixe[std::size_t(g.base)] = legende;

        for (int c = 0; c < 7; ++c) {
            auto* entete = new QLabel(QString::fromUtf16(jours[c]), this);
            entete->setObjectName(nomIndexe(u"libellesfixe", g.base + c + 1));
            entete->setGeometry(
                rectTwips(g.gauche + g.pas * c, hautEntetes, g.largeur, hauteurCase));
            entete->setAlignment(Qt::AlignCenter);
            entete->setFont(k == 0 ? grasse : petite);
            colorer(entete, 0xC0C0FF, 0x0000C0);
            libellesfixe[std::size_t(g.base + c + 1)] = entete;
        }

        for (int i = 1; i <= casesGrille; ++i) {
            const int c = (i - 1) % 7, r = (i - 1) / 7;
            const QRect place =
                rectTwips(g.gauche + g.pas * c, hautCases + pasLignes * r, g.largeur, hauteurCase);
            if (k == 0) {
                auto* cellule = new CaseJour(this);
                cellule->setObjectName(nomIndexe(u"lib_jour", i));
                cellule->setGeometry(place);
                cellule->setFont(normale);
                // The keyboard then goes on from the clicked day, not from the month list.
                connect(cellule, &LabelDegrade::clique, this, [this, i] {
                    selectionnerJour(i);
                    carre->setFocus(Qt::MouseFocusReason);
                });
                connect(cellule, &LabelDegrade::doubleClique, this, [this, i] {
                    if (!lib_jour[std::size_t(i)]->text().isEmpty()) valider();
                });
                lib_jour[std::size_t(i)] = cellule;
            } else {
                auto* cellule = new QLabel(this);
                cellule->setObjectName(nomIndexe(u"lib_jouap", g.base + i));
                cellule->setGeometry(place);
                cellule->setFont(petite);
                cellule->setAlignment(Qt::AlignCenter);
                cellule->setAutoFillBackground(true);
                QPalette p = cellule->palette();
                p.setColor(QPalette::Window, fondLisible(0xEDEDED));
                cellule->setPalette(p);
                lib_jouap[std::size_t(g.base + i)] = cellule;
            }
        }
    }

    // Over the small cells, which would hide a frame drawn beneath them.
    for (int i = 0; i < 2; ++i) {
        auto* r = cadreSimple(this, nomIndexe(u"rectangle", i), QColor(128, 128, 128));
        r->setGeometry(rectTwips(i == 0 ? 240 : 6360, 2880, 2535, 1455));
        r->setAttribute(Qt::WA_TransparentForMouseEvents);
        r->raise();
        rectangle[std::size_t(i)] = r;
    }
}

void FenetreCalendrier::construireBas() {
    lignes[0] = ligne(this, QStringLiteral("lignes(0)"), QColor(128, 128, 128), 4680);
    lignes[1] = ligne(this, QStringLiteral("lignes(1)"), fondLisible(0xFFFFFF), 4695);

    icones[1] = new QLabel(this);
    icones[1]->setObjectName(QStringLiteral("icones(1)"));
    icones[1]->setPixmap(imageSvg(QStringLiteral("coche"), QSize(px(480), px(480))));
    com_ok = new BoutonXp(QStringLiteral("Ok"), this);
    com_ok->setObjectName(QStringLiteral("com_ok"));
    connect(com_ok, &QPushButton::clicked, this, &FenetreCalendrier::valider);
    // Enter accepts the selected date, unless another button has the focus; left alone, the
    // dialog would make the first month button its default.
    com_ok->setDefault(true);

    icones[2] = new QLabel(this);
    icones[2]->setObjectName(QStringLiteral("icones(2)"));
    icones[2]->setGeometry(rectTwips(4680, 4920, 480, 480));
    icones[2]->setPixmap(imageSvg(QStringLiteral("croix"), QSize(px(480), px(480))));
    com_annul = new BoutonXp(QStringLiteral("Annuler"), this);
    com_annul->setObjectName(QStringLiteral("com_annul"));
    com_annul->setGeometry(rectTwips(5160, 4920, 1335, 495));
    connect(com_annul, &QPushButton::clicked, this, &FenetreCalendrier::annuler);
}

} // namespace orvaline
