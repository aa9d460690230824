// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace orvaline {

// What a screen reader says without the focus moving: a result, a tape line, the day reached
// in the calendar. Qt 6.4 has no announcement event (it comes with Qt 6.8), and its name and
// description change events carry the object instead of the new text, which Orca cannot
// speak; a notification that shows up, Orca speaks wherever the focus is. So the window keeps
// one empty, invisible-to-the-eye notification that shows again with each message.
class Annonce : public QWidget {
    Q_OBJECT
public:
    explicit Annonce(QWidget* fenetre);
    void dire(const QString& texte);
    const QString& texte() const { return m_texte; }

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    QString m_texte;
};

// Says `texte` once, through the notification of the window `dans` belongs to.
void annoncer(QWidget* dans, const QString& texte);

} // namespace orvaline
