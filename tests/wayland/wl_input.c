/* A pointer and a keyboard for the Wayland test: one virtual pointer and one
 * virtual keyboard (keymap "us,ru") that live for the whole run, driven by
 * commands read from standard input, one a line:
 *
 *   move X Y        the pointer to (X, Y), logical pixels of the output layout
 *   press [B]       holds mouse button B (1 left, 2 middle, 3 right; 1 if left out)
 *   release [B]     lets it go
 *   click [B]       press and release
 *   key COMBO ...   each combination in turn: keysym names joined by "+", with the
 *                   modifiers alt, ctrl and shift before it: "alt+Cyrillic_en",
 *                   "ctrl+a", "Return"; the layout that has the keysym is chosen
 *   sleep MS        waits MS milliseconds
 *   sync            waits until the compositor has handled everything sent, then
 *                   prints "ok"
 *
 * Arguments: the width and height of the output layout in logical pixels, which
 * absolute positions are measured against. Exits at the end of its input. */
#define _GNU_SOURCE
#include <errno.h>
#include <linux/input-event-codes.h>
#include <stdbool.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* pointer_manager;
static struct zwp_virtual_keyboard_manager_v1* keyboard_manager;

static struct zwlr_virtual_pointer_v1* pointer;
static struct zwp_virtual_keyboard_v1* keyboard;
static struct xkb_keymap* keymap;
static unsigned width, height;

static void global(void* data, struct wl_registry* registry, uint32_t name,
                   const char* interface, uint32_t version) {
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    } else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        pointer_manager =
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    } else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0) {
        keyboard_manager =
            wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
    }
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name) {
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global, global_remove};

static uint32_t now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static void sleep_ms(long ms) {
    struct timespec t = {ms / 1000, (ms % 1000) * 1000000};
    while (nanosleep(&t, &t) == -1 && errno == EINTR) {
    }
}

/* Hands the keymap to the compositor through a sealed-off memory file. */
static bool send_keymap(void) {
    struct xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const struct xkb_rule_names names = {"evdev", "pc105", "us,ru", "", ""};
    keymap = context ? xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS)
                     : NULL;
    if (!keymap) return false;
    char* text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = strlen(text) + 1;
    const int fd = memfd_create("keymap", MFD_CLOEXEC);
    bool ok = fd >= 0 && write(fd, text, size) == (ssize_t)size;
    if (ok) zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, size);
    free(text);
    if (fd >= 0) close(fd);
    return ok;
}

/* Where a keysym sits: its key, layout and shift level (the first layout first). */
static bool find_key(xkb_keysym_t sym, xkb_keycode_t* code, xkb_layout_index_t* layout,
                     xkb_level_index_t* level) {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap);
    for (xkb_layout_index_t l = 0; l < layouts; ++l) {
        for (xkb_keycode_t k = xkb_keymap_min_keycode(keymap); k <= xkb_keymap_max_keycode(keymap);
             ++k) {
            const xkb_level_index_t levels = xkb_keymap_num_levels_for_key(keymap, k, l);
            for (xkb_level_index_t v = 0; v < levels && v < 2; ++v) {
                const xkb_keysym_t* syms;
                const int n = xkb_keymap_key_get_syms_by_level(keymap, k, l, v, &syms);
                if (n == 1 && syms[0] == sym) {
                    *code = k;
                    *layout = l;
                    *level = v;
                    return true;
                }
            }
        }
    }
    return false;
}

static uint32_t mod_mask(const char* name) {
    const xkb_mod_index_t i = xkb_keymap_mod_get_index(keymap, name);
    return i == XKB_MOD_INVALID ? 0 : 1u << i;
}

static void key_event(xkb_keycode_t code, bool down) {
    /* Wayland carries evdev codes, 8 below the keymap's. */
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), code - 8,
                                down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                     : WL_KEYBOARD_KEY_STATE_RELEASED);
}

/* One combination such as "alt+Cyrillic_en": the modifiers' keys go down in turn,
 * the layout is locked to the key's own, the key is pressed and released, and
 * everything is let go again in the opposite order. */
static bool send_combo(char* combo) {
    static const struct {
        const char* word;
        const char* keysym;
        const char* mod;
    } modifiers[] = {{"alt", "Alt_L", XKB_MOD_NAME_ALT},
                     {"ctrl", "Control_L", XKB_MOD_NAME_CTRL},
                     {"shift", "Shift_L", XKB_MOD_NAME_SHIFT}};
    xkb_keycode_t held[3];
    int n_held = 0;
    uint32_t mods = 0;
    char* last = strrchr(combo, '+');
    char* name = last && last[1] ? last + 1 : combo;
    if (name != combo) {
        name[-1] = '\0';
        char* save = NULL;
        for (char* word = strtok_r(combo, "+", &save); word; word = strtok_r(NULL, "+", &save)) {
            size_t m = 0;
            while (m < 3 && strcmp(word, modifiers[m].word) != 0) ++m;
            if (m == 3 || n_held == 3) return false;
            xkb_layout_index_t l;
            xkb_level_index_t v;
            if (!find_key(xkb_keysym_from_name(modifiers[m].keysym, XKB_KEYSYM_NO_FLAGS),
                          &held[n_held], &l, &v))
                return false;
            mods |= mod_mask(modifiers[m].mod);
            ++n_held;
        }
    }
    const xkb_keysym_t sym = xkb_keysym_from_name(name, XKB_KEYSYM_NO_FLAGS);
    xkb_keycode_t code;
    xkb_layout_index_t layout;
    xkb_level_index_t level;
    if (sym == XKB_KEY_NoSymbol || !find_key(sym, &code, &layout, &level)) return false;
    const uint32_t shift = level == 1 ? mod_mask(XKB_MOD_NAME_SHIFT) : 0;

    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, layout);
    for (int i = 0; i < n_held; ++i) key_event(held[i], true);
    zwp_virtual_keyboard_v1_modifiers(keyboard, mods | shift, 0, 0, layout);
    key_event(code, true);
    key_event(code, false);
    for (int i = n_held - 1; i >= 0; --i) key_event(held[i], false);
    zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
    return true;
}

static uint32_t button_code(const char* arg) {
    const int b = arg ? atoi(arg) : 1;
    return b == 2 ? BTN_MIDDLE : b == 3 ? BTN_RIGHT : BTN_LEFT;
}

static void button(uint32_t code, bool down) {
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), code,
                                   down ? WL_POINTER_BUTTON_STATE_PRESSED
                                        : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer);
}

/* Runs one command line; false for one it does not understand. */
static bool run(struct wl_display* display, char* line) {
    char* words[64];
    int n = 0;
    char* save = NULL;
    for (char* w = strtok_r(line, " \t\n", &save); w && n < 64; w = strtok_r(NULL, " \t\n", &save))
        words[n++] = w;
    if (n == 0) return true;
    const char* command = words[0];
    const char* arg = n > 1 ? words[1] : NULL;
    if (strcmp(command, "move") == 0) {
        if (n != 3) return false;
        const long px = atol(words[1]), py = atol(words[2]);
        if (px < 0 || py < 0 || px >= (long)width || py >= (long)height) return false;
        zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)px, (uint32_t)py,
                                                width, height);
        zwlr_virtual_pointer_v1_frame(pointer);
    } else if (strcmp(command, "press") == 0) {
        button(button_code(arg), true);
    } else if (strcmp(command, "release") == 0) {
        button(button_code(arg), false);
    } else if (strcmp(command, "click") == 0) {
        button(button_code(arg), true);
        button(button_code(arg), false);
    } else if (strcmp(command, "key") == 0) {
        if (n < 2) return false;
        for (int i = 1; i < n; ++i) {
            if (!send_combo(words[i])) return false;
            /* Time for the client to take each key before the next. */
            wl_display_flush(display);
            sleep_ms(40);
        }
    } else if (strcmp(command, "sleep") == 0) {
        if (!arg) return false;
        wl_display_flush(display);
        sleep_ms(atol(arg));
    } else if (strcmp(command, "sync") == 0) {
        if (wl_display_roundtrip(display) < 0) return false;
        printf("ok\n");
        fflush(stdout);
    } else {
        return false;
    }
    return wl_display_flush(display) >= 0;
}

int main(int argc, char** argv) {
    if (argc != 3 || atoi(argv[1]) <= 0 || atoi(argv[2]) <= 0) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT  (commands on standard input)\n", argv[0]);
        return 2;
    }
    width = (unsigned)atoi(argv[1]);
    height = (unsigned)atoi(argv[2]);
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wl_input: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (!seat || !pointer_manager || !keyboard_manager) {
        fprintf(stderr, "wl_input: the compositor offers no virtual pointer or keyboard\n");
        return 1;
    }
    pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointer_manager, seat);
    keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboard_manager, seat);
    if (!send_keymap()) {
        fprintf(stderr, "wl_input: could not make the us,ru keymap\n");
        return 1;
    }
    wl_display_roundtrip(display);

    char line[1024];
    int status = 0;
    while (fgets(line, sizeof line, stdin)) {
        char copy[1024];
        snprintf(copy, sizeof copy, "%s", line);
        if (!run(display, line)) {
            fprintf(stderr, "wl_input: cannot do: %s", copy);
            status = 1;
        }
    }
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return status;
}
