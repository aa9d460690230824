// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QAbstractButton;

namespace orvaline {

// A drawn button as a screen reader hears it: what Qt's own button says, except that a tip
// repeating the name is not read a second time as the description ("Mois Suivant bouton,
// Mois Suivant"): Qt falls back on the tip when a control has no description.
class BoutonAccessible : public QAccessibleWidget {
public:
    explicit BoutonAccessible(QAbstractButton* bouton);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    QAbstractButton* bouton() const;
};

} // namespace orvaline
