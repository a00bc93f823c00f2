#!/usr/bin/env python3
"""No text of the windows left behind in one language.

Fails when
- a string literal holding Cyrillic stands in program code outside a
  translation marker (tr, QCoreApplication::translate, QT_TRANSLATE_NOOP,
  QT_TR_NOOP), short of the few texts that go into the script itself;
- a translation is missing or unfinished;
- the committed .ts files are not what lupdate makes from the sources.

usage: check_texts.py SOURCE_ROOT LUPDATE WORK_DIR PROJECT_SCRIPT CATALOGUE=PROJECT...
  PROJECT_SCRIPT: Qt's GenerateLUpdateProject.cmake; each PROJECT is the
  lupdate project the build made for that catalogue (its sources and include
  paths, which decide the contexts lupdate finds).
"""
import filecmp
import pathlib
import re
import shutil
import subprocess
import sys

ROOT, LUPDATE, WORK = pathlib.Path(sys.argv[1]), sys.argv[2], pathlib.Path(sys.argv[3])
PROJECT_SCRIPT = sys.argv[4]
PROJECTS = dict(arg.split("=", 1) for arg in sys.argv[5:])
FOLDERS = ["app", "binds", "buy", "check", "config", "controls", "pages", "platform", "ui"]
OPTIONS = ["-source-language", "ru", "-locations", "none", "-no-obsolete"]
CATALOGUES = {"quelmar_en.ts": [], "quelmar_ru.ts": ["-pluralonly"]}
MARKERS = re.compile(r"\b(tr|translate|QT_TRANSLATE_NOOP|QT_TR_NOOP)\s*\(")
# Texts that the script holds are not the window's to translate: file name
# and the start of the literal.
SCRIPT_TEXTS = set()

faults = []


def literals(code):
    """(start, end, text) of each string literal, comments skipped."""
    i, n = 0, len(code)
    while i < n:
        if code.startswith("//", i):
            j = code.find("\n", i)
            i = n if j < 0 else j
        elif code.startswith("/*", i):
            end = code.find("*/", i + 2)
            i = n if end < 0 else end + 2
        elif code[i] == "'":
            i += 2 if code[i + 1] != "\\" else 3
            i = code.find("'", i) + 1
        elif code[i] == '"' and i > 0 and code[i - 1] == "R":
            delimiter = code[i + 1 : code.find("(", i)]
            j = code.find(")" + delimiter + '"', i)
            yield i, j + len(delimiter) + 2, code[i + 2 + len(delimiter) : j]
            i = j + len(delimiter) + 2
        elif code[i] == '"':
            j = i + 1
            while j < n and code[j] != '"':
                j += 2 if code[j] == "\\" else 1
            yield i, j + 1, code[i + 1 : j]
            i = j + 1
        else:
            i += 1


def marked_spans(code):
    """The argument spans of every translation marker call."""
    spans = []
    for m in MARKERS.finditer(code):
        depth, j = 1, m.end()
        strings = {s: e for s, e, _ in literals(code[m.end():])}
        while j < len(code) and depth:
            if j - m.end() in strings:
                j = m.end() + strings[j - m.end()]
                continue
            depth += {"(": 1, ")": -1}.get(code[j], 0)
            j += 1
        spans.append((m.end(), j))
    return spans


for folder in FOLDERS:
    for path in sorted((ROOT / folder).rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        code = path.read_text(encoding="utf-8")
        spans = marked_spans(code) if re.search("[\u0400-\u04ff]", code) else []
        for start, _, text in literals(code):
            if not re.search("[\u0400-\u04ff]", text):
                continue
            if any(a <= start < b for a, b in spans):
                continue
            shown = f"{path.relative_to(ROOT)}"
            if (shown, text[:20]) in SCRIPT_TEXTS:
                continue
            line = code.count("\n", 0, start) + 1
            faults.append(f'{shown}:{line}: "{text[:40]}" is not marked for translation')

# The catalogues: every message translated, and the files what lupdate makes.
WORK.mkdir(parents=True, exist_ok=True)
for name, extra in CATALOGUES.items():
    committed = ROOT / "translations" / name
    text = committed.read_text(encoding="utf-8")
    for m in re.finditer(r"<source>(.*?)</source>\s*<translation([^>]*)>(.*?)</translation>", text, re.S):
        body = re.sub(r"</?numerusform>|\s", "", m.group(3))
        if "unfinished" in m.group(2) or "vanished" in m.group(2) or "obsolete" in m.group(2) or not body:
            faults.append(f"translations/{name}: no finished translation of \"{m.group(1)[:40]}\"")
    if "<numerusform></numerusform>" in text:
        faults.append(f"translations/{name}: a plural form is missing")
    made = WORK / name
    shutil.copyfile(committed, made)
    project = WORK / (name + ".json")
    subprocess.run(["cmake", f"-DIN_FILE={PROJECTS[name]}", f"-DOUT_FILE={project}", "-P",
                    PROJECT_SCRIPT], check=True)
    run = subprocess.run([LUPDATE, "-project", str(project), *OPTIONS, *extra, "-ts", str(made)],
                         capture_output=True, text=True)
    if run.returncode != 0:
        faults.append(f"lupdate failed: {run.stderr.strip()}")
    elif not filecmp.cmp(committed, made, shallow=False):
        faults.append(f"translations/{name} is not what lupdate makes from the sources "
                      f"(build the target update_translations and commit the result)")

print("\n".join(faults) if faults else "every text of the windows is marked and translated")
sys.exit(1 if faults else 0)
