// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleActionInterface>
#include <QPointer>

class QAction;
class QWidget;

namespace orvaline {

// A menu item with a shortcut, as a screen reader sees it. Qt 6.4 gives its shortcut as the
// whole key binding ("F2"), which Orca takes for the menu path and never says; the binding is
// written here as Orca reads it, "mnemonic;path;shortcut", the shortcut in GTK's notation.
// The rest is what Qt's own menu item says.
class ArticleMenuAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ArticleMenuAccessible(QAction* action, QWidget* menu);

    // The menu that shows the action, when it has a shortcut to tell; nullptr otherwise, and
    // Qt's own menu item answers.
    static QWidget* menuAParler(QAction* action);
    // "Ctrl+Shift+C" as GTK writes it: "<Control><Shift>c".
    static QString raccourciGtk(const QKeySequence& raccourci);

    bool isValid() const override;
    QObject* object() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* enfant) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString& texte) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QStringList actionNames() const override;
    void doAction(const QString& nom) override;
    QStringList keyBindingsForAction(const QString& nom) const override;

private:
    QPointer<QAction> m_action;
    QPointer<QWidget> m_menu;
};

} // namespace orvaline
