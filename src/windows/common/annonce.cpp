// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/annonce.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>

namespace orvaline {

namespace {
class AnnonceAccessible : public QAccessibleWidget {
public:
    explicit AnnonceAccessible(Annonce* a) : QAccessibleWidget(a, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Annonce*>(widget())->texte() : QString();
    }
};

QAccessibleInterface* fabrique(const QString& classe, QObject* objet) {
    if (classe == u"orvaline::Annonce")
        if (auto* a = qobject_cast<Annonce*>(objet)) return new AnnonceAccessible(a);
    return nullptr;
}
} // namespace

Annonce::Annonce(QWidget* fenetre) : QWidget(fenetre) {
    static const bool installee = [] {
        QAccessible::installFactory(fabrique);
        return true;
    }();
    static_cast<void>(installee);
    setObjectName(QStringLiteral("annonce"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
}

void Annonce::dire(const QString& texte) {
    // Shown again, it is news again: the reader hears each message, even a repeated one.
    hide();
    m_texte = texte.simplified();
    if (!m_texte.isEmpty()) show();
}

void annoncer(QWidget* dans, const QString& texte) {
    if (!dans) return;
    QWidget* fenetre = dans->window();
    // A notification inside a dialog comes after the dialog's name and all its labels, as
    // Orca presents any object of a dialog: the main window, shown behind, says it alone.
    if (qobject_cast<QDialog*>(fenetre))
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMainWindow*>(w) && w->isVisible()) {
                fenetre = w;
                break;
            }
    auto* annonce = fenetre->findChild<Annonce*>(QStringLiteral("annonce"));
    if (!annonce) annonce = new Annonce(fenetre);
    annonce->dire(texte);
}

} // namespace orvaline
