#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed inputs of host_fuzz: scripts of whole games in the target's op format
# (two bytes per op: connection, operation; then the operation's own bytes).
import os
import random

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)

def connect(): return bytes([0, 0])
def close(k): return bytes([k, 1])
def raw(k, text):
    b = text.encode("latin-1").replace(b"~", b"\xff")
    return bytes([k, 2, len(b)]) + b
def wait(ms): return bytes([0, 4, min(255, ms // 16)])
def login(k, name): return bytes([k, 7]) + name.encode("latin-1")[:4].ljust(4, b" ")
def start(options, limit): return bytes([1, 8, options, limit])
def turn(kind, code=0, pawn=0): return bytes([0, 9, kind, code, pawn])
def minute(): return bytes([0, 10])
def dice(v): return bytes([0, 6, v])

def write(name, ops):
    with open(os.path.join(here, name), "wb") as f:
        f.write(b"".join(ops))

# Four computer players, the watcher hands its seat over: a whole game in minutes.
write("bots", [connect(), login(1, "Watc"), start(0b100111, 3), raw(1, "CMD_justwatch+1+1~")] + [minute()] * 30)

# A person on seat 1 who rolls, moves and passes; a spectator chats, comes and goes.
rng = random.Random(7)
ops = [connect(), login(1, "Host"), connect(), login(2, "Bo"), start(0b100011, 2)]
for i in range(120):
    ops += [turn(0), wait(300), turn(2, rng.choice([1, 2, 3, 4, 6, 7, 8]), rng.randint(1, 4)), wait(1100)]
    if i % 17 == 0: ops += [connect(), login(5, "Spy"), raw(5, "CMD_chat+5+hello+there|clRed~"), close(5)]
    if i % 23 == 0: ops += [turn(1), raw(2, "CMD_justwatch+2+1~"), wait(2000), raw(2, "CMD_justwatch+2+2~")]
write("person", ops)

# Leaving on turn, refusing computer players, a kick, spoofed senders, a new game.
ops = [connect(), login(1, "Host"), connect(), login(2, "Bo"), connect(), login(3, "Cy"), connect(), login(4, "Di"),
       start(0b000111, 0), wait(3000), close(3), close(4), raw(1, "CMD_bottakeover+1+3+~"), wait(2000),
       raw(2, "CMD_moveit+1+1+1+~"), raw(2, "CMD_kickhim+1+1+~"), raw(1, "CMD_kickhim+1+2+~"), dice(0), dice(0),
       dice(0), turn(0), wait(4000), start(0b011111, 5), minute(), minute()]
write("departures", ops)

# A lobby's reach check before a login, one after it, one without a nonce.
ops = [connect(), login(1, "Host"), connect(), raw(2, "CMD_lobbycheck+n0nce~"), wait(100), connect(), login(2, "Bo"),
       raw(2, "CMD_lobbycheck+late~"), connect(), raw(3, "CMD_lobbycheck+~"), close(3), raw(1, "CMD_chat+1+hi|clRed~")]
write("checks", ops)
