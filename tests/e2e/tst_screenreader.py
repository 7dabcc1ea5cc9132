"""What a screen reader gets of velmora-upgrade, through AT-SPI, from a device's
arrival to "Done": the window read in screen order and without noise, every
change of the status line announced, the focus never lost, another product
explained, the log window named.

    tst_screenreader.py PID SIMULATOR [guided|station|pseudo]

screenreader-session.sh runs it once the program (process PID) and the AT-SPI
bus run. The program runs in simulator mode; SIMULATOR is the script that
attaches simulated devices. With "station", the program is a station on two
emulated devices (one to upgrade, another product) and the station's window
is checked instead: its table and actions named and reachable, each row read
as it is now, each device's end announced. With "pseudo", the program runs in
the pseudo-language, and every text it shows, from no device to Done, must be
one that went through a translation. Prints a line per check and exits
1 when one failed.
"""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PID = int(sys.argv[1])
SIMULATOR = sys.argv[2]
MODE = sys.argv[3] if len(sys.argv) > 3 else "guided"
failures = []
events = []  # (type, role, name, detail1), in the order they came


def say(*words):
    print(f"{time.monotonic() - START:7.2f}", *words, flush=True)


def check(condition, what):
    say("OK  " if condition else "FAIL", what)
    if not condition:
        failures.append(what)
    return condition


def pump(seconds):
    """Lets AT-SPI events arrive for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_until(test, limit):
    end = time.monotonic() + limit
    while True:
        try:
            if test():
                return True
        except Exception:  # an accessible that went away meanwhile
            pass
        if time.monotonic() > end:
            return False
        pump(0.2)


def on_event(event):
    try:
        if event.host_application.get_process_id() != PID:
            return
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source went away
        pass


def children(acc):
    return [c for c in (acc.getChildAtIndex(i) for i in range(acc.childCount)) if c is not None]


def states(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def application():
    for app in children(pyatspi.Registry.getDesktop(0)):
        try:
            if app.get_process_id() == PID:
                return app
        except Exception:
            pass
    return None


def window(role, name=None):
    return next((w for w in children(APP) if w.getRoleName() == role and (name is None or w.name == name)), None)


def offered():
    """The main window's children as (role, name)."""
    return [(c.getRoleName(), c.name) for c in children(window("frame"))]


def child(role, start=""):
    return next((c for c in children(window("frame")) if c.getRoleName() == role and c.name.startswith(start)),
                None)


def announced(start):
    """Whether a notification starting with these words showed."""
    return any(t.startswith("object:state-changed:showing") and role == "notification" and d and name.startswith(start)
               for t, role, name, d in events)


def key(keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *keys.split()], check=True, timeout=30)
    say("KEY", keys)


def plug(configuration):
    subprocess.run([SIMULATOR, "--dfu-util-command", "setup_prepared_config", configuration], check=True,
                   capture_output=True, timeout=60)
    say("PLUG", configuration)


START = time.monotonic()
APP = None


def found():
    global APP
    APP = application()
    return APP is not None and window("frame") is not None


if not wait_until(found, 30):
    say("the program never reached the AT-SPI desktop")
    sys.exit(2)

# Only now the listener. Qt asks the registry which events are listened to
# and only then subscribes to news of new listeners: a listener registered
# between the two is never known to it, and the program sends no events at
# all. Once the program is on the desktop it has subscribed, so a listener
# registered now reaches it.
pyatspi.Registry.registerEventListener(on_event, "object:state-changed", "object:property-change",
                                       "focus:", "window:create")
pump(0.5)


def finish():
    say("END", "ok" if not failures else "FAILED: " + "; ".join(failures))
    sys.exit(1 if failures else 0)


def descendants(acc):
    for c in children(acc):
        yield c
        yield from descendants(c)


def station():
    frame = window("frame", "Velmora Firmware Upgrade: Station")
    check(frame is not None, "the station's window is a named frame")
    table = next((c for c in descendants(frame) if c.getRoleName() == "table"), None)
    check(table is not None and table.name == "Attached devices", "its table is named \"Attached devices\"")
    headers = [c.name for c in children(table) if c.getRoleName() == "table column header"]
    check(headers == ["USB path", "Serial", "Model", "Firmware", "State", "Elapsed"], "its columns are named")

    def row(path):
        cells = [c.name for c in children(table) if c.getRoleName() == "table cell"]
        rows = [cells[i:i + 6] for i in range(0, len(cells), 6)]
        return next((r for r in rows if r[0] == path), None)

    def named(name):
        return next((c for c in descendants(frame) if c.getRoleName() == "push button" and c.name == name), None)

    check(wait_until(lambda: row("1-1")[4] == "ready", 30), "the device to upgrade reads ready")
    check(wait_until(lambda: row("1-2")[4] == "refused: another product (T4)", 30), "the other product says why")
    selected, every = named("Upgrade the selected device"), named("Upgrade all ready devices")
    check(selected is not None and every is not None, "both actions are named buttons")
    check(wait_until(lambda: "sensitive" in states(every), 10), "\"Upgrade all ready devices\" is available")

    main = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(PID)], capture_output=True, text=True,
                          timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", main], timeout=30)
    pump(1)
    # The arrows move in the table; Tab leaves it for the buttons, as they are seen.
    key("Tab")
    check(wait_until(lambda: "focused" in states(selected), 10), "Tab goes from the table to the first button")
    key("Tab")
    check(wait_until(lambda: "focused" in states(every), 10), "and on to \"Upgrade all ready devices\"")
    key("space")
    done = "1-1, 3276356C3201: done"
    check(wait_until(lambda: announced(done), 60), "the device's end is announced: " + done)
    check(wait_until(lambda: row("1-1")[3:5] == ["C3", "done"], 10), "its row reads as it is now: C3, done")
    summary = next((c for c in descendants(frame) if c.getRoleName() == "label"), None)
    check(summary is not None and summary.name.startswith("Done: 1   Failed: 0   Waiting: 0"),
          "the summary is read as it shows: " + (summary.name if summary else "none"))
    finish()


if MODE == "station":
    station()


def unmarked():
    """What the window shows that escaped translation: in the pseudo-language
    every translated text reads [[...]], so any other name or description
    (and any announcement) is a text that never went through a translation."""
    found = []
    frame = window("frame")
    for acc in [frame] + list(descendants(frame)):
        try:
            if "showing" not in states(acc):
                continue
            for text in (acc.name, acc.description):
                if text and not (text.startswith("[[") and text.endswith("]]")):
                    found.append(f"{acc.getRoleName()}: {text}")
        except Exception:  # went away meanwhile
            pass
    for t, role, name, d in events:
        if role == "notification" and d and name and not (name.startswith("[[") and name.endswith("]]")):
            found.append(f"announced: {name}")
    return sorted(set(found))


def pseudo():
    """The guided window in the pseudo-language, from no device to Done."""
    check(wait_until(lambda: len(offered()) >= 8, 10), "the window shows its texts")
    check(window("frame").name == "[[Velmora Firmware Upgrade Tool]]", "the title is translated")
    seen = {"no device": unmarked()}
    main = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(PID)], capture_output=True, text=True,
                          timeout=30).stdout.split()[0]
    subprocess.run(["xdotool", "windowfocus", "--sync", main], timeout=30)
    plug("upgradable")
    button = lambda: next(c for c in children(window("frame")) if c.getRoleName() == "push button")
    check(wait_until(lambda: "sensitive" in states(button()), 30), "a device is ready")
    seen["ready"] = unmarked()
    key("Tab")
    key("space")
    check(wait_until(lambda: any(c.getRoleName() == "progress bar" for c in children(window("frame"))), 15),
          "the write runs")
    seen["writing"] = unmarked()
    check(wait_until(lambda: any(c.getRoleName() == "progress bar" and c.name.startswith("[[Done")
                                 for c in children(window("frame"))), 90), "the bar says Done")
    seen["done"] = unmarked()
    for state, texts in seen.items():
        check(not texts, f"every text shown {state} is translated" + "".join("\n      " + t for t in texts))
    finish()


if MODE == "pseudo":
    pseudo()

STEPS = ["Firmware upgrade Velmora T30", "Firmware version this tool installs: C3",
         "Follow the steps below to upgrade your product.", "1. Turn off the device",
         "2. Hold the rightmost button under the display while pushing the TEST button for 1 second",
         "3. Connect USB cable"]
NO_DEVICE = "The USB cable must have a 'Micro B' plug and a 'Type A' plug."
BUTTON = "4. Click here to start upgrade"

# The window as it is read: the steps, the status line, the button; no circles,
# no hidden bar; every name one line without blanks at its ends.
check(wait_until(lambda: offered() == [("label", n) for n in STEPS + [NO_DEVICE, "Simulator mode"]]
                 + [("push button", BUTTON)], 10), "reading order: steps, status line, button; nothing else")
say("offered:", offered())
check(all("\n" not in name and name == name.strip() for _, name in offered()), "names are one line, trimmed")


def status_line():
    return next(c for c in children(window("frame")) if c.description.startswith("The state of"))


def button():
    return child("push button", BUTTON)


check(status_line().name == NO_DEVICE, "the status line says what is needed")
main = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(PID)], capture_output=True, text=True,
                      timeout=30).stdout.split()[0]
subprocess.run(["xdotool", "windowfocus", "--sync", main], timeout=30)
pump(1)

# A device that becomes ready is announced, with what the button does.
plug("upgradable")
ready = "Connected to a T30 with firmware version C2. Click \"4. Click here to start upgrade\" to install version C3."
check(wait_until(lambda: announced(ready), 30), "a ready device is announced: " + ready)
check(wait_until(lambda: "sensitive" in states(button()), 10), "the install button is available")
key("Tab")
check(wait_until(lambda: "focused" in states(button()), 10), "Tab reaches the install button")

# Space starts the write: the button is no longer available, and the focus
# moves to the status line instead of getting lost.
before = len(events)
key("space")
check(wait_until(lambda: child("progress bar", "Upgrading firmware") is not None, 15),
      "the bar takes the button's place")
check(wait_until(lambda: "focused" in states(status_line()), 10), "the focus moves to the status line")
writing = "Writing firmware version C3 to the T30. Keep the cable connected until this line says Done."
check(status_line().name == writing, "which says what is going on: " + writing)
check(status_line().description.endswith("The install button is not available now."),
      "and that the install button is not available now")
check(any(t.startswith("object:state-changed:focused") and d and role == "label" for t, role, _, d in events[before:]),
      "a screen reader is told of the new focus")
check(button() is None, "the covered button is not offered during the write")

# The outcome is spoken in words, each step of the way.
check(wait_until(lambda: announced("The firmware was written. To check it, restart the device"), 60),
      "the write is announced, with what to do")
done = "Done: the T30 has firmware version C3, read back and checked. Disconnect the USB cable."
check(wait_until(lambda: announced(done), 60), "Done is announced in words: " + done)
check(child("progress bar", "Done. Disconnect USB cable.") is not None, "the bar says Done")
check(status_line().name == done, "the status line says Done")

# Unplugged, then another product: explained, not only refused.
before = len(events)
plug("no-device")
check(wait_until(lambda: any(t.startswith("object:state-changed:showing") and role == "notification" and d
                             and name == NO_DEVICE for t, role, name, d in events[before:]), 30),
      "unplugging is announced")
plug("other-product")
other = "Connected to a T4. This tool upgrades the T30 only: it cannot upgrade this product."
check(wait_until(lambda: announced(other), 30), "another product is explained: " + other)
check("sensitive" not in states(button()), "its install button is not available")
check(button().description == "Not available now: see the status line below.", "and says why")

# The log window has a name, and its text a name of its own (not the whole log).
key("ctrl+l")
title = "Log \u2013 Velmora Firmware Upgrade Tool"
check(wait_until(lambda: window("dialog", title) is not None, 10), "the log window is named: " + title)
log = window("dialog", title)
texts = [c for c in children(log) if c.getRoleName() not in ("push button", "filler", "scroll bar")]
check([c.name for c in texts] == ["Log messages"], "its text is named \"Log messages\"")

finish()
