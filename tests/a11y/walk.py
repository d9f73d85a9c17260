#!/usr/bin/env python3
"""Walks the running game over AT-SPI as a screen reader would: starts a round by
the start button's action, reads the time running down, the named targets after
a tick, the four statistics under their headings, and the story in the
information window. Prints a short dump of the board during the round."""
import sys
import time

import pyatspi

TARGETS = {"Робот-ёж", "Робот в костюме"}


def is_target(name):
    # A target says where it stands after what it is: "Робот-ёж, ряд 1, столбец 2".
    return name.split(",")[0] in TARGETS
started = time.monotonic()


def log(text):
    print(f"[a11y {time.monotonic() - started:5.1f}s] {text}", flush=True)


def fail(text):
    log("FAILED: " + text)
    sys.exit(1)


def wait_for(what, find, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = find()
        except Exception:  # the tree may change under the walk
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what)


def children(acc):
    # Read afresh each time: what the reader cached may be a tick old.
    acc.clearCache()
    found = [acc[i] for i in range(acc.childCount)]
    for child in found:
        child.clearCache()
    return found


def descendants(acc):
    for child in children(acc):
        yield child
        yield from descendants(child)


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def press(acc, must=True):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return True
    if must:
        fail(f"«{acc.name}» offers no press")
    return False


def window_named(app, name):
    return next((w for w in children(app) if w.name == name and showing(w)), None)


def by_role(root, role, name=None):
    return next((a for a in descendants(root)
                 if a.getRoleName() == role and (name is None or a.name == name)), None)


def labelled_by(acc):
    for relation in acc.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            return relation.getTarget(0).name
    return None


desktop = pyatspi.Registry.getDesktop(0)
app = wait_for("game on the accessibility bus",
               lambda: next((a for a in desktop if a and a.name == "Drovanta"), None), 30)
board = wait_for("main board", lambda: window_named(app, "Drovanta."))
canvas = wait_for("painted board", lambda: by_role(board, "canvas"))
log(f"the board: {canvas.name}, {canvas.childCount} painted elements")


def painted():
    return [(c.name, c.getRoleName(), c.description) for c in children(canvas) if showing(c)]


def value_of(heading):
    for c in children(canvas):
        if showing(c) and c.name.startswith(heading + ": "):
            return c
    return None


# The four statistics, each read as its value under its heading.
for heading in ("Время", "Ваш счёт", "Сыграно раундов", "Лучший счёт"):
    value = wait_for(f"value under «{heading}»", lambda: value_of(heading))
    if labelled_by(value) != heading:
        fail(f"«{value.name}» is not labelled by «{heading}»")
    if not any(c.name == heading and c.getRoleName() == "label" for c in children(canvas)):
        fail(f"no heading «{heading}»")
    log(f"read: {value.name} (labelled by «{heading}»)")

start = wait_for("start button", lambda: by_role(board, "push button", "Начать раунд"))
press(start)
log("pressed «Начать раунд» through its action")

first = wait_for("time of a running round",
                 lambda: (lambda v: v if v and v.name != "Время: 0" else None)(value_of("Время")))
first_time = first.name
log(f"read: {first_time}")
later = wait_for("time running down",
                 lambda: (lambda v: v.name if v and v.name not in (first_time, "Время: 0") else None)(
                     value_of("Время")), 5)
log(f"read: {later}")

targets = wait_for("four named targets",
                   lambda: (lambda t: t if len(t) >= 4 else None)(
                       [c for c in children(canvas) if showing(c) and is_target(c.name)]))
for t in targets:
    log(f"read: {t.name} ({t.getRoleName()})")


def strike():
    # The board deals anew every 750 ms: a target read a moment ago may be gone.
    for c in children(canvas):
        name = c.name
        if showing(c) and is_target(name) and press(c, must=False):
            return name  # read before the press: a struck target is nameless
    return None


score_before = value_of("Ваш счёт").name
struck = wait_for("a target that takes a press", strike, 5)
wait_for("score after pressing a target",
         lambda: (lambda v: v if v and v.name != score_before else None)(value_of("Ваш счёт")), 5)
log(f"pressed «{struck}»: {value_of('Ваш счёт').name}")

print("--- the painted board during a round (shown elements, reading order):")
for name, role, description in painted():
    print(f"  {role:8} {name}" + (f"  [{description}]" if description else ""))
print("---")

info = wait_for("information button", lambda: by_role(board, "push button", "Информация"))
press(info)
window = wait_for("information window", lambda: window_named(app, "Information"))
story = wait_for("story button", lambda: by_role(window, "push button", "Сюжет"))
press(story)
text = wait_for("story text", lambda: next(
    (a.name for a in descendants(window) if a.name.startswith("Лучший друг Бриско")), None), 5)
log(f"read the story: {text}")
log("passed")
