#!/usr/bin/env python3
"""Prints the README's table of the product's files, one row per unit (a header with its source, or a file
alone) with the first sentence of the comment it opens with: the unit's one job.

--check README.md fails, naming the rows, when the README's table differs from the tree's."""
import re
import subprocess
import sys
from pathlib import Path

FOLDERS = ["host", "gate", "editor", "toolkit/graphics", "toolkit/controls", "plugin", "resources",
           "tools/gatehost", "tools/probe"]
BEGIN = "<!-- files: made by scripts/layout_table.py -->"
END = "<!-- end of files -->"


def leading_comment(path):
    lines = []
    for line in path.read_text(encoding="utf-8").splitlines():
        stripped = line.strip()
        if stripped.startswith("#!"):
            continue
        # A script's docstring.
        if stripped.startswith('"""'):
            text = path.read_text(encoding="utf-8")
            start = text.index('"""') + 3
            return " ".join(text[start:text.index('"""', start)].split())
        if not stripped.startswith(("//", "#", "/*", "*")) or stripped.startswith(("#include", "#pragma")):
            break
        lines.append(re.sub(r"^(//|#|/\*|\*)\s?|\s*\*/$", "", stripped))
    return " ".join(lines)


def first_sentence(text):
    # A sentence ends at a full stop before a space or the end, not at one inside a name (stepgate.dll).
    match = re.match(r"(.+?)\.(\s|$)", text)
    sentence = match.group(1) if match else text
    # A long one keeps its first clause (not the name a class's sentence opens with).
    if len(sentence) > 140:
        cuts = [i for mark in (";", " — ", ": ", " (") for i in [sentence.find(mark, 30)] if i > 0]
        sentence = sentence[:min(cuts)] if cuts else sentence
    return sentence.replace("|", "\\|")


def units(root):
    tracked = subprocess.run(["git", "-C", str(root), "ls-files", *FOLDERS], check=True,
                             capture_output=True, text=True).stdout.split()
    names = {}
    for name in tracked:
        path = Path(name)
        if path.suffix not in (".h", ".cpp", ".py", ".rc"):
            continue
        stem = path.with_suffix("") if path.suffix in (".h", ".cpp") else path
        names.setdefault(str(stem), []).append(path)
    for stem in sorted(names, key=lambda s: (FOLDERS.index(str(Path(s).parent)), s)):
        paths = sorted(names[stem], key=lambda p: p.suffix != ".h")
        yield stem, paths[0]


def table(root):
    rows = [BEGIN, "| file | its one job |", "|---|---|"]
    for stem, first in units(root):
        shown = stem if first.suffix in (".h", ".cpp") else str(first)
        suffixes = "" if first.suffix not in (".h", ".cpp") else (
            ".h/.cpp" if (root / (stem + ".cpp")).exists() and (root / (stem + ".h")).exists()
            else first.suffix)
        rows.append(f"| `{shown}{suffixes}` | {first_sentence(leading_comment(root / first))} |")
    rows.append(END)
    return rows


def main():
    root = Path(__file__).resolve().parent.parent
    rows = table(root)
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        readme = Path(sys.argv[2]).read_text(encoding="utf-8").splitlines()
        if BEGIN not in readme or END not in readme:
            print("the README has no table of files", file=sys.stderr)
            return 1
        shown = readme[readme.index(BEGIN):readme.index(END) + 1]
        stale = sorted(set(rows) ^ set(shown))
        for row in stale:
            print(("missing: " if row in rows else "stale: ") + row, file=sys.stderr)
        if stale:
            print("run scripts/layout_table.py and put its table in the README", file=sys.stderr)
        return 1 if stale else 0
    print("\n".join(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main())
