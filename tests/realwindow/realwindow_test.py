#!/usr/bin/env python3
"""The game in a real X window: a private Xvfb, with openbox as the desktop or
with no window manager, driven by synthetic X input through xdotool.

Checks what only a real X server shows: message boxes and dialogs stacked
above the game as its dialogs, the keyboard back in the game after every box,
menu and drop-down, the menu taking the keys from its first one, Alt+F4 and
SIGTERM saving the game's values, the taskbar entry of the main window, and
the game's four dialogs driven by keys and clicks: the About box's shape,
the world chosen, the settings written or left alone, the settings dialog
sized by its frame and showing its tile behind its transparent controls, and
Alt+F4 closing a dialog whose drop-down list has the focus.

The oracle is mostly the registry file the game writes on closing: "ZUEGE"
counts the steps the figure took, so a key that did not reach the game shows
as a step missing.

Usage: realwindow_test.py GAME_EXECUTABLE --wm openbox|none [--case TEXT] [--display N] [--shots DIR]
Skips (exit code 77) when no X server can be started, unless CI is set.
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77
SCREEN_WIDTH = 1280
TITLE = "TALLIX MORVANT II"
# Tutorial level 1: the figure at (1, 1) in a room of 9 x 2 cells, the exits
# at (5, 1), (3, 2) and (8, 2).
SOLVE_LEVEL_1 = ["Right"] * 4 + ["Down"] + ["Left"] * 2 + ["Right"] * 5


class Failure(Exception):
    pass


def wait_for(what, test, timeout=30.0, interval=0.05):
    deadline = time.monotonic() + timeout
    while True:
        value = test()
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(interval)


class Display:
    """A private Xvfb on a free display number, optionally with openbox."""

    def __init__(self, wm, workdir, number=None):
        self.wm = wm
        self.workdir = workdir
        self.procs = []
        read_fd, write_fd = os.pipe()
        try:
            xvfb = subprocess.Popen(
                ["Xvfb"] + ([":%d" % number] if number is not None else []) +
                # -noreset: without a window manager no client may be left
                # between two cases, and a server resetting then refuses the
                # next game's connection.
                ["-displayfd", str(write_fd), "-screen", "0", "%dx1024x24" % SCREEN_WIDTH, "-nolisten", "tcp",
                 "-noreset"],
                pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        except FileNotFoundError:
            raise Skip("Xvfb is not installed (scripts/setup installs it)")
        os.close(write_fd)
        self.procs.append(xvfb)
        number = b""
        deadline = time.monotonic() + 10
        while not number.endswith(b"\n") and time.monotonic() < deadline:
            chunk = os.read(read_fd, 16)
            if not chunk:
                break
            number += chunk
        os.close(read_fd)
        if not number.strip():
            self.close()
            raise Skip("Xvfb did not start")
        self.name = ":" + number.decode().strip()
        self.env = dict(os.environ, DISPLAY=self.name, HOME=workdir, XDG_CONFIG_HOME=os.path.join(workdir, "config"),
                        SDL_AUDIODRIVER="dummy", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        root = re.search(r"Window id: (0x[0-9a-f]+)", self.run("xwininfo", "-root"))
        self.root = int(root.group(1), 16)
        if wm == "openbox":
            self.procs.append(subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            wait_for("openbox", lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in self.root_property(
                "_NET_SUPPORTING_WM_CHECK"))

    def run(self, *args, check=True):
        r = subprocess.run(list(args), env=self.env, capture_output=True, text=True, timeout=20)
        if check and r.returncode != 0:
            raise Failure(" ".join(args) + " failed: " + r.stderr.strip())
        return r.stdout

    def root_property(self, name):
        return self.run("xprop", "-root", name, check=False)

    def property(self, window, name):
        return self.run("xprop", "-id", str(window), name, check=False)

    def focused(self):
        out = self.run("xdotool", "getwindowfocus", check=False).strip()
        return int(out) if out.isdigit() else 0

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()


class Skip(Exception):
    pass


class Game:
    """One run of the game with its own settings folder."""

    def __init__(self, display, executable, name, end_messages=True):
        self.display = display
        self.config = os.path.join(display.workdir, name)
        os.makedirs(os.path.join(self.config, "morvant2"))
        with open(os.path.join(self.config, "morvant2", "user.reg"), "w") as f:
            f.write("[Software\\Tallix Software\\TALLIX MORVANT II\\SETUP]\n")
            f.write('"DIALOGE"="%d"\n' % (0 if end_messages else 1))
        self.env = dict(display.env, XDG_CONFIG_HOME=self.config)
        self.proc = subprocess.Popen([executable], env=self.env, stdout=subprocess.DEVNULL,
                                     stderr=open(os.path.join(self.config, "stderr.txt"), "w"))
        # The caption names the world once the first level is on the board.
        # A start under the sanitizers on a busy machine has been seen to take
        # over half a minute; the wait only costs time when the game fails.
        try:
            self.window = wait_for("the main window", lambda: self.find_window(TITLE + " - ", mapped=True),
                                   timeout=90.0)
            wait_for("the keyboard in the game", lambda: self.has_focus(self.window))
        except Failure as e:
            # A game left running would take the next case's keys.
            state = "runs" if self.proc.poll() is None else "ended with %s" % self.proc.returncode
            self.close()
            raise Failure("%s; the game %s; its last words: %s" % (e, state, self.last_words()))

    def find_window(self, title_start, mapped=False):
        """The first window of the game whose UTF-8 title starts so."""
        for w in self.windows(mapped):
            m = re.search(r'= "(.*)"', self.display.property(w, "_NET_WM_NAME"))
            if m and m.group(1).startswith(title_start):
                return w
        return 0

    def windows(self, mapped=True):
        # xdotool's search by process also names the root window.
        out = self.display.run("xdotool", "search", *(["--onlyvisible"] if mapped else []), "--pid",
                               str(self.proc.pid), check=False).split()
        return [int(w) for w in out if int(w) != self.display.root]

    def has_focus(self, window):
        focus = self.display.focused()
        return focus == window

    def key(self, *keys):
        # To the focused window, as a player's keyboard sends them; 30 ms
        # apart, faster than the game's steps.
        self.display.run("xdotool", "key", "--delay", "30", *keys)

    def picture(self):
        r = subprocess.run(["import", "-window", str(self.window), "rgb:-"], env=self.display.env,
                           capture_output=True, timeout=20)
        return r.stdout

    def wait_still(self, before):
        """Until the game window has changed from `before` and then shows the
        same picture three grabs running: the steps typed ahead have all been
        taken."""
        wait_for("the game to move", lambda: self.picture() != before)
        last = [self.picture(), 0]

        def still():
            now = self.picture()
            last[1] = last[1] + 1 if now == last[0] else 0
            last[0] = now
            return last[1] >= 2
        wait_for("the game at rest", still, interval=0.1)

    def moves(self, *keys):
        """Arrow keys, typed fast, and the wait until the figure stands."""
        before = self.picture()
        self.key(*keys)
        self.wait_still(before)

    def new_window_besides(self, known):
        def found():
            extra = [w for w in self.windows() if w not in known]
            return extra[0] if extra else 0
        return wait_for("a new window", found)

    def registry(self):
        path = os.path.join(self.config, "morvant2", "user.reg")
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()

    def value(self, name):
        m = re.search(r'^"%s"=dword:([0-9a-fA-F]+)' % re.escape(name), self.registry(), re.M)
        return int(m.group(1), 16) if m else None

    def wait_exit(self, timeout=30):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end")

    def last_words(self):
        with open(os.path.join(self.config, "stderr.txt"), errors="replace") as f:
            return " | ".join(f.read().splitlines()[-5:]) or "none"

    def close(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()


# ---- the cases ----

def stacked_above(display, box, owner):
    """The box lies above its owner in the desktop's stacking order."""
    if display.wm == "openbox":
        ids = [int(x, 16) for x in re.findall(r"0x[0-9a-f]+", display.root_property("_NET_CLIENT_LIST_STACKING"))]
        return box in ids and owner in ids and ids.index(box) > ids.index(owner)
    out = display.run("xwininfo", "-root", "-children", check=False)
    ids = [int(x, 16) for x in re.findall(r"^\s+(0x[0-9a-f]+)", out, re.M)]
    # xwininfo lists the children top first.
    return box in ids and owner in ids and ids.index(box) < ids.index(owner)


def expect_dialog_of(display, box, owner):
    transient = display.property(box, "WM_TRANSIENT_FOR")
    if ("0x%x" % owner) not in transient:
        raise Failure("the box is not transient for the game: " + transient.strip())
    kind = display.property(box, "_NET_WM_WINDOW_TYPE")
    if "_NET_WM_WINDOW_TYPE_DIALOG" not in kind:
        raise Failure("the box is no dialog: " + kind.strip())
    wait_for("the box above the game", lambda: stacked_above(display, box, owner))
    wait_for("the keyboard in the box", lambda: display.focused() == box)


def expect_steps_saved(game, steps):
    if game.wait_exit() != 0:
        raise Failure("the game ended with an error")
    if game.value("ZUEGE") != steps:
        raise Failure("ZUEGE is %s, %d steps were taken" % (game.value("ZUEGE"), steps))
    for name in ("LW", "LEVEL"):
        if game.value(name) is None:
            raise Failure(name + " was not written")


def case_box_then_keys(display, game):
    # Plus on an unsolved level: "solve it first".
    game.key("KP_Add")
    box = game.new_window_besides([game.window])
    expect_dialog_of(display, box, game.window)
    game.key("Return")
    wait_for("the box closed", lambda: box not in game.windows())
    wait_for("the keyboard back in the game", lambda: game.has_focus(game.window))
    game.moves("Down", "Right")
    game.key("alt+F4")
    expect_steps_saved(game, 2)


def case_solved_level_then_keys(display, game):
    game.key(*SOLVE_LEVEL_1)
    box = game.new_window_besides([game.window])
    expect_dialog_of(display, box, game.window)
    game.key("Return")
    wait_for("the box closed", lambda: box not in game.windows())
    # Level 2: four steps down from (1, 1) are free.
    game.moves("Down", "Down", "Down", "Down")
    game.key("alt+F4")
    expect_steps_saved(game, len(SOLVE_LEVEL_1) + 4)
    if game.value("LEVEL") != 2:
        raise Failure("LEVEL is %s, not 2" % game.value("LEVEL"))


def expect_one_step_after(game, gone, what):
    """`gone` closes; then the first arrow moves the figure."""
    wait_for(what + " closed", lambda: gone not in game.windows())
    wait_for("the keyboard back in the game", lambda: game.has_focus(game.window))
    game.moves("Down")
    game.key("alt+F4")
    expect_steps_saved(game, 1)


def case_menu_escape_then_keys(display, game):
    game.key("F10", "Down")  # the bar, then its first menu: no step
    popup = game.new_window_besides([game.window])
    game.key("Escape", "Escape")
    expect_one_step_after(game, popup, "the menu")


def case_alt_w_then_down(display, game, delay):
    # Spielwelt is not the bar's first menu, and only its drop-down has the
    # open dialog second: Down then Return there opens it. Typed at once,
    # the arrow is the menu's; typed at a player's pace, Alt is still held
    # while the drop-down shows, and must not count as pressed again.
    game.display.run("xdotool", "key", "--delay", str(delay), "alt+w", "Down")
    popup = game.new_window_besides([game.window])
    if not game.has_focus(game.window):
        raise Failure("the open menu took the keyboard from the game window")
    game.key("Return")
    dialog = wait_for("the open dialog from Spielwelt", lambda: game.find_window("Öffnen", mapped=True))
    if popup in game.windows():
        raise Failure("the menu stayed open over the dialog")
    game.key("Escape")
    wait_for("the dialog closed", lambda: dialog not in game.windows())
    wait_for("the keyboard back in the game", lambda: game.has_focus(game.window))
    game.key("alt+F4")
    expect_steps_saved(game, 0)


def case_drop_down_then_keys(display, game):
    # Spielwelt > Editor Spielebene laden: the open dialog, whose file-type
    # box drops down with Alt+Down and closes with Escape.
    game.key("alt+w")
    game.key("Down", "Return")
    dialog = wait_for("the open dialog", lambda: game.find_window("Öffnen", mapped=True))
    expect_dialog_of(display, dialog, game.window)
    name = display.property(dialog, "WM_NAME")
    if "Öffnen" not in name:
        raise Failure("WM_NAME of the open dialog reads " + name.strip())
    known = game.windows()
    game.key("alt+t", "alt+Down")
    drop = game.new_window_besides(known)
    game.key("Escape")
    wait_for("the list closed", lambda: drop not in game.windows())
    if display.focused() != dialog:
        raise Failure("the keyboard left the dialog when its list closed")
    game.key("Escape")
    expect_one_step_after(game, dialog, "the dialog")


def case_alt_f4_in_drop_down(display, game):
    # The open dialog's file-type box has the focus (Alt+T); Alt+F4 closes
    # the dialog, it does not drop the list.
    game.key("alt+w")
    game.key("Down", "Return")
    dialog = wait_for("the open dialog", lambda: game.find_window("Öffnen", mapped=True))
    expect_dialog_of(display, dialog, game.window)
    game.key("alt+t", "alt+F4")
    expect_one_step_after(game, dialog, "the dialog")


def case_sigterm_saves(display, game):
    game.moves("Right", "Right", "Right")
    game.proc.send_signal(signal.SIGTERM)
    expect_steps_saved(game, 3)


def case_taskbar_entry(display, game):
    kind = display.property(game.window, "_NET_WM_WINDOW_TYPE")
    if "_NET_WM_WINDOW_TYPE_NORMAL" not in kind:
        raise Failure("the main window is no normal window: " + kind.strip())
    state = display.property(game.window, "_NET_WM_STATE")
    if "SKIP_TASKBAR" in state:
        raise Failure("the main window skips the taskbar: " + state.strip())
    title = display.property(game.window, "_NET_WM_NAME")
    if TITLE not in title:
        raise Failure("the main window's title reads " + title.strip())
    if display.wm == "openbox":
        listed = display.root_property("_NET_CLIENT_LIST")
        if ("0x%x" % game.window) not in listed:
            raise Failure("the main window is not in the client list: " + listed.strip())
    game.key("alt+F4")
    expect_steps_saved(game, 0)


# ---- the game's dialogs ----

FORMS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "game", "forms", "pictures")


def rgb_of(*args, **kw):
    """Pixels as bytes, three a pixel, from ImageMagick."""
    r = subprocess.run(list(args) + ["-depth", "8", "rgb:-"], capture_output=True, timeout=20, **kw)
    return r.stdout


def picture_pixel(name, x, y):
    return rgb_of("convert", os.path.join(FORMS, name), "-crop", "1x1+%d+%d" % (x, y))


def close_colours(a, b, tolerance=8):
    # A little room for a screen of another colour depth.
    return len(a) == len(b) == 3 and all(abs(p - q) <= tolerance for p, q in zip(a, b))


class Dialog:
    """One of the game's four dialogs, as it opens from the menu bar."""

    def __init__(self, name, keys, title, inset, painted):
        self.name = name
        self.keys = keys
        self.title = title
        # Where the form's (0, 0) lies in the window: inside the frame and
        # caption the platform draws itself.
        self.inset = inset
        # A form point clear of controls and the colour it shows once the
        # dialog has drawn itself.
        self.painted = painted


def tile_pixel(name, x, y):
    """The form fill's tile, laid from the client's corner."""
    return picture_pixel(name, x % 128, y % 128)


ABOUT = Dialog("about", ["alt+h", "Down", "Return"], "Über " + TITLE, (0, 0),
               (307, 230, lambda: picture_pixel("about.png", 307, 230)))
WORLD = Dialog("world", ["alt+w", "Return"], "Spielwelt", (3, 18),
               (300, 285, lambda: tile_pixel("world_fill.png", 300, 285)))
SETTINGS = Dialog("settings", ["alt+k"], "Konfiguration", (4, 23),
                  (440, 10, lambda: tile_pixel("settings_fill.png", 440, 10)))
STATISTICS = Dialog("statistics", ["alt+s"], "Statistik", (3, 18), (10, 10, lambda: bytes((0, 0, 128))))


class OpenDialog:
    def __init__(self, game, dialog, window):
        self.game = game
        self.dialog = dialog
        self.window = window

    def geometry(self):
        out = self.game.display.run("xwininfo", "-id", str(self.window))
        return tuple(int(re.search(key + r":\s+(-?\d+)", out).group(1)) for key in (
            "Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def on_screen(self, x, y):
        left, top, _, _ = self.geometry()
        return left + self.dialog.inset[0] + x, top + self.dialog.inset[1] + y

    def click(self, x, y):
        sx, sy = self.on_screen(x, y)
        self.game.display.run("xdotool", "mousemove", str(sx), str(sy), "click", "1")

    def screen(self, x, y, w=1, h=1):
        sx, sy = self.on_screen(x, y)
        return rgb_of("import", "-window", "root", "-crop", "%dx%d+%d+%d" % (w, h, sx, sy), env=self.game.display.env)


def settled_screen(display):
    """The whole screen once two grabs running agree: the game has drawn."""
    last = [b""]

    def same():
        now = rgb_of("import", "-window", "root", env=display.env)
        settled = now == last[0]
        last[0] = now
        return settled
    wait_for("the screen at rest", same, interval=0.1)
    return last[0]


def open_dialog(display, game, dialog, shots):
    """Opens the dialog by its keys, straight from the start: nothing went
    into the game before."""
    game.key(*dialog.keys)
    window = wait_for("the dialog " + dialog.title, lambda: game.find_window(dialog.title, mapped=True))
    expect_dialog_of(display, window, game.window)
    opened = OpenDialog(game, dialog, window)
    x, y, colour = dialog.painted
    expected = colour()
    wait_for("the dialog drawn", lambda: close_colours(opened.screen(x, y), expected))
    if shots:
        display.run("import", "-window", "root", os.path.join(shots, "dialog_%s_%s.png" % (dialog.name, display.wm)),
                    check=False)
    return opened


def expect_game_active(display, game):
    wait_for("the keyboard back in the game", lambda: game.has_focus(game.window))
    if display.wm == "openbox":
        wait_for("the game the active window", lambda: ("0x%x" % game.window) in display.root_property(
            "_NET_ACTIVE_WINDOW"))


def close_then_step(display, game, opened, close, step="Down", closed=None):
    """`close` ends the dialog (`closed` looks at what it left); then the
    keyboard is the game's without a click, and the first arrow moves the
    figure one cell."""
    close(opened)
    wait_for("the dialog closed", lambda: opened.window not in game.windows())
    expect_game_active(display, game)
    game.moves(step)
    # The step was taken after the dialog's command had ended.
    if closed:
        closed()
    game.key("alt+F4")
    expect_steps_saved(game, 1)


def by_keys(*keys):
    return lambda opened: opened.game.key(*keys)


def by_clicks(*points):
    def close(opened):
        for x, y in points:
            opened.click(x, y)
    return close


def case_dialog_closed(dialog, close):
    def case(display, game, shots):
        close_then_step(display, game, open_dialog(display, game, dialog, shots), close)
    return case


def case_about_pixels(display, game, shots):
    opened = open_dialog(display, game, ABOUT, shots)
    # In the shield's tip (and, as it opened, between the version and the
    # address label).
    seen, drawn = opened.screen(307, 480), picture_pixel("about.png", 307, 480)
    if not close_colours(seen, drawn):
        raise Failure("the About box at (307, 480) shows %s, its picture %s" % (seen.hex(), drawn.hex()))
    # Outside the shield the screen shows the game, as it does once the box
    # has gone.
    outside = opened.screen(10, 10)
    x, y = opened.on_screen(10, 10)

    def game_outside():
        below = settled_screen(display)[3 * (y * SCREEN_WIDTH + x):][:3]
        if below != outside:
            raise Failure("the About box covered (10, 10) outside its shield: %s, the game %s" % (
                outside.hex(), below.hex()))
    close_then_step(display, game, opened, by_keys("Return"), closed=game_outside)


# Rows of the world list are 13 pixels from the list's inner top at (11, 10).
def world_row(index):
    return 60, 10 + 13 * index + 6


def expect_world(game, world, level):
    for name, expected in (("LW", world), ("LEVEL", level)):
        if game.value(name) != expected:
            raise Failure("%s is %s, not %d" % (name, game.value(name), expected))


def case_world_chosen(close, world, step):
    def case(display, game, shots):
        opened = open_dialog(display, game, WORLD, shots)
        close_then_step(display, game, opened, close, step)
        expect_world(game, world, 1)
    return case


def setting(game, name):
    """A value of the game's registry file as it is written there."""
    m = re.search(r'^"%s"=(.*)$' % re.escape(name), game.registry(), re.M)
    return m.group(1) if m else None


def case_settings_by_keys(display, game, shots):
    flipped = '"1"' if setting(game, "SOUND") in (None, '"0"') else '"0"'

    def sound_flipped():
        if setting(game, "SOUND") != flipped:
            raise Failure("SOUND is %s, not %s" % (setting(game, "SOUND"), flipped))
    opened = open_dialog(display, game, SETTINGS, shots)
    # From the speed bar: OK, Abbruch, the delay bar, the sound box.
    close_then_step(display, game, opened, by_keys("Tab", "Tab", "Tab", "Tab", "space", "Return"),
                    closed=sound_flipped)


def case_settings_cancelled(display, game, shots):
    before = game.registry()

    def unchanged():
        if game.registry() != before:
            raise Failure("Abbruch changed the registry file:\n" + game.registry())
    opened = open_dialog(display, game, SETTINGS, shots)
    box = opened.screen(40, 196, 12, 12)
    opened.click(40, 196)
    wait_for("the sound box ticked", lambda: opened.screen(40, 196, 12, 12) != box)
    close_then_step(display, game, opened, by_clicks((276, 372)), closed=unchanged)


def case_settings_tile_after_tabs(display, game, shots):
    # Tab through every control and back to the first: each has painted
    # itself as it took and gave up the focus. The transparent check box
    # shows the dialog's tile around its caption, not a plate of grey:
    # above and below the caption, and right of it to the box's end.
    opened = open_dialog(display, game, SETTINGS, None)
    game.key(*["Tab"] * 9)
    probes = [(x, y) for y in (186, 205) for x in range(60, 420, 9)] + \
             [(x, y) for y in range(188, 205, 4) for x in range(200, 420, 9)]

    tile = rgb_of("convert", os.path.join(FORMS, "settings_fill.png"))

    def tiled():
        shot = opened.screen(0, 0, 472, 420)
        for x, y in probes:
            at, t = 3 * (y * 472 + x), 3 * ((y % 128) * 128 + x % 128)
            if not close_colours(shot[at:at + 3], tile[t:t + 3]):
                return False
        return True
    try:
        wait_for("the tile around the first check box's caption", tiled, timeout=10)
    finally:
        if shots:
            display.run("import", "-window", "root", os.path.join(shots, "dialog_settings_tabbed_%s.png" % display.wm),
                        check=False)
    close_then_step(display, game, opened, by_clicks((276, 372)))


def case_settings_resized(display, game, shots):
    opened = open_dialog(display, game, SETTINGS, shots)
    left, top, width, height = opened.geometry()
    run = display.run
    run("xdotool", "mousemove", str(left + width - 2), str(top + height - 2), "mousedown", "1")
    for step in range(1, 5):
        run("xdotool", "mousemove", str(left + width - 2 + 10 * step), str(top + height - 2 + 10 * step))
    run("xdotool", "mouseup", "1")
    wait_for("the dialog 40 x 40 larger", lambda: opened.geometry() == (left, top, width + 40, height + 40))
    # The strip the frame uncovered, right of the old client area: the tile,
    # laid from the client's corner.
    cw = width - 2 * opened.dialog.inset[0]
    tile = rgb_of("convert", os.path.join(FORMS, "settings_fill.png"))

    def filled():
        strip = opened.screen(cw, 40, 36, 300)
        for i in range(0, len(strip) // 3, 7):
            x, y = cw + i % 36, 40 + i // 36
            at = 3 * ((y % 128) * 128 + x % 128)
            if not close_colours(strip[3 * i:3 * i + 3], tile[at:at + 3]):
                return False
        return True
    wait_for("the fill in the new strip", filled)
    close_then_step(display, game, opened, by_clicks((276, 372)))


CASES = [
    ("a box above the game, then the keys", case_box_then_keys),
    ("a solved level's box, then the keys", case_solved_level_then_keys),
    ("a menu closed by Escape, then the keys", case_menu_escape_then_keys),
    ("Alt+W and Down at once", lambda display, game: case_alt_w_then_down(display, game, 0)),
    ("Alt+W and Down at a player's pace", lambda display, game: case_alt_w_then_down(display, game, 150)),
    ("a drop-down in the open dialog, then the keys", case_drop_down_then_keys),
    ("Alt+F4 in the open dialog's file-type list", case_alt_f4_in_drop_down),
    ("SIGTERM saves", case_sigterm_saves),
    ("the taskbar entry", case_taskbar_entry),
]

# Cases that may save a screenshot of the dialog they open.
DIALOG_CASES = [
    ("About: its picture in its shield, closed by Enter", case_about_pixels),
    ("About closed by Escape", case_dialog_closed(ABOUT, by_keys("Escape"))),
    ("About closed by a click on OK", case_dialog_closed(ABOUT, by_clicks((306, 340)))),
    # World 1 and 3 start with the cell above and right of the figure free.
    ("chooser: Down, Enter loads world 1", case_world_chosen(by_keys("Down", "Return"), 1, "Up")),
    ("chooser: a click on row 3, then OK", case_world_chosen(by_clicks(world_row(3), (113, 260)), 3, "Right")),
    ("chooser: Alt+F4 loads nothing", case_world_chosen(by_keys("alt+F4"), 0, "Down")),
    ("settings: Tabs to the sound box, space, Enter", case_settings_by_keys),
    ("settings: a box clicked, then Abbruch", case_settings_cancelled),
    ("settings: sized by its frame", case_settings_resized),
    ("settings: the tile behind the check boxes after a Tab through all", case_settings_tile_after_tabs),
    ("statistics closed by Enter", case_dialog_closed(STATISTICS, by_keys("Return"))),
    ("statistics closed by a click on OK", case_dialog_closed(STATISTICS, by_clicks((261, 236)))),
]


def case_server_gone(display, game):
    """The X server shuts down under the game: it ends instead of spinning."""
    display.procs[0].terminate()  # Xvfb, the first process of the display
    try:
        code = game.proc.wait(15)
    except subprocess.TimeoutExpired:
        raise Failure("the game ran on without its X server")
    if code == 0:
        raise Failure("the game ended as if nothing had happened")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("game")
    parser.add_argument("--wm", choices=["openbox", "none"], required=True)
    parser.add_argument("--case", help="run only the cases whose name holds this")
    parser.add_argument("--display", type=int, help="the Xvfb display number (default: the first free one)")
    parser.add_argument("--shots", help="save a screenshot of each dialog, as it opens, in this folder")
    args = parser.parse_args()
    in_ci = bool(os.environ.get("CI"))

    for tool in ("Xvfb", "xdotool", "xprop", "xwininfo") + (("openbox",) if args.wm == "openbox" else ()):
        if not shutil.which(tool):
            message = tool + " is not installed (scripts/setup installs it)"
            if in_ci:
                print("FAIL: " + message)
                return 1
            print("SKIP: " + message)
            return SKIP

    workdir = tempfile.mkdtemp(prefix="morvant-realwindow-")
    try:
        try:
            display = Display(args.wm, workdir, args.display)
        except Skip as e:
            if in_ci:
                print("FAIL: no X server: %s" % e)
                return 1
            print("SKIP: no X server: %s" % e)
            return SKIP
        failures = 0
        try:
            cases = [(name, lambda d, g, case=case: case(d, g)) for name, case in CASES]
            cases += [(name, lambda d, g, case=case: case(d, g, args.shots)) for name, case in DIALOG_CASES]
            # Last, as it takes the X server down.
            cases.append(("the X server gone: the game ends", case_server_gone))
            for i, (name, case) in enumerate(cases):
                if args.case and args.case not in name:
                    continue
                started = time.monotonic()
                game = None
                try:
                    game = Game(display, args.game, "run%d" % i)
                    case(display, game)
                    print("ok   %s (%.1f s)" % (name, time.monotonic() - started))
                except Failure as e:
                    failures += 1
                    print("FAIL %s: %s" % (name, e))
                    if game:
                        shot = os.path.join(os.getcwd(), "realwindow-%s-%d.png" % (args.wm, i))
                        display.run("import", "-window", "root", shot, check=False)
                        print("     screen saved to " + shot)
                        print("     the game %s; its last words: %s" % (
                            "runs" if game.proc.poll() is None else "ended with %s" % game.proc.returncode,
                            game.last_words()))
                finally:
                    if game:
                        game.close()
        finally:
            display.close()
        return 1 if failures else 0
    finally:
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
