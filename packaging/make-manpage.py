#!/usr/bin/env python3
"""Writes the manual page from its template, the game's --help text and the README.

usage: make-manpage.py TEMPLATE HELP_TEXT README VERSION DATE OUT

Each option line of --help ("  --name VALUE   what it does") becomes an OPTIONS entry, each row
of the README's key table a KEYS entry, and the README's "Console commands:" paragraph the
CONSOLE COMMANDS list; a new option or key therefore reaches the page without editing it.
"""
import re
import sys

# Characters the README uses that roff spells by name.
SPECIAL = {"\u2013": "\\(en", "\u2212": "\\-", "\u00d7": "\\(mu", "\u2014": "\\(em"}


def roff(text):
    """Escapes plain text for roff and turns `code` into bold."""
    text = text.replace("\\", "\\e").replace("-", "\\-")
    for char, name in SPECIAL.items():
        text = text.replace(char, name)
    text = re.sub(r"`([^`]*)`", r"\\fB\1\\fR", text)
    return "\\&" + text if text[:1] in (".", "'") else text


def options(help_text):
    entries = []
    for line in help_text.splitlines():
        match = re.match(r"^  (--\S+)(?: (\S+))?\s{2,}(.*)$", line)
        if not match:
            continue
        name, value, what = match.groups()
        head = "\\fB" + roff(name) + "\\fR" + (" \\fI" + roff(value) + "\\fR" if value else "")
        entries.append(".TP\n" + head + "\n" + roff(what[:1].upper() + what[1:]) + ".")
    if not entries:
        sys.exit("make-manpage.py: no options found in the --help text")
    return "\n".join(entries)


def section(readme, title):
    match = re.search(r"^## " + re.escape(title) + r"\n(.*?)(?=^## |\Z)", readme, re.S | re.M)
    if not match:
        sys.exit("make-manpage.py: the README has no '## %s' section" % title)
    return match.group(1)


def keys(readme):
    entries = []
    for line in section(readme, "Keys").splitlines():
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) != 2 or cells[0] in ("key", "") or set(cells[0]) <= set("-"):
            continue
        entries.append(".TP\n.B " + roff(cells[0]) + "\n" + roff(cells[1][:1].upper() + cells[1][1:]) + ".")
    if not entries:
        sys.exit("make-manpage.py: no rows in the README's key table")
    return "\n".join(entries)


def console_commands(readme):
    match = re.search(r"^Console commands:(.*?)(?:\n\n|\Z)", section(readme, "Keys"), re.S | re.M)
    commands = re.findall(r"`([^`]*)`", match.group(1)) if match else []
    if not commands:
        sys.exit("make-manpage.py: no console commands in the README")
    return ".PP\n" + ",\n".join("\\fB" + roff(c) + "\\fR" for c in commands) + "."


def main(template, help_path, readme_path, version, date, out):
    with open(template, encoding="utf-8") as f:
        page = f.read()
    with open(help_path, encoding="utf-8") as f:
        help_text = f.read()
    with open(readme_path, encoding="utf-8") as f:
        readme = f.read()
    for name, text in (("@OPTIONS@", options(help_text)), ("@KEYS@", keys(readme)),
                       ("@CONSOLE@", console_commands(readme)), ("@VERSION@", version), ("@DATE@", date)):
        page = page.replace(name, text)
    with open(out, "w", encoding="utf-8") as f:
        f.write(page)


if __name__ == "__main__":
    if len(sys.argv) != 7:
        sys.exit(__doc__.strip().splitlines()[2])
    main(*sys.argv[1:])
