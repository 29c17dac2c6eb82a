#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed inputs of cp1252_fuzz: names and chat as they come off the wire, text as the
# user types it, and UTF-8 that is not well formed.
import os

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)

seeds = {
    "every-byte": bytes(range(256)),
    "wire-name": "Jos\xe9+Mar\xeda \x80 \x93quoted\x94 Sch\xf6n".encode("latin-1"),
    "typed": "Zoë paid 5 € for a “quote” — ŠŒŽšœžŸ ƒ ‰ ™".encode("utf-8"),
    "typed-outside": "日本語 😀 ÿ \u2028 Ā".encode("utf-8"),
    "overlong": b"C0AF:\xc0\xaf E0:\xe0\x80\xaf F0:\xf0\x80\x80\xaf slash",
    "surrogate": b"\xed\xa0\x80\xed\xbf\xbf",
    "beyond": b"\xf4\x90\x80\x80 \xf5\x80\x80\x80 \xf8\x88\x80\x80\x80",
    "truncated": b"ok \xe2\x82",
    "stray": b"\x80\xbf \xc3 x \xff\xfe",
    "controls": b"line\r\nbreak\ttab\x7f\x81\x8d\x8f\x90\x9d\x00end",
}
for name, data in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(data)
