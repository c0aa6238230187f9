#!/usr/bin/env python3
"""Checks what a soak run left behind: the state it wrote and the sanitizer report on its stderr.

The state must be valid JSON for the last pass with every picture loaded and the player inside
the grid. Any sanitizer error fails the run. Leak reports fail it when one of the leaking
allocations was made by the game's own code; leaks made wholly inside the GL driver (which is
loaded and unloaded with every window, so its frames show as unknown modules) are counted and
reported, and fail the run only past the given bound.

Usage: check_run.py STATE_JSON FRAMES GAME_LOG DRIVER_LEAK_LIMIT_BYTES
"""
import json
import re
import sys

LEAK_HEADER = re.compile(r"^(Direct|Indirect) leak of (\d+) byte\(s\) in (\d+) object\(s\)")
GAME_FRAME = re.compile(r" in (gloam::|main\b)|/src/(core|world|assets|units|draw|views|console|fpview|shell|platform)/")
SANITIZER_ERROR = re.compile(r"ERROR: AddressSanitizer|runtime error:|ERROR: UndefinedBehaviorSanitizer")


def check_state(path, frames):
    state = json.load(open(path))
    problems = []
    if state["frame"] != frames:
        problems.append(f"frame {state['frame']}, expected {frames}")
    if state["quitRequested"] != 1:
        problems.append("quitRequested is not 1")
    if state["spriteSlotsLoaded"] != 214:
        problems.append(f"spriteSlotsLoaded {state['spriteSlotsLoaded']}")
    if (state["screen"]["width"], state["screen"]["height"]) not in ((320, 240), (640, 480)):
        problems.append(f"screen {state['screen']}")
    player = state["player"]
    if not (0 <= player["cellX"] <= 255 and 0 <= player["cellY"] <= 255 and 0 <= player["level"] <= 179):
        problems.append(f"player outside the grid: {player['cellX']},{player['cellY']},{player['level']}")
    print(f"soak: final state: {state['screen']['width']}x{state['screen']['height']} zoom {state['screen']['zoom']}, "
          f"viewOrigin {state['viewOrigin']}, tickDivisor {state['tickDivisor']}, "
          f"slept {state['sleptMs']} ms (counted, not slept)")
    return problems


def leak_blocks(lines):
    """Yields (bytes, objects, stack lines) for every leak in a LeakSanitizer report."""
    block = None
    for line in lines:
        header = LEAK_HEADER.match(line)
        if header:
            if block:
                yield block
            block = (int(header.group(2)), int(header.group(3)), [])
        elif block and line.strip().startswith("#"):
            block[2].append(line)
        elif block and not line.strip():
            yield block
            block = None
    if block:
        yield block


def check_log(path, driver_leak_limit):
    lines = open(path, errors="replace").read().splitlines()
    problems = [f"sanitizer: {line.strip()}" for line in lines if SANITIZER_ERROR.search(line)]
    driver_bytes = driver_objects = game_leaks = 0
    for size, objects, stack in leak_blocks(lines):
        if any(GAME_FRAME.search(frame) for frame in stack):
            game_leaks += 1
            problems.append(f"the game leaks {size} bytes in {objects} objects:\n" + "\n".join(stack))
        else:
            driver_bytes += size
            driver_objects += objects
    print(f"soak: leaking allocations made by the game: {game_leaks}; "
          f"left by the GL driver: {driver_bytes} bytes in {driver_objects} objects")
    if driver_bytes > driver_leak_limit:
        problems.append(f"the driver leaks {driver_bytes} bytes, more than {driver_leak_limit}")
    return problems


def main(argv):
    if len(argv) != 5:
        sys.stderr.write(__doc__)
        return 2
    problems = check_state(argv[1], int(argv[2])) + check_log(argv[3], int(argv[4]))
    for p in problems:
        print("soak: " + p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
