#!/usr/bin/env python3
"""The translations are complete and match the sources.

lupdate is run over the sources into copies of the committed .ts files;
the check fails when a language's file is missing, when any text is left
untranslated or marked unfinished (lupdate marks a text it finds in the
sources but not in the file that way), when a text of the file has gone
from the sources, or when a translation loses a placeholder (%1) or an
access key (&) of its source.

    check-translations.py LUPDATE SOURCE_DIR TS_DIR LANG...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def placeholders(text):
    return sorted(set(re.findall(r"%\d+", text)))


def access_keys(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def main():
    lupdate, source_dir, ts_dir, *languages = sys.argv[1:]
    problems = []
    with tempfile.TemporaryDirectory() as work:
        copies = []
        for lang in languages:
            ts = Path(ts_dir) / f"pelimor_{lang}.ts"
            if not ts.is_file():
                problems.append(f"{ts.name}: missing")
                continue
            copy = Path(work) / ts.name
            shutil.copy(ts, copy)
            copies.append((lang, copy))
        if copies:
            subprocess.run([lupdate, "-silent", "-locations", "none", source_dir, "-ts",
                            *[str(c) for _, c in copies]], check=True)
        for lang, copy in copies:
            root = ET.parse(copy).getroot()
            if root.get("language") != lang:
                problems.append(f"{copy.name}: language is {root.get('language')!r}, not {lang!r}")
            for context in root.iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    source = message.findtext("source") or ""
                    where = f"{copy.name}: {name}: {source!r}"
                    translation = message.find("translation")
                    kind = translation.get("type") if translation is not None else "missing"
                    if kind in ("vanished", "obsolete"):
                        problems.append(f"{where}: no longer in the sources")
                        continue
                    if kind == "unfinished":
                        problems.append(f"{where}: untranslated or unfinished")
                        continue
                    forms = translation.findall("numerusform") or [translation]
                    for form in forms:
                        text = "".join(form.itertext())
                        if not text.strip():
                            problems.append(f"{where}: empty translation")
                        elif placeholders(text) != placeholders(source):
                            problems.append(f"{where}: placeholders {placeholders(text)} "
                                            f"instead of {placeholders(source)}")
                        elif access_keys(text) != access_keys(source):
                            problems.append(f"{where}: {access_keys(text)} access keys instead of "
                                            f"{access_keys(source)}")
    for p in problems:
        print("FAIL:", p, file=sys.stderr)
    if not problems:
        print(f"translations: {len(languages)} languages complete")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
