#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the source text of every message in a Qt Linguist file that has no finished
# translation (unfinished, empty, or a plural form left empty), one per line.
import sys
import xml.etree.ElementTree as ET

for message in ET.parse(sys.argv[1]).getroot().iter("message"):
    translation = message.find("translation")
    forms = translation.findall("numerusform") if translation is not None else []
    texts = [f.text for f in forms] if forms else [translation.text if translation is not None else None]
    if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete") or not all(texts):
        print(" ".join((message.findtext("source") or "").split()))
