#!/usr/bin/env python3
"""The two halves of the soak test that run-soak.sh runs around the game.

script SEED FRAMES OUTPUT writes a seeded random input script for FRAMES passes (same seed, same
script): every key the game tests but Escape, which would end the run early, the mouse in and
around the picture of either mode, and console commands typed through Tab, letters and Enter.

check STATE_JSON FRAMES GAME_LOG checks the state (the last pass, every picture loaded, the player
inside the grid) and the sanitizer report: any error or leak fails. (What the GL driver and SDL
keep for the life of the process is suppressed by the sanitized build itself.)
"""
import json
import random
import re
import sys

LEFT_BUTTON, RIGHT_BUTTON, MIDDLE_BUTTON = 1, 2, 4
BACKSPACE, TAB, ENTER, SHIFT, SPACE = 8, 9, 13, 16, 32
ARROWS = [37, 38, 39, 40]
DIGITS = list(range(48, 58))
LETTERS = list(range(65, 91))
NUMPAD_ADD, NUMPAD_SUBTRACT = 107, 109
F_KEYS = list(range(112, 118))  # F1..F6
F5, F6 = 116, 117

# Keys pressed at random. The F keys are pressed on their own, and rarely: each pass that finds
# one down re-creates the window, by far the dearest thing a frame can do.
PLAIN_KEYS = ([LEFT_BUTTON, RIGHT_BUTTON, MIDDLE_BUTTON, BACKSPACE, TAB, ENTER, SHIFT, SPACE,
               NUMPAD_ADD, NUMPAD_SUBTRACT] + ARROWS + DIGITS + LETTERS)

COMMAND_WORDS = ["corner1", "env4block", "env4grass", "env4dirt", "env4emptyx1", "env4emptyy1",
                 "screensavertoggle", "env4teleport", "ENV4BLOCK", "Env4Grass", "nosuchcommand", ""]

LINE_LIMIT = 30  # characters the console line takes; Backspace held this long clears it

# The largest picture is 640x480; the margin reaches past every edge so the clamps are exercised.
MOUSE_MARGIN = 40
MAX_WIDTH, MAX_HEIGHT = 640, 480

# Stretches of this many frames alternate between the two screen modes.
MODE_STRETCH = 1500


class Script:
    def __init__(self):
        self.lines = []
        self.held = {}  # key -> the frame it went down
        self.console_open = False  # every pass with Tab down flips the console

    def down(self, frame, key):
        self.lines.append(f"{frame} down {key}")
        self.held[key] = frame

    def up(self, frame, key):
        self.lines.append(f"{frame} up {key}")
        since = self.held.pop(key)
        if key == TAB and (frame - since) % 2 == 1:
            self.console_open = not self.console_open

    def tap(self, frame, key, frames=1):
        """Holds a key for `frames` passes; returns the first frame after it is released."""
        self.down(frame, key)
        self.up(frame + frames, key)
        return frame + frames

    def mouse(self, frame, rng):
        """Moves the mouse anywhere in and around the largest picture; returns the next frame."""
        x = rng.randint(-MOUSE_MARGIN, MAX_WIDTH + MOUSE_MARGIN)
        self.lines.append(f"{frame} mouse {x} {rng.randint(-MOUSE_MARGIN, MAX_HEIGHT + MOUSE_MARGIN)}")
        return frame + 1


def command_text(rng):
    word = rng.choice(COMMAND_WORDS)
    if word.lower() == "env4teleport":
        count = rng.choice([3, 3, 3, 2, 4])  # mostly valid, sometimes a word short or over
        numbers = [str(rng.choice([0, 1, 2, rng.randint(0, 300), 999])) for _ in range(count)]
        return " ".join([word] + numbers)
    return word


def type_text(script, frame, text):
    """Types a line one key per frame; upper-case letters are typed with Shift held. The virtual
    key of Space, a digit or a letter is the character's upper-case ASCII code."""
    for ch in text:
        if ch.isupper():
            script.down(frame, SHIFT)
        frame = script.tap(frame, ord(ch.upper()))
        if ch.isupper():
            script.up(frame, SHIFT)
    return frame


def console_command(script, rng, frame):
    """Opens the console, clears the old line (now and then only part of it), types a command,
    submits it and mostly closes the console again."""
    if not script.console_open:
        frame = script.tap(frame, TAB)
    frame = script.tap(frame, BACKSPACE, rng.choice([LINE_LIMIT, LINE_LIMIT, rng.randint(1, 12)]))
    frame = type_text(script, frame, command_text(rng))
    frame = script.tap(frame, ENTER, rng.choice([1, 1, 2]))
    if rng.random() < 0.8:
        frame = script.tap(frame, TAB)
    return frame


def hold_some_keys(script, rng, frame):
    """Presses one to three random keys together and lets them go after a while."""
    keys = rng.sample(PLAIN_KEYS, rng.randint(1, 3))
    for key in keys:
        script.down(frame, key)
    length = rng.choice([1, 1, 2, 3, 5, 8, 20])
    for key in keys:
        script.up(frame + length, key)
    return frame + length


def drag_mouse(script, rng, frame):
    """Holds a mouse button while the mouse wanders: looking around, walking, move orders."""
    button = rng.choice([LEFT_BUTTON, RIGHT_BUTTON, MIDDLE_BUTTON])
    script.down(frame, button)
    for _ in range(rng.randint(1, 6)):
        script.mouse(frame, rng)
        frame += rng.randint(1, 10)
    script.up(frame, button)
    return frame


# What the player does next, with its weight: each returns the first frame after it.
ACTIONS = [
    (hold_some_keys, 40), (drag_mouse, 20), (console_command, 10),
    (lambda script, rng, frame: script.tap(frame, ord("Z"), rng.randint(1, 30)), 5),  # walk back
    (lambda script, rng, frame: script.mouse(frame, rng), 25),  # move the mouse
    (lambda script, rng, frame: script.tap(frame, rng.choice(F_KEYS), rng.choice([1, 1, 1, 2])), 2),  # zoom, mode
]


def make_script(seed, frames):
    rng = random.Random(seed)
    script = Script()
    script.lines.append(f"# soak input: seed {seed}, {frames} frames")
    frame = 0
    next_switch = 0
    mode_key = F6
    while frame < frames:
        if frame >= next_switch:  # both modes get long stretches whatever the dice say
            frame = script.tap(frame, mode_key)
            mode_key = F5 if mode_key == F6 else F6
            next_switch = frame + MODE_STRETCH
        action = rng.choices([a for a, _ in ACTIONS], weights=[w for _, w in ACTIONS])[0]
        frame = action(script, rng, frame) + rng.randint(0, 15)
    for key in sorted(script.held):
        script.up(frame, key)
    return script.lines


SANITIZER_ERROR = re.compile(r"ERROR: (Address|Leak|UndefinedBehavior)Sanitizer|runtime error:")


def check_state(path, frames):
    state = json.load(open(path))
    screen, player = state["screen"], state["player"]
    cell = (player["cellX"], player["cellY"], player["level"])
    print(f"soak: final state: {screen['width']}x{screen['height']} zoom {screen['zoom']}, "
          f"viewOrigin {state['viewOrigin']}, tickDivisor {state['tickDivisor']}, "
          f"slept {state['sleptMs']} ms (counted, not slept)")
    return [problem for ok, problem in [
        (state["frame"] == frames, f"frame {state['frame']}, expected {frames}"),
        (state["quitRequested"] == 1, "quitRequested is not 1"),
        (state["spriteSlotsLoaded"] == 214, f"spriteSlotsLoaded {state['spriteSlotsLoaded']}"),
        ((screen["width"], screen["height"]) in ((320, 240), (640, 480)), f"screen {screen}"),
        (0 <= cell[0] <= 255 and 0 <= cell[1] <= 255 and 0 <= cell[2] <= 179, f"player outside the grid: {cell}"),
    ] if not ok]


def check_log(path):
    lines = open(path, errors="replace").read().splitlines()
    return [f"sanitizer: {line.strip()}" for line in lines if SANITIZER_ERROR.search(line)]


def main(argv):
    if argv[1:2] == ["script"] and len(argv) == 5:
        with open(argv[4], "w") as out:
            out.write("\n".join(make_script(int(argv[2]), int(argv[3]))) + "\n")
        return 0
    if argv[1:2] == ["check"] and len(argv) == 5:
        problems = check_state(argv[2], int(argv[3])) + check_log(argv[4])
        for p in problems:
            print("soak: " + p, file=sys.stderr)
        return 1 if problems else 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
