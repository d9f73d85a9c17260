#!/usr/bin/env python3
"""Plays the game as a blind player does, through the real Orca, with the keyboard
only, and judges what Orca says: the lines its debug file marks SPEECH OUTPUT.

Orca, the game and the virtual X server are started by scripts/a11y-test.sh;
this drives the keys (xdotool, NumLock off) and reads the speech:
  1. the idle board in flat review: cells named, no caption-less bar, no wall;
  2. the interval box by its label, set to 5000 ms for play at a slower pace;
  3. a round started, heard with its length;
  4. a robot found in flat review and struck with Orca's click (KP_Divide);
  5. stop and continue, each heard;
  6. the round's end heard with a score above zero;
  7. the information window heard as a dialog, and the story heard when its
     button is pressed.
Prints Orca's speech for the whole round. Fails on the first thing not heard.
    orca_play.py ORCA_DEBUG_FILE
"""
import re
import subprocess
import sys
import time

log_path = sys.argv[1]
started = time.monotonic()
read_to = 0  # speech lines before this one are judged already
heard = []   # every speech line so far, in order


def log(text):
    print(f"[orca {time.monotonic() - started:5.1f}s] {text}", flush=True)


def fail(text):
    log("FAILED: " + text)
    print("--- the last things Orca said:")
    for line in heard[-25:]:
        print("  " + line)
    sys.exit(1)


# "SPEECH OUTPUT: 'words'" and the voice it went out in: {...} or [{...}].
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:\[?\{[^{}]*\}\]?)?\s*$")


def speech():
    """Every line Orca has spoken so far."""
    with open(log_path, encoding="utf-8", errors="replace") as f:
        lines = [m.group(1) for m in map(SPEECH.search, f) if m]
    heard[:] = lines
    return lines


def mark():
    """From here on, only what Orca says next is judged."""
    global read_to
    read_to = len(speech())


def said_since_mark():
    return speech()[read_to:]


def hear(what, pattern, seconds=10):
    """Waits until Orca says something matching the pattern; returns that line."""
    wanted = re.compile(pattern)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for line in said_since_mark():
            if wanted.search(line):
                log(f"heard {what}: «{line}»")
                return line
        time.sleep(0.1)
    fail(f"Orca did not say {what} (/{pattern}/) within {seconds} s")


def keys(*names, pause=0.35):
    for name in names:
        subprocess.run(["xdotool", "key", "--delay", "60", name], check=True)
        time.sleep(pause)


def orca_key(name):
    # The Orca modifier of the desktop layout is Insert, held around the key.
    subprocess.run(["xdotool", "keydown", "Insert", "key", "--delay", "60", name,
                    "keyup", "Insert"], check=True)


def ask(key, orca=False, seconds=1.5):
    """Presses a review key and returns what Orca says for it ("" for nothing)."""
    mark()
    orca_key(key) if orca else keys(key, pause=0)
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline and not said_since_mark():
        time.sleep(0.03)
    time.sleep(0.08)  # the rest of the same utterance
    return " ".join(line for line in said_since_mark() if line.strip())


def review_lines(limit=30):
    """Enters flat review at the window's top and reads it line by line; returns
    what was said for each line, and stays in review."""
    keys("KP_Subtract")
    lines = [ask("KP_Home", orca=True)]  # the top of the window
    for _ in range(limit):
        said = ask("KP_Page_Up")  # the next line
        if not said or said == lines[-1]:
            break  # the last line
        lines.append(said)
    return lines


# --- 1. the idle board, once the opening scene is over -------------------------------
hear("the start button as the focus", r"Начать раунд", 30)
time.sleep(6)
lines = review_lines()
keys("KP_Subtract")
review = " | ".join(lines)
log(f"flat review of the idle board: {review}")
if "Пустая клетка" not in review:
    fail("flat review did not read the empty cells")
for noise in ("Полоса", "Стена"):
    if noise in review:
        fail(f"flat review read «{noise}»")

# --- 2. the interval box, by its label ----------------------------------------------
mark()
keys("Tab", "Tab", "Tab")  # the start button, then information, interval button, box
hear("the interval box by its label", r"Интервал, мс")
keys("ctrl+a", "5", "0", "0", "0")
keys("alt+Cyrillic_u")  # "Установить интервал"
keys("shift+Tab")  # back to the button: the box keeps what it holds

# --- 3. a round starts ----------------------------------------------------------------
round_from = len(speech())
mark()
round_started = time.monotonic()
keys("alt+Cyrillic_en")
hear("the round's start with its length", r"Раунд начался: 60 секунд", 5)

# --- 4. a robot found in flat review and struck with Orca's click --------------------
def strike_a_robot():
    """Looks over the board in flat review; on a line that names a robot, steps
    word by word onto it and clicks it. True once a click went out."""
    keys("KP_Subtract")
    line = ask("KP_Home", orca=True)
    for _ in range(10):
        if "Робот" in line:
            word = ask("KP_Begin")  # the line's first word
            for _ in range(10):
                if "Робот" in word:
                    if not re.search(r"Робот.*, ряд [1-3], столбец [1-4]", word):
                        fail(f"the robot «{word}» is read without its place")
                    log(f"on «{word}» in the line «{line}»: Orca's click")
                    keys("KP_Divide", pause=2)
                    keys("KP_Subtract")
                    return True
                word = ask("KP_Right")  # the next word
            break
        line = ask("KP_Page_Up")
    keys("KP_Subtract")
    return False


# The board deals anew every 5000 ms: each look starts just after a deal, so that
# the robot found is still there when the click comes.
struck = False
for deal in range(1, 5):
    time.sleep(max(0, round_started + 5 * deal + 0.2 - time.monotonic()))
    if strike_a_robot():
        struck = True
        break
if not struck:
    fail("no robot was found in flat review")

# --- 5. stop and continue --------------------------------------------------------------
mark()
keys("alt+Cyrillic_es")
hear("the stop", r"Раунд остановлен", 5)
mark()
keys("alt+Cyrillic_pe")
hear("the continue", r"Раунд продолжается", 5)

# --- 6. the round's end, with its score ---------------------------------------------------
mark()
left = 62 - (time.monotonic() - round_started)
end = hear("the round's end with its score", r"Раунд окончен\. Счёт: \d+", max(left, 5) + 10)
points = int(re.search(r"Счёт: (\d+)", end).group(1))
if points <= 0:
    fail(f"the strike through Orca did not raise the score: «{end}»")
round_speech = speech()[round_from:]

# --- 7. the information window and its story ------------------------------------------
mark()
keys("alt+Cyrillic_i")
hear("the information window as a dialog", r"Information.*(диалог|dialog)|(диалог|dialog).*Information", 10)
mark()
keys("alt+Cyrillic_yu")
hear("the story when its button is pressed", r"Лучший друг Бриско", 10)
time.sleep(1.5)
told = [line for line in said_since_mark() if "Лучший друг Бриско" in line]
if len(told) != 1:
    fail(f"the story was said {len(told)} times: {told}")
keys("alt+Cyrillic_o")

print("--- Orca's speech for the whole round, from the start key to the end:")
for line in round_speech:
    print("  " + line)
print("---")
log("passed")
