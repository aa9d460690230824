// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/common/anneaufocus.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>

namespace orvaline {

namespace {

// Lies over the area's frame, so it hides none of the text inside, lets the mouse through and shows
// only while the area has the focus, so a hidden ring costs nothing and a screen reader never meets
// it.
class AnneauFocus : public QWidget {
public:
    explicit AnneauFocus(QAbstractScrollArea* zone) : QWidget(zone), m_zone(zone) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        zone->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
        case QEvent::FocusIn:
            setGeometry(m_zone->rect());
            show();
            raise();
            break;
        case QEvent::FocusOut:
            hide();
            break;
        case QEvent::Resize:
            setGeometry(m_zone->rect());
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override {
        QPainter peintre(this);
        peintre.setPen(QPen(couleurFocus(), 2));
        peintre.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    QAbstractScrollArea* m_zone;
};

} // namespace

void montrerFocus(QAbstractScrollArea* zone) {
    new AnneauFocus(zone);
}

} // namespace orvaline
