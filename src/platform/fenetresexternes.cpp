// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fenetresexternes.h"

#include <QGuiApplication>

#ifdef ORVALINE_AVEC_XCB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>
#endif

namespace orvaline {

#ifdef ORVALINE_AVEC_XCB
namespace {
struct Liberer {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reponse = std::unique_ptr<T, Liberer>;

xcb_atom_t atome(xcb_connection_t* c, const char* nom) {
    const Reponse<xcb_intern_atom_reply_t> r(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, uint16_t(qstrlen(nom)), nom), nullptr));
    return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<xcb_window_t> fenetresGerees(xcb_connection_t* c, xcb_window_t racine,
                                         xcb_atom_t liste) {
    const Reponse<xcb_get_property_reply_t> r(xcb_get_property_reply(
        c, xcb_get_property(c, 0, racine, liste, XCB_ATOM_WINDOW, 0, 16384), nullptr));
    if (!r || r->format != 32) return {};
    const auto* debut = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
    return {debut, debut + xcb_get_property_value_length(r.get()) / 4};
}

// The managed window that belongs to the process, the one on top when there are several.
xcb_window_t fenetreDe(xcb_connection_t* c, xcb_window_t racine, quint32 pid) {
    const xcb_atom_t liste = atome(c, "_NET_CLIENT_LIST_STACKING");
    const xcb_atom_t atomePid = atome(c, "_NET_WM_PID");
    if (liste == XCB_ATOM_NONE || atomePid == XCB_ATOM_NONE) return XCB_WINDOW_NONE;
    const std::vector<xcb_window_t> fenetres = fenetresGerees(c, racine, liste);
    // All the questions first, then the answers: one round trip, not one per window.
    std::vector<xcb_get_property_cookie_t> questions;
    questions.reserve(fenetres.size());
    for (xcb_window_t f : fenetres)
        questions.push_back(xcb_get_property(c, 0, f, atomePid, XCB_ATOM_CARDINAL, 0, 1));
    xcb_window_t trouvee = XCB_WINDOW_NONE;
    for (size_t i = 0; i < fenetres.size(); ++i) {
        const Reponse<xcb_get_property_reply_t> r(xcb_get_property_reply(c, questions[i], nullptr));
        if (r && r->format == 32 && xcb_get_property_value_length(r.get()) == 4 &&
            *static_cast<const quint32*>(xcb_get_property_value(r.get())) == pid)
            trouvee = fenetres[i]; // the list runs from bottom to top
    }
    return trouvee;
}
} // namespace

bool activerFenetreDuProcessus(qint64 pid) {
    if (pid <= 0 || pid > 0xFFFFFFFF) return false;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return false;
    for (xcb_screen_iterator_t e = xcb_setup_roots_iterator(xcb_get_setup(c)); e.rem;
         xcb_screen_next(&e)) {
        const xcb_window_t racine = e.data->root;
        const xcb_window_t cible = fenetreDe(c, racine, quint32(pid));
        if (cible == XCB_WINDOW_NONE) continue;
        // The request a taskbar sends; source 2 says the user asked for it, so that the
        // window manager's focus-stealing prevention lets it through.
        xcb_client_message_event_t m{};
        m.response_type = XCB_CLIENT_MESSAGE;
        m.format = 32;
        m.window = cible;
        m.type = atome(c, "_NET_ACTIVE_WINDOW");
        m.data.data32[0] = 2;
        m.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(c, 0, racine,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&m));
        xcb_flush(c);
        return true;
    }
    return false;
}
#else
bool activerFenetreDuProcessus(qint64) {
    return false;
}
#endif

} // namespace orvaline
