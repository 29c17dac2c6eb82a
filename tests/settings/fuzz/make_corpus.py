#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed inputs of settings_fuzz: files like those of the settings tests, each after
# the write the target makes (key byte, section byte, value length, value).
import os

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)

# Indexes into the target's list of keys and of sections ("quadrino", "Lobby", then the
# file's own sections).
TOP, TEXTCOLOR, PHRASE1, HOSTNAME = 0, 3, 5, 8
QUADRINO, LOBBY, FIRST_OF_FILE = 0, 1, 2


def seed(name, key, section, value, text):
    value = value.encode("latin-1")
    with open(os.path.join(here, name), "wb") as f:
        f.write(bytes([key, section, len(value)]) + value + text.encode("latin-1"))


# The file the lobby program and a user with a text editor have both had their hands on.
shared = ("; Kestrun lobby settings\r\n[Lobby]\r\nServer=play.example.net\r\ntop=40\r\n\r\n"
          "[QuadRino]\r\n  TOP = -20 \r\ntextSIZE=$C\r\nPhrase6=Wow, WTG!\r\nChatterSounds=false\r\n\r\n"
          "; the lobby's window\r\n[Window]\r\nLeft=0x10\r\n")
seed("shared", TOP, QUADRINO, "17", shared)
seed("shared-lobby", TOP, LOBBY, " padded ", shared)
seed("empty", TEXTCOLOR, QUADRINO, "clRed", "")

# Every key of the section, as a save writes them.
every = ("[quadrino]\nTextsize=10\nTop=3\nLeft=3\nWidth=795\nHeight=562\nTextcolor=$00C08040\nPenalty=1\n"
         "Passing=0\nBlocking=1\nPouncing=1\nFull=0\nBotspeed=1500\nTurnsound=1\nLimits=5\nPlaysounds=false\n"
         "ChatterSounds=true\nHostName=Jos\xe9\nJoinName=\nJoinAddress=10.0.0.2\nJoinPort=7772\n"
         "Botlevel=Strong\nHostPort=0\nPhrase1=Hi all\nPhrase9=Sch\xf6n \x80\n")
seed("every-key", HOSTNAME, QUADRINO, "M\xfcller", every)
seed("every-key-phrase", PHRASE1, QUADRINO, "line\r\nbreak", every)

# Quotes, blanks, duplicates, a key without its line ending, a mark of UTF-8 at the start.
seed("quotes", TEXTCOLOR, QUADRINO, '"quoted"',
     "[quadrino]\nTextcolor=\"clBlue\"\nTop= 'x' \nTop=2\n[QUADRINO]\nLeft=9\n[quadrino2]\nP=1")
seed("bom", TOP, FIRST_OF_FILE, "$FFFFFFFF", "\xef\xbb\xbf[quadrino]\r\nTop=0x7FFFFFFF\r\nLeft=-2147483648")
seed("no-section-end", TOP, LOBBY, "", "[a]\nx=1\n\n; next\n[b]\ny=2")
seed("out-of-range", TEXTCOLOR, QUADRINO, "clNone",
     "[quadrino]\nWidth=0\nHeight=99999999999\nTextsize=73\nLimits=11\nJoinPort=0\nHostPort=70000\n"
     "Textcolor=clDefault\nPenalty=2\n")
