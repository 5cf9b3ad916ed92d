#include "keyboard_layout.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

template <class T> using TXcbReply = std::unique_ptr<T, decltype(&std::free)>;

} // namespace

std::string XKeyboardLayout()
{
    auto* app = qGuiApp;
    if (!app)
        return {};
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return {};
    xcb_connection_t* c = x11->connection();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    if (!screen)
        return {};

    static constexpr char kRulesName[] = "_XKB_RULES_NAMES";
    TXcbReply<xcb_intern_atom_reply_t> atom(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof kRulesName - 1, kRulesName), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE)
        return {};
    TXcbReply<xcb_get_property_reply_t> property(
        xcb_get_property_reply(c, xcb_get_property(c, 0, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024),
                               nullptr),
        &std::free);
    if (!property || property->format != 8)
        return {};

    // Five NUL-separated names: rules, model, layout(s), variant(s), options. Several layouts are
    // listed with commas; the first is the one in use at start.
    const char* value = static_cast<const char*>(xcb_get_property_value(property.get()));
    const int length = xcb_get_property_value_length(property.get());
    std::string names(value, value + length);
    std::size_t start = 0;
    for (int field = 0; field < 2; ++field) {
        start = names.find('\0', start);
        if (start == std::string::npos)
            return {};
        ++start;
    }
    std::string layout = names.substr(start, names.find('\0', start) - start);
    return layout.substr(0, layout.find(','));
}
