// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>

class QLineEdit;

namespace orvaline {

// What a screen reader reads of an entry field. Qt 6.4 gives each character of a field a
// text-attribute run of its own, empty (from the offset to itself); Orca joins the runs and
// stops one character short, so that it says "15/12/199" for "15/12/1990" and nothing for a
// lone digit. Here the whole text is one run; the rest is what Qt's own field says.
class ChampAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ChampAccessible(QLineEdit* champ);

    void* interface_cast(QAccessible::InterfaceType t) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    void selection(int index, int* debut, int* fin) const override;
    int selectionCount() const override;
    void addSelection(int debut, int fin) override;
    void removeSelection(int index) override;
    void setSelection(int index, int debut, int fin) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int debut, int fin) const override;
    int characterCount() const override;
    QRect characterRect(int position) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int debut, int fin) override;
    QString attributes(int position, int* debut, int* fin) const override;

private:
    QLineEdit* champ() const;
};

} // namespace orvaline
