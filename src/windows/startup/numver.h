// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/verrouinstance.h"

#include <QWidget>
#include <functional>

class QLabel;

namespace orvaline {

class BoutonXp;

// The start-up window: it fills the shared state, refuses to run beside another copy, waits
// a moment and hands over to the main window. It comes back later as the version window.
class NumVer : public QWidget {
    Q_OBJECT
public:
    // montrerPrincipale shows the main window (created on first use).
    explicit NumVer(std::function<void()> montrerPrincipale,
                    QString cheminVerrou = VerrouInstance::cheminParDefaut());

    // The version window: the same window with its Ok button, modal until Ok.
    void afficherVersion();

    bool demarrageFait() const { return m_demarrageFait != 0; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void activation();

    std::function<void()> m_montrerPrincipale;
    VerrouInstance m_verrou;
    BoutonXp* m_ok = nullptr;
    QLabel* m_version = nullptr;
    qint16 m_demarrageFait = 0;
    bool m_activationEnCours = false;
};

} // namespace orvaline
