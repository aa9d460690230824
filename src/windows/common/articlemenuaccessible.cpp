// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/articlemenuaccessible.h"

#include <QAction>
#include <QMenu>

namespace orvaline {

ArticleMenuAccessible::ArticleMenuAccessible(QAction* action, QWidget* menu)
    : m_action(action), m_menu(menu) {}

QWidget* ArticleMenuAccessible::menuAParler(QAction* action) {
    if (action->shortcut().isEmpty() || action->isSeparator()) return nullptr;
    for (QObject* o : action->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(o)) return menu;
    return nullptr;
}

QString ArticleMenuAccessible::raccourciGtk(const QKeySequence& raccourci) {
    if (raccourci.isEmpty()) return {};
    const QKeyCombination combinaison = raccourci[0];
    const Qt::KeyboardModifiers mods = combinaison.keyboardModifiers();
    QString texte;
    if (mods & Qt::ControlModifier) texte += u"<Control>";
    if (mods & Qt::ShiftModifier) texte += u"<Shift>";
    if (mods & Qt::AltModifier) texte += u"<Alt>";
    if (mods & Qt::MetaModifier) texte += u"<Super>";
    const Qt::Key touche = combinaison.key();
    QString nom;
    switch (touche) {
    case Qt::Key_Semicolon:
        nom = QStringLiteral("semicolon");
        break;
    case Qt::Key_Insert:
        nom = QStringLiteral("Insert");
        break;
    case Qt::Key_Delete:
        nom = QStringLiteral("Delete");
        break;
    default:
        nom = QKeySequence(touche).toString(QKeySequence::PortableText);
        // Letters are lowercase key names for GTK; F2 or Home stay as they are.
        if (nom.size() == 1) nom = nom.toLower();
    }
    return texte + nom;
}

bool ArticleMenuAccessible::isValid() const {
    return m_action && m_menu;
}

QObject* ArticleMenuAccessible::object() const {
    return m_action;
}

QAccessibleInterface* ArticleMenuAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(m_menu);
}

QAccessibleInterface* ArticleMenuAccessible::child(int index) const {
    if (index == 0 && m_action && m_action->menu())
        return QAccessible::queryAccessibleInterface(m_action->menu());
    return nullptr;
}

int ArticleMenuAccessible::childCount() const {
    return m_action && m_action->menu() ? 1 : 0;
}

int ArticleMenuAccessible::indexOfChild(const QAccessibleInterface* enfant) const {
    return enfant && m_action && enfant->object() == m_action->menu() ? 0 : -1;
}

QAccessibleInterface* ArticleMenuAccessible::childAt(int, int) const {
    return nullptr;
}

QAccessibleInterface* ArticleMenuAccessible::focusChild() const {
    return nullptr;
}

QString ArticleMenuAccessible::text(QAccessible::Text t) const {
    if (!m_action) return {};
    switch (t) {
    case QAccessible::Name: {
        // The caption as read: without its mnemonic mark or a shortcut written after a tab.
        QString nom = m_action->text().section(u'\t', 0, 0);
        nom.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        nom.remove(u'&');
        nom.replace(u'\x01', u'&');
        return nom;
    }
    case QAccessible::Accelerator:
        return m_action->shortcut().toString(QKeySequence::NativeText);
    case QAccessible::Help:
        return m_action->whatsThis();
    default:
        return {};
    }
}

void ArticleMenuAccessible::setText(QAccessible::Text, const QString&) {}

QRect ArticleMenuAccessible::rect() const {
    auto* menu = qobject_cast<QMenu*>(m_menu.data());
    if (!menu || !m_action) return {};
    const QRect r = menu->actionGeometry(m_action);
    return QRect(menu->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::Role ArticleMenuAccessible::role() const {
    return QAccessible::MenuItem;
}

QAccessible::State ArticleMenuAccessible::state() const {
    QAccessible::State s;
    auto* menu = qobject_cast<QMenu*>(m_menu.data());
    if (!m_action || !menu) {
        s.invalid = true;
        return s;
    }
    s.focusable = true;
    if (!menu->isVisible() || !m_action->isVisible()) s.invisible = true;
    if (menu->activeAction() == m_action) s.focused = true;
    if (!m_action->isEnabled()) s.disabled = true;
    s.checkable = m_action->isCheckable();
    s.checked = m_action->isChecked();
    s.hasPopup = m_action->menu() != nullptr;
    return s;
}

void* ArticleMenuAccessible::interface_cast(QAccessible::InterfaceType t) {
    return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                             : nullptr;
}

QStringList ArticleMenuAccessible::actionNames() const {
    return {pressAction()};
}

void ArticleMenuAccessible::doAction(const QString& nom) {
    if (nom == pressAction() && m_action && m_action->isEnabled()) m_action->trigger();
}

QStringList ArticleMenuAccessible::keyBindingsForAction(const QString& nom) const {
    if (nom != pressAction() || !m_action) return {};
    // The bridge joins the three with ";". The mnemonic and the path are left to the menu bar.
    return {QString(), QString(), raccourciGtk(m_action->shortcut())};
}

} // namespace orvaline
