#include "keyboard_layout.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <algorithm>
#include <cstring>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>

namespace {

Q_LOGGING_CATEGORY(lcKeyboard, "keyvane.keyboard")

struct TXkbFree {
    void operator()(xkb_context* c) const { xkb_context_unref(c); }
    void operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
    void operator()(xkb_state* s) const { xkb_state_unref(s); }
};
template <class T> using TXkb = std::unique_ptr<T, TXkbFree>;

// The character block row by row, from the digits down to the row above the space bar.
constexpr const char* kBlock[] = {
    "TLDE", "AE01", "AE02", "AE03", "AE04", "AE05", "AE06", "AE07", "AE08", "AE09", "AE10", "AE11",
    "AE12", "AD01", "AD02", "AD03", "AD04", "AD05", "AD06", "AD07", "AD08", "AD09", "AD10", "AD11",
    "AD12", "BKSL", "AC01", "AC02", "AC03", "AC04", "AC05", "AC06", "AC07", "AC08", "AC09", "AC10",
    "AC11", "LSGT", "AB01", "AB02", "AB03", "AB04", "AB05", "AB06", "AB07", "AB08", "AB09", "AB10",
};

// A dead key types nothing by itself; its key shows the accent it puts on the next letter, in its
// spacing form. Dead keys without one (below dot, hook, ...) stay blank.
char16_t DeadKeyAccent(xkb_keysym_t sym)
{
    switch (sym) {
    case XKB_KEY_dead_grave:
        return u'`';
    case XKB_KEY_dead_acute:
        return u'\u00B4';
    case XKB_KEY_dead_circumflex:
        return u'^';
    case XKB_KEY_dead_tilde:
        return u'~';
    case XKB_KEY_dead_macron:
        return u'\u00AF';
    case XKB_KEY_dead_breve:
        return u'\u02D8';
    case XKB_KEY_dead_abovedot:
        return u'\u02D9';
    case XKB_KEY_dead_diaeresis:
        return u'\u00A8';
    case XKB_KEY_dead_abovering:
        return u'\u02DA';
    case XKB_KEY_dead_doubleacute:
        return u'\u02DD';
    case XKB_KEY_dead_caron:
        return u'\u02C7';
    case XKB_KEY_dead_cedilla:
        return u'\u00B8';
    case XKB_KEY_dead_ogonek:
        return u'\u02DB';
    case XKB_KEY_dead_iota:
        return u'\u037A';
    default:
        return 0;
    }
}

bool IsDead(xkb_keysym_t sym)
{
    return xkb_keysym_to_utf32(sym) == 0 && DeadKeyAccent(sym) != 0;
}

QChar Printable(xkb_keysym_t sym)
{
    const std::uint32_t code = xkb_keysym_to_utf32(sym);
    if (code == 0)
        return QChar(DeadKeyAccent(sym));
    if (code > 0xFFFF)
        return {};
    const QChar c(static_cast<char16_t>(code));
    // A combining mark alone or a space would draw nothing a player could read.
    if (!c.isPrint() || c.isSpace() || c.isMark())
        return {};
    return c;
}

// The one keysym a key gives in state; none when it gives none or several.
xkb_keysym_t OneSym(xkb_state* state, xkb_keycode_t key)
{
    const xkb_keysym_t* syms = nullptr;
    return xkb_state_key_get_syms(state, key, &syms) == 1 ? syms[0] : XKB_KEY_NoSymbol;
}

} // namespace

std::vector<TKeyLabel> KeymapLabels(xkb_keymap* keymap, unsigned layout)
{
    std::vector<TKeyLabel> labels;
    TXkb<xkb_state> state(xkb_state_new(keymap));
    if (!state)
        return labels;
    // The level Shift reaches depends on the key's type; a state with Shift held asks the keymap itself.
    const xkb_mod_index_t shiftIndex = xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_SHIFT);
    const xkb_mod_mask_t shift = shiftIndex == XKB_MOD_INVALID ? 0 : xkb_mod_mask_t{1} << shiftIndex;
    for (const char* name : kBlock) {
        const xkb_keycode_t key = xkb_keymap_key_by_name(keymap, name);
        if (key == XKB_KEYCODE_INVALID || xkb_keymap_num_layouts_for_key(keymap, key) == 0)
            continue;
        xkb_state_update_mask(state.get(), 0, 0, 0, 0, 0, layout);
        const xkb_keysym_t base = OneSym(state.get(), key);
        xkb_state_update_mask(state.get(), shift, 0, 0, 0, 0, layout);
        const xkb_keysym_t shifted = OneSym(state.get(), key);
        const bool same = shifted == base;
        labels.push_back({name, Printable(base), same ? QChar() : Printable(shifted), IsDead(base),
                          !same && IsDead(shifted)});
    }
    return labels;
}

std::vector<TKeyLabel> NamedLayoutLabels(const std::string& layout, const std::string& variant)
{
    TXkb<xkb_context> context(xkb_context_new(XKB_CONTEXT_NO_ENVIRONMENT_NAMES));
    if (!context)
        return {};
    xkb_context_set_log_level(context.get(), XKB_LOG_LEVEL_CRITICAL);
    const xkb_rule_names names{"evdev", "pc105", layout.c_str(), variant.c_str(), ""};
    TXkb<xkb_keymap> keymap(xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    return keymap ? KeymapLabels(keymap.get(), 0) : std::vector<TKeyLabel>{};
}

std::vector<TKeyLabel> XKeyboardLabels()
{
    auto* app = qGuiApp;
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return {};
    // The connection is Qt's own: the keymap is asked for with the requests Qt's X support makes.
    xcb_connection_t* c = x11->connection();
    if (!xkb_x11_setup_xkb_extension(c, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr,
                                     nullptr)) {
        qCWarning(lcKeyboard, "the X server has no keyboard extension; the US keyboard is drawn");
        return {};
    }
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(c);
    // A keymap read from the server needs none of the system's keyboard data.
    const auto flags =
        static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    TXkb<xkb_context> context(xkb_context_new(flags));
    if (device == -1 || !context)
        return {};
    TXkb<xkb_keymap> keymap(
        xkb_x11_keymap_new_from_device(context.get(), c, device, XKB_KEYMAP_COMPILE_NO_FLAGS));
    TXkb<xkb_state> state(keymap ? xkb_x11_state_new_from_device(keymap.get(), c, device) : nullptr);
    if (!state) {
        qCWarning(lcKeyboard, "the X keyboard's keymap could not be read; the US keyboard is drawn");
        return {};
    }
    return KeymapLabels(keymap.get(), xkb_state_serialize_layout(state.get(), XKB_STATE_LAYOUT_EFFECTIVE));
}

namespace {

// What the compositor says of the seat's keyboard: its keymap as text.
struct TWaylandKeyboard {
    wl_seat* Seat = nullptr;
    std::string Keymap;
    bool KeymapSent = false;
};

void OnKeymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size)
{
    auto* keyboard = static_cast<TWaylandKeyboard*>(data);
    keyboard->KeymapSent = true;
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0) {
        void* map = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (map != MAP_FAILED) {
            const auto* text = static_cast<const char*>(map);
            keyboard->Keymap.assign(text, strnlen(text, size));
            munmap(map, size);
        }
    }
    close(fd);
}

const wl_keyboard_listener kKeyboardListener = {
    OnKeymap,
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {},
    [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
    [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
    [](void*, wl_keyboard*, std::int32_t, std::int32_t) {},
};

const wl_registry_listener kRegistryListener = {
    [](void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version) {
        auto* keyboard = static_cast<TWaylandKeyboard*>(data);
        // The first seat is the one Qt's windows take their keys from too.
        if (!keyboard->Seat && std::strcmp(interface, wl_seat_interface.name) == 0)
            keyboard->Seat = static_cast<wl_seat*>(
                wl_registry_bind(registry, name, &wl_seat_interface, std::min<std::uint32_t>(version, 5)));
    },
    [](void*, wl_registry*, std::uint32_t) {},
};

} // namespace

std::vector<TKeyLabel> WaylandKeyboardLabels()
{
    // The compositor Qt's windows are on: the one WAYLAND_DISPLAY names, as for Qt's own connection.
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        qCWarning(lcKeyboard, "the Wayland compositor cannot be reached; the US keyboard is drawn");
        return {};
    }
    TWaylandKeyboard keyboard;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, &keyboard);
    wl_display_roundtrip(display);
    wl_keyboard* wlKeyboard = nullptr;
    if (keyboard.Seat) {
        wlKeyboard = wl_seat_get_keyboard(keyboard.Seat);
        wl_keyboard_add_listener(wlKeyboard, &kKeyboardListener, &keyboard);
        // The keymap is the compositor's first word to a new keyboard.
        for (int i = 0; i < 3 && !keyboard.KeymapSent; ++i)
            if (wl_display_roundtrip(display) < 0)
                break;
    }
    if (wlKeyboard)
        wl_keyboard_destroy(wlKeyboard);
    if (keyboard.Seat)
        wl_seat_destroy(keyboard.Seat);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);

    const auto flags =
        static_cast<xkb_context_flags>(XKB_CONTEXT_NO_DEFAULT_INCLUDES | XKB_CONTEXT_NO_ENVIRONMENT_NAMES);
    TXkb<xkb_context> context(xkb_context_new(flags));
    TXkb<xkb_keymap> keymap(context && !keyboard.Keymap.empty()
                                ? xkb_keymap_new_from_string(context.get(), keyboard.Keymap.c_str(),
                                                             XKB_KEYMAP_FORMAT_TEXT_V1,
                                                             XKB_KEYMAP_COMPILE_NO_FLAGS)
                                : nullptr);
    if (!keymap) {
        qCWarning(lcKeyboard, "the Wayland compositor gave no keymap; the US keyboard is drawn");
        return {};
    }
    return KeymapLabels(keymap.get(), 0);
}

std::vector<TKeyLabel> DesktopKeyboardLabels()
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return WaylandKeyboardLabels();
    return XKeyboardLabels();
}
