// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/boutonaccessible.h"

#include <QAbstractButton>
#include <QKeySequence>
#include <QPushButton>

namespace orvaline {

BoutonAccessible::BoutonAccessible(QAbstractButton* bouton)
    : QAccessibleWidget(bouton, QAccessible::Button) {}

QAbstractButton* BoutonAccessible::bouton() const {
    return static_cast<QAbstractButton*>(widget());
}

QAccessible::State BoutonAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = bouton()->isCheckable();
    s.checked = bouton()->isChecked();
    s.pressed = bouton()->isDown();
    if (auto* p = qobject_cast<QPushButton*>(bouton())) s.defaultButton = p->isDefault();
    return s;
}

QString BoutonAccessible::text(QAccessible::Text t) const {
    const QString nom = bouton()->accessibleName().isEmpty()
                            ? QString(bouton()->text()).remove(u'&')
                            : bouton()->accessibleName();
    switch (t) {
    case QAccessible::Name:
        return nom.isEmpty() ? QAccessibleWidget::text(t) : nom;
    case QAccessible::Description:
        if (bouton()->accessibleDescription().isEmpty() &&
            bouton()->toolTip().trimmed() == nom.trimmed())
            return {};
        return QAccessibleWidget::text(t);
    case QAccessible::Accelerator:
        return QKeySequence::mnemonic(bouton()->text()).toString(QKeySequence::NativeText);
    default:
        return QAccessibleWidget::text(t);
    }
}

QStringList BoutonAccessible::actionNames() const {
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void BoutonAccessible::doAction(const QString& action) {
    if (action == pressAction())
        bouton()->click();
    else
        QAccessibleWidget::doAction(action);
}

QStringList BoutonAccessible::keyBindingsForAction(const QString& action) const {
    const QKeySequence touche = QKeySequence::mnemonic(bouton()->text());
    if (action == pressAction() && !touche.isEmpty())
        return {touche.toString(QKeySequence::NativeText)};
    return QAccessibleWidget::keyBindingsForAction(action);
}

} // namespace orvaline
