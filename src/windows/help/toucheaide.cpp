// SPDX-License-Identifier: GPL-3.0-or-later
// F1 everywhere: one filter on the application sees the key before any control could use it,
// in every window, modal ones included.
#include "windows/help/afficheraide.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace orvaline {

namespace {

// The topic of the window a key was typed in; a window without one (a file dialog, a menu)
// takes the topic of the window that opened it. None at all is the contents.
int sujetDe(QWidget* controle) {
    for (QWidget* f = controle->window(); f;
         f = f->parentWidget() ? f->parentWidget()->window() : nullptr) {
        const QVariant sujet = f->property("aide");
        if (sujet.isValid()) return sujet.toInt();
    }
    return 0;
}

class ToucheAide : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objet, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        const auto* touche = static_cast<QKeyEvent*>(e);
        // Shift+F1 stays Qt's "What's This?"; the window objects see keys before their widgets.
        if (touche->key() != Qt::Key_F1 || !objet->isWidgetType() ||
            (touche->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        // The release is swallowed too: the entry fields filter their text on every release.
        if (e->type() == QEvent::KeyPress && !touche->isAutoRepeat())
            afficherAide(sujetDe(static_cast<QWidget*>(objet)));
        return true;
    }
};

} // namespace

void installerToucheAide() {
    static QPointer<ToucheAide> filtre;
    if (filtre || !qApp) return;
    filtre = new ToucheAide(qApp);
    qApp->installEventFilter(filtre);
}

} // namespace orvaline
