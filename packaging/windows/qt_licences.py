#!/usr/bin/env python3
"""Writes the notices of the third-party code compiled into the Qt DLLs we
ship, as Qt's own qt_attribution.json files in the Qt source list them.

qt_licences.py SOURCE OUT --modules M... --skip ID... --expect ID...

Every attribution of the given Qt modules (qtcore, qtgui …) becomes
OUT/Qt-<Id>.txt: its name, copyright and licence, then the licence files'
text; those whose Id is skipped (code for other systems, or for features
this build leaves out) are not written. OUT/Qt-3rdparty.txt lists them all.
A missing expected Id or a licence file that is not there ends with status 1.
"""
import argparse
import json
import os
import sys
from pathlib import Path

DLLS = {"qtcore": "Qt6Core.dll", "qtgui": "Qt6Gui.dll", "qtwidgets": "Qt6Widgets.dll"}


def as_list(value):
    if value is None:
        return []
    return value if isinstance(value, list) else [value]


def attributions(source):
    for path in sorted(source.glob("src/**/qt_attribution.json")):
        # Some files hold tabs inside strings, which strict JSON refuses.
        data = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in as_list(data):
            yield path.parent, entry


def notice(source, folder, entry, problems):
    lines = [entry.get("Name", entry["Id"]), ""]
    module = entry.get("QDocModule", "")
    lines.append(f"Compiled into {DLLS.get(module, module)} from {folder.relative_to(source)}/"
                 " of Qt's source.")
    for key in ("Description", "Homepage", "Version"):
        if entry.get(key):
            lines.append(f"{key}: {entry[key]}")
    lines += [f"Copyright: {c}" for c in as_list(entry.get("Copyright")) for c in c.splitlines()]
    lines.append(f"Licence: {entry.get('License', 'see below')}")
    for name in as_list(entry.get("LicenseFile")):
        path = folder / name
        if not path.is_file():
            problems.append(f"{entry['Id']}: {path} is missing")
            continue
        lines += ["", "-" * 72, f"{Path(name).name}:", "",
                  path.read_text(encoding="utf-8", errors="replace").rstrip()]
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("source", type=Path)
    parser.add_argument("out", type=Path)
    parser.add_argument("--modules", nargs="+", required=True)
    parser.add_argument("--skip", nargs="*", default=[])
    parser.add_argument("--expect", nargs="*", default=[])
    args = parser.parse_args()
    args.out.mkdir(parents=True, exist_ok=True)
    problems, written, index = [], set(), []
    for folder, entry in attributions(args.source):
        ident = entry["Id"]
        if entry.get("QDocModule") not in args.modules or ident in args.skip:
            continue
        name = f"Qt-{ident}.txt"
        (args.out / name).write_text(notice(args.source, folder, entry, problems), encoding="utf-8")
        written.add(ident)
        index.append(f"{name:<42} {entry.get('Name', ident)} ({entry.get('License', '')})")
    problems += [f"{ident}: no attribution in {args.source}"
                 for ident in args.expect if ident not in written]
    if problems:
        sys.exit("Qt licences missing:\n  " + "\n  ".join(problems))
    (args.out / "Qt-3rdparty.txt").write_text(
        "Code of others compiled into the Qt DLLs beside quelmar.exe, each file\n"
        "beside this one with its copyright and licence:\n\n" + "\n".join(index) + "\n",
        encoding="utf-8")


if __name__ == "__main__":
    main()
