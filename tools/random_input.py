#!/usr/bin/env python3
"""Writes a recording (--replay) of random input for a soak: every frame the mouse moves, and now
and then a click, a key (a letter, space, F1; never Escape or Enter, which would
answer the quit question) or a typed letter; never a close request nor a
focus change. Clicks never fall into the rectangles given as X,Y,W,H in window pixels (the main
menu's Exit button: 573,456,220,64). Usage: tools/random_input.py FRAMES SEED [X,Y,W,H ...] > file.rec"""
import random
import sys

frames, seed = int(sys.argv[1]), int(sys.argv[2])
avoid = [tuple(float(v) for v in arg.split(",")) for arg in sys.argv[3:]]
rng = random.Random(seed)


def avoided(px, py):
    return any(ax <= px < ax + aw and ay <= py < ay + ah for ax, ay, aw, ah in avoid)


MOVE, DOWN, UP, WHEEL, KEY_DOWN, KEY_UP, CHAR = range(7)
print("brambleton-input 1")
x, y = 683.0, 384.0
for frame in range(1, frames + 1):
    x = min(1365, max(0, x + rng.uniform(-120, 120)))
    y = min(767, max(0, y + rng.uniform(-90, 90)))
    print(f"{frame} {MOVE} {x:.3f} {y:.3f} 0")
    roll = rng.random()
    if roll < 0.08 and not avoided(x, y):
        print(f"{frame} {DOWN} {x:.3f} {y:.3f} 1")
        print(f"{frame + 1} {UP} {x:.3f} {y:.3f} 1")
    elif roll < 0.09:
        key = rng.choice([65 + rng.randrange(26), 32, 112])  # letters, space, F1: never a quit
        print(f"{frame} {KEY_DOWN} {x:.3f} {y:.3f} {key}")
        print(f"{frame + 1} {KEY_UP} {x:.3f} {y:.3f} {key}")
    elif roll < 0.10:
        print(f"{frame} {CHAR} {x:.3f} {y:.3f} {65 + rng.randrange(26)}")
    elif roll < 0.11:
        print(f"{frame} {WHEEL} {x:.3f} {y:.3f} {rng.choice([-1, 1])}")
