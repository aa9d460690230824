// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/accessibilite.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QTextDocument>

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
    return nullptr;
}
} // namespace

void installerAccessibilite() {
    static bool fait = false;
    if (fait) return;
    fait = true;
    QAccessible::installFactory(fabrique);
}

} // namespace orvaline
