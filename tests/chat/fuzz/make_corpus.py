#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the seed inputs of chat_fuzz: chat data as the host relays it (Windows-1252), the
# lines of the chat tests, links that may and may not open, and colours in every form.
import os

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
os.makedirs(here, exist_ok=True)

seeds = {
    "chat": "2+Ann chats: hi|clGreen",
    "action-phrase": "3+Bob says: Wow, WTG!|$00C08040",
    "smileys": "3+Bob: hi:)#12see www.x.com :)#99:)#27:)#5",
    "system": "0+Bob is Connected.|clBlue",
    "links": "1+A: go www.a.com/x or http://b.org, now HTTPS://x.org/a?b=c#http:// file:///etc/passwd#http://"
             " smb://host/share/www.x javascript:alert(1)//www.x.com http:www.x.com|clred",
    "bars": "2+Ann chats: a|b|clBlue",
    "markup": "2+<font color=\"#ff0000\" size=\"7\"><b>PWNED</b></font> chats: hi|0x0000FF",
    "cp1252": "4+Jos\xe9 chats: \x80 \x93quoted\x94 \x81\x8d\x8f\x90\x9d Sch\xf6n|clDefault",
    "controls": "5+Eve chats: line\r\nbreak\ttab\x7f|clNone",
    "kind-10": "10+Nobody: x|-1",
    "colour-negative": "$FFFFFFFF",
    "colour-decimal": "16711680",
}
for name, text in seeds.items():
    with open(os.path.join(here, name), "wb") as f:
        f.write(text.encode("latin-1"))
