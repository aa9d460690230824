// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/accessibilite.h"

#include "windows/common/articlemenuaccessible.h"
#include "windows/common/boutonaccessible.h"
#include "windows/common/boutonxp.h"
#include "windows/common/champaccessible.h"
#include "windows/common/champsaisie.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QTextDocument>
#include <QTimer>

namespace orvaline {

namespace {
class LibelleAccessible : public QAccessibleWidget {
public:
    explicit LibelleAccessible(QLabel* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    QLabel* libelle() const { return static_cast<QLabel*>(widget()); }

    bool image() const { return libelle()->text().isEmpty() && !libelle()->pixmap().isNull(); }
    bool decoration() const { return image() && libelle()->accessibleName().isEmpty(); }

    QAccessible::Role role() const override {
        return image() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // Nothing to hear: the reader passes over it as over a hidden control.
        if (decoration()) s.invisible = true;
        return s;
    }

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        if (!libelle()->accessibleName().isEmpty()) return libelle()->accessibleName();
        // Its own text only: Qt would fall back on the frame's caption for an empty label.
        QString texte = libelle()->text();
        if (libelle()->textFormat() == Qt::RichText ||
            (libelle()->textFormat() == Qt::AutoText && Qt::mightBeRichText(texte))) {
            QTextDocument document;
            document.setHtml(texte);
            texte = document.toPlainText();
        }
        return texte;
    }

    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation quoi) const override {
        auto liens = QAccessibleWidget::relations(quoi);
        if ((quoi & QAccessible::Labelled) && libelle()->buddy())
            if (QAccessibleInterface* champ =
                    QAccessible::queryAccessibleInterface(libelle()->buddy()))
                liens.append({champ, QAccessible::Labelled});
        return liens;
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == u"QLabel")
        if (auto* l = qobject_cast<QLabel*>(objet)) return new LibelleAccessible(l);
    if (classe == u"orvaline::BoutonXp")
        if (auto* b = qobject_cast<BoutonXp*>(objet)) return new BoutonAccessible(b);
    if (classe == u"orvaline::ChampSaisie")
        if (auto* c = qobject_cast<ChampSaisie*>(objet)) return new ChampAccessible(c);
    if (classe == u"QAction")
        if (auto* a = qobject_cast<QAction*>(objet))
            if (QWidget* menu = ArticleMenuAccessible::menuAParler(a))
                return new ArticleMenuAccessible(a, menu);
    return nullptr;
}
} // namespace

void annoncerLigneAuFocus(QAbstractItemView* liste) {
    class Suivi : public QObject {
    public:
        using QObject::QObject;

    protected:
        bool eventFilter(QObject* objet, QEvent* e) override {
            if (e->type() != QEvent::FocusIn) return false;
            auto* vue = static_cast<QAbstractItemView*>(objet);
            // After Qt's own announcement of the list, which would otherwise come last.
            QTimer::singleShot(0, vue, [vue] {
                const QModelIndex ligne = vue->currentIndex();
                if (!vue->hasFocus() || !ligne.isValid()) return;
                QAccessibleEvent focus(vue, QAccessible::Focus);
                focus.setChild(ligne.row());
                QAccessible::updateAccessibility(&focus);
            });
            return false;
        }
    };
    liste->installEventFilter(new Suivi(liste));
}

SilenceAccessible::SilenceAccessible()
    : m_avant(QAccessible::installUpdateHandler([](QAccessibleEvent*) {})) {}

SilenceAccessible::~SilenceAccessible() {
    QAccessible::installUpdateHandler(m_avant);
}

void installerAccessibilite() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    QAccessible::installFactory(fabrique);
}

} // namespace orvaline
