#!/usr/bin/python3
"""A whole game as a player with a screen reader plays it: the real program under Xvfb, with a
private session bus and the accessibility bus, driven by keys alone, and checked only through
what the accessibility bus reports. The player knows the language: the readable question files
tell which answer is right, and that answer is chosen, except for one give-up and one wrong
answer on purpose.

Usage: whole_game.py PROGRAM DATA_FOLDER QUESTIONS_FOLDER
Exits 77 when Xvfb, the buses, pyatspi or xdotool cannot be had."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
LETTERS = "АБВГ"
GIVE_UP_AT, WRONG_AT = 3, 4


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


# --- what the player knows: the questions and their right answers ------------------------------

def unescape(text):
    text = re.sub(r"\\x([0-9A-Fa-f]{2})", lambda m: bytes([int(m.group(1), 16)]).decode("cp1251"), text)
    return text.replace("\\\\", "\\").strip()


def load_knowledge(folder):
    """Maps the set of a question's answers to its right answer."""
    known = {}
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".txt"):
            continue
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            paragraphs = f.read().split("\n\n")
        for paragraph in paragraphs:
            right, answers = None, []
            for line in paragraph.splitlines():
                sign, _, text = line.partition(" ")
                if sign == "+":
                    right = unescape(text)
                    answers.append(right)
                elif sign == "-":
                    answers.append(unescape(text))
            if right is not None:
                known[frozenset(answers)] = right
    return known


# --- the bus ----------------------------------------------------------------------------------

def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def showing(acc, pyatspi):
    s = states(acc)
    return s is not None and s.contains(pyatspi.STATE_SHOWING)


def walk(acc):
    yield acc
    try:
        children = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return
    for child in children:
        if child is not None:
            yield from walk(child)


class Bus:
    def __init__(self, pyatspi, app_name, pid):
        self.pyatspi = pyatspi
        self.app_name = app_name
        self.pid = pid
        from gi.repository import GLib
        self.glib = GLib
        self.events = []  # (kind, source's name, data) as a screen reader hears them
        pyatspi.Registry.registerEventListener(
            self.record, "object:property-change:accessible-description",
            "object:property-change:accessible-value", "object:state-changed:showing")

    def record(self, event):
        kind = event.type.split(":")[-1]
        try:
            said = event.source.description if kind == "accessible-description" else event.detail1
        except Exception:
            said = None
        self.events.append((kind, name_of(event.source), said))

    def pump(self, seconds):
        """Lets the events that arrive meanwhile reach record()."""
        context = self.glib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.02)

    def app(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            a = desktop.getChildAtIndex(i)
            try:
                if a is not None and a.name == self.app_name:
                    return a
            except Exception:
                pass
        return None

    def objects(self):
        a = self.app()
        return [] if a is None else list(walk(a))

    def showing_objects(self):
        return [o for o in self.objects() if showing(o, self.pyatspi)]

    def focused(self):
        for o in self.objects():
            s = states(o)
            if s is not None and s.contains(self.pyatspi.STATE_FOCUSED) and o.getRole() != self.pyatspi.ROLE_FRAME:
                return o
        return None

    def describe(self):
        lines = []
        for o in self.objects():
            try:
                marks = ("S" if showing(o, self.pyatspi) else "-") + \
                        ("F" if states(o).contains(self.pyatspi.STATE_FOCUSED) else "-")
                lines.append("  %s %s %r %r" % (marks, o.getRoleName(), o.name, o.description))
            except Exception:
                pass
        return "\n".join(lines)


def wait_for(bus, what, probe, timeout=20.0):
    """Polls probe() until it returns something true; fails with what the bus shows."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            result = probe()
        except Exception:
            result = None
        if result:
            return result
        bus.pump(0.1)
    fail("waited %.0f s for %s; the bus shows:\n%s" % (timeout, what, bus.describe()))


def press(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def focus_newest_window(pid):
    """What a window manager does for a window that opens: gives it the keyboard. Xvfb runs
    none, and X numbers the windows of one program in the order they are made."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid), ""],
                           capture_output=True, text=True).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", max(found, key=int)],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def name_of(o):
    try:
        return o.name
    except Exception:
        return None


# --- the game ---------------------------------------------------------------------------------

def focused_button(bus, name_start, description_part=""):
    def probe():
        f = bus.focused()
        if f is None or f.getRole() != bus.pyatspi.ROLE_PUSH_BUTTON:
            return None
        if f.name.startswith(name_start) and description_part in f.description:
            return f
        return None
    return wait_for(bus, "the focus on %r saying %r" % (name_start, description_part), probe)


def showing_names(bus, role):
    return {o.name for o in bus.showing_objects() if o.getRole() == role}


def check_idle(bus, pyatspi):
    menu = {"Лингвар", "Листа", "Реч, две...", "Оглас", "Крај"}
    wait_for(bus, "the five menu buttons", lambda: showing_names(bus, pyatspi.ROLE_PUSH_BUTTON) == menu)
    if "Лингвар" not in showing_names(bus, pyatspi.ROLE_FRAME):
        fail("the main screen is no window named Лингвар")
    game_area = re.compile(r"^(Даље|Прекид|Време за одговор|[АБВГ](: .*)?|питање \d+(: .*)?)$")
    found = [o for o in bus.objects() if game_area.match(o.name)]
    if len(found) != 3 + 4 + 20:
        fail("the bus has %d of the game area's 27 controls" % len(found))
    shown = [o.name for o in found if showing(o, pyatspi)]
    if shown:
        fail("%s reported as showing under the steelyard frame" % shown)
    # a covered button offers nothing to press, not even to a screen reader
    pressable = [o.name for o in found if o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.queryAction().nActions]
    menu_actions = [o.queryAction().nActions for o in bus.showing_objects()
                    if o.name in menu and o.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if pressable or 0 in menu_actions:
        fail("in idle mode %s can be pressed, and the menu has %s actions" % (pressable, menu_actions))


def answer_buttons(bus, pyatspi):
    rows = {}
    for o in bus.showing_objects():
        if o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name[:1] in LETTERS and o.name[1:3] == ": ":
            rows[LETTERS.index(o.name[0]) + 1] = o.name[3:]
    return rows


def slot_name(bus, n):
    for o in bus.showing_objects():
        if o.name.startswith("питање %d" % n) and (o.name == "питање %d" % n or o.name[len("питање %d" % n)] == ":"):
            return o.name
    return None


def time_bar(bus, pyatspi):
    for o in bus.showing_objects():
        if o.getRole() == pyatspi.ROLE_PROGRESS_BAR and o.name == "Време за одговор":
            v = o.queryValue()
            return v.currentValue, v.maximumValue
    return None


def play_question(bus, pyatspi, n, known):
    first = focused_button(bus, "А: ", "ПИТАЊЕ БРОЈ %d. " % n)
    question = first.description.split(". ", 1)[1]
    rows = answer_buttons(bus, pyatspi)
    if sorted(rows) not in ([1, 2], [1, 2, 3], [1, 2, 3, 4]):
        fail("question %d shows the answer rows %s" % (n, sorted(rows)))
    if slot_name(bus, n) != "питање %d: тренутно" % n:
        fail("slot %d says %r while its question is on screen" % (n, slot_name(bus, n)))
    bar = time_bar(bus, pyatspi)
    if bar is None or bar[1] != 51 or not 40 <= bar[0] <= 51:
        fail("the time bar reports %r at question %d, not about 51 s left of 51" % (bar, n))

    right = known.get(frozenset(rows.values()))
    right_row = next((r for r, text in rows.items() if text == right), None)
    if right_row is None:
        fail("question %d (%r, %s) is not in the question files" % (n, question, rows))
    if n == GIVE_UP_AT:
        # The bar tells the time left as it runs, once a second and no more often: while it
        # counts two seconds down, it changes two or three times, not at each of its ticks.
        bus.events.clear()
        before = time_bar(bus, pyatspi)[0]
        left = lambda: time_bar(bus, pyatspi)[0]
        after = wait_for(bus, "the time bar counting down", lambda: left() <= before - 2 and left())
        bus.pump(0.2)
        changes = len([e for e in bus.events if e[:2] == ("accessible-value", "Време за одговор")])
        if changes > before - after + 1:
            fail("the time bar went from %s to %s in %d changes" % (before, after, changes))
        target, verdict, slot = None, "Нисте одговорили на питање. Тачан је одговор %s." % LETTERS[right_row - 1], "без одговора"
    elif n == WRONG_AT:
        target = 1 if right_row != 1 else 2
        verdict, slot = "Погрешили сте! Тачан је одговор %s." % LETTERS[right_row - 1], "погрешно"
    else:
        target, verdict, slot = right_row, "Тачно!", "тачно"

    if target is None:  # Tab on to "Даље" and give the question up
        tab_to(bus, "Даље")
        press("space")
    else:
        for row in range(1, target):
            press("Tab")
            focused_button(bus, LETTERS[row] + ": ")
        press("space")
    report = focused_button(bus, "Даље", verdict).description
    if target is None:  # "Даље" had the focus already: only the change of its description tells
        wait_for(bus, "the verdict announced", lambda: ("accessible-description", "Даље", report) in bus.events)
    # the report panel: the verdict, and below it the rule when the bank has one
    said = [o for o in bus.showing_objects() if o.getRole() == pyatspi.ROLE_LABEL and o.name.startswith(verdict)]
    if len(said) != 1:
        fail("question %d: no single report panel saying %r" % (n, verdict))
    panel = said[0].parent
    if panel.childCount != 2:
        fail("question %d: the report panel does not hold the verdict and the rule" % n)
    shown_rule = panel.getChildAtIndex(1).name
    if report != (verdict + " " + shown_rule).strip():
        fail("question %d: 'Даље' says %r, the panel %r and %r" % (n, report, verdict, shown_rule))
    wait_for(bus, "slot %d saying %s" % (n, slot), lambda: slot_name(bus, n) == "питање %d: %s" % (n, slot))
    print("ok: question %d, %s: %s" % (n, question, report))


def check_dialog(bus, pyatspi, what, buttons):
    def probe():
        return buttons <= showing_names(bus, pyatspi.ROLE_PUSH_BUTTON)
    wait_for(bus, "the %s screen with the buttons %s" % (what, sorted(buttons)), probe)
    print("ok: the %s screen" % what)


def tab_to(bus, name):
    for _ in range(12):
        f = bus.focused()
        if f is not None and f.name == name:
            return
        press("Tab")
        time.sleep(0.2)
    fail("Tab never reached %r" % name)


def play(bus, pyatspi, known):
    wait_for(bus, "the main screen", lambda: "Лингвар" in showing_names(bus, pyatspi.ROLE_PUSH_BUTTON), 30)
    check_idle(bus, pyatspi)
    focus_newest_window(bus.pid)
    tab_to(bus, "Лингвар")
    press("Return", "Escape")  # press nothing, anywhere
    bus.events.clear()
    press("space")
    focused_button(bus, "Даље", "Треба да одговорите на 20 питања.")
    # a reader that keeps what it was told learns that the game area came into view
    wait_for(bus, "the game area announced as showing", lambda: ("showing", "Прекид", 1) in bus.events)
    for n in range(1, 21):
        press("space")
        play_question(bus, pyatspi, n, known)
        if n == 1:  # Enter and Escape on "Даље" go nowhere
            press("Return", "Escape")
            time.sleep(0.3)
            focused_button(bus, "Даље", "Тачно!")
    bus.events.clear()
    press("space")
    check_dialog(bus, pyatspi, "result", {"Излаз", "Да", "Не"})
    labels = showing_names(bus, pyatspi.ROLE_LABEL)
    if "Укупно:" not in labels:
        fail("the result screen shows no total; labels: %s" % sorted(labels))
    tab_to(bus, "Да")
    press("space")
    check_dialog(bus, pyatspi, "name entry", {"Излаз", "Одустани"})
    entry = wait_for(bus, "the name box", lambda: next(
        (o for o in bus.showing_objects() if o.getRole() == pyatspi.ROLE_TEXT), None))
    press("p", "e", "r", "a")  # Latin keys type Cyrillic letters
    wait_for(bus, "the name typed", lambda: entry.queryText().getText(0, -1) == "пера")
    tab_to(bus, "Излаз")
    press("space")
    check_dialog(bus, pyatspi, "list", {"Излаз", "Поништи листу"})
    wait_for(bus, "the player's line in the list", lambda: any(
        "пера" in (o.name or "") for o in bus.showing_objects() if o.getRole() == pyatspi.ROLE_LIST_ITEM))
    tab_to(bus, "Излаз")
    press("space")
    check_idle(bus, pyatspi)
    wait_for(bus, "the game area announced as hidden", lambda: ("showing", "Прекид", 0) in bus.events)


# --- the set-up -------------------------------------------------------------------------------

def start_xvfb():
    if shutil.which("Xvfb") is None:
        skip("Xvfb is not installed (Debian: xvfb)")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                             "-nolisten", "tcp"], pass_fds=(write,),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    number = b""
    end = time.monotonic() + 15
    while time.monotonic() < end and not number.endswith(b"\n"):
        chunk = os.read(read, 16)
        if not chunk:
            break
        number += chunk
    os.close(read)
    if not number.strip().isdigit():
        xvfb.kill()
        skip("Xvfb did not start")
    return xvfb, ":" + number.decode().strip()


def main():
    if len(sys.argv) != 4:
        fail(__doc__)
    program, data, questions = sys.argv[1:]
    if shutil.which("xdotool") is None:
        skip("xdotool is not installed")
    if shutil.which("dbus-send") is None:
        skip("dbus-send is not installed (Debian: dbus)")
    if os.environ.get("LINGVAR_A11Y_BUS") != "private":
        if shutil.which("dbus-run-session") is None:
            skip("dbus-run-session is not installed (Debian: dbus)")
        env = dict(os.environ, LINGVAR_A11Y_BUS="private")
        os.execvpe("dbus-run-session", ["dbus-run-session", "--", sys.executable, *sys.argv], env)
    if not os.access(LAUNCHER, os.X_OK):
        skip(LAUNCHER + " is missing (Debian: at-spi2-core)")

    known = load_knowledge(questions)
    xvfb, display = start_xvfb()
    os.environ["DISPLAY"] = display
    children = [xvfb]
    folder = tempfile.mkdtemp(prefix="lingvar-a11y-")
    try:
        # the session bus starts the launcher, which starts the accessibility bus
        if subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus",
                           "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                          capture_output=True, timeout=20).returncode != 0:
            skip("the accessibility bus did not start")
        try:
            import pyatspi
        except ImportError:
            skip("pyatspi is not installed (Debian: python3-pyatspi)")

        for name in (os.path.basename(program), "Pitanja.dat", "Slike.dat"):
            shutil.copy(os.path.join(data, name) if name != os.path.basename(program) else program,
                        os.path.join(folder, name))
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   HOME=folder, XDG_DATA_HOME=os.path.join(folder, "data"))
        game = subprocess.Popen([os.path.join(folder, os.path.basename(program))], env=env, cwd=folder)
        children.append(game)
        bus = Bus(pyatspi, "lingvar", game.pid)
        play(bus, pyatspi, known)
        if game.poll() is not None:
            fail("the program ended by itself with %s" % game.returncode)
        print("PASS: a whole game, question to list, followed through the accessibility bus")
    finally:
        for child in reversed(children):
            child.terminate()
            try:
                child.wait(5)
            except subprocess.TimeoutExpired:
                child.kill()
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    main()
