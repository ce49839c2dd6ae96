#!/usr/bin/env python3
"""Writes re-encoded copies of the UTF-8 pages in tests/data/pages/encoded/.

Each NAME.html there is a UTF-8 page. For each, this writes beside it:
- NAME.LABEL.html for every legacy encoding listed for NAME below: the page converted with the
  system's iconv (the converters the engine reads with), its declared charset replaced by LABEL;
- NAME.utf-16le.html and NAME.utf-16be.html: the page in UTF-16 with a byte-order mark;
- NAME.references.html: every non-ASCII character written as a character reference (named where
  HTML has a name for it, otherwise decimal or hex in turn), except on the line of the keywords
  meta tag, which the existing-tag display shows as written.
The command must analyse every copy exactly like its original (`CliRealPages` in tests/cli/cli_test.cpp).

Usage: scripts/gen_encoded_pages.py [DIR]   (default: tests/data/pages/encoded)
"""
import html.entities
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Page name -> (declared label, iconv converter name) of each legacy copy.
LEGACY = {
    "ru": [("windows-1251", "CP1251"), ("koi8-r", "KOI8-R")],
    "ko": [("euc-kr", "CP949")],
    "ja": [("shift_jis", "CP932"), ("euc-jp", "EUC-JP"), ("iso-2022-jp", "ISO-2022-JP")],
    "zh": [("gb2312", "GB18030")],
    "tr": [("iso-8859-9", "CP1254")],
    "de": [("iso-8859-2", "ISO-8859-2"), ("latin2", "ISO-8859-2")],
}

CHARSET = re.compile(rb'(charset=["\']?)([A-Za-z0-9_.:-]+)', re.IGNORECASE)


def with_label(page, label):
    """The page with its first declared charset replaced by label."""
    out, count = CHARSET.subn(lambda m: m.group(1) + label.encode("ascii"), page, count=1)
    if count != 1:
        sys.exit("no charset declaration to replace")
    return out


def iconv(data, to_name):
    return subprocess.run(["iconv", "-f", "UTF-8", "-t", to_name], input=data,
                          check=True, capture_output=True).stdout


def names_by_character():
    names = {}
    for name, text in sorted(html.entities.html5.items()):
        if name.endswith(";") and len(text) == 1:
            names.setdefault(text, name)
    return names


def with_references(text):
    names = names_by_character()
    lines = text.split("\n")
    count = 0
    for i, line in enumerate(lines):
        if re.search(r'name\s*=\s*"keywords"', line, re.IGNORECASE):
            continue
        out = []
        for c in line:
            if ord(c) < 128:
                out.append(c)
                continue
            count += 1
            if c in names and count % 3 == 0:
                out.append("&" + names[c])
            elif count % 3 == 1:
                out.append("&#%d;" % ord(c))
            else:
                out.append("&#x%X;" % ord(c))
        lines[i] = "".join(out)
    return "\n".join(lines)


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "tests/data/pages/encoded")
    for name, copies in LEGACY.items():
        original = open(os.path.join(folder, name + ".html"), "rb").read()
        base = os.path.join(folder, name)
        for label, converter in copies:
            write(f"{base}.{label}.html", iconv(with_label(original, label), converter))
        for order, bom in (("le", b"\xff\xfe"), ("be", b"\xfe\xff")):
            page = with_label(original, "utf-16" + order).decode("utf-8")
            write(f"{base}.utf-16{order}.html", bom + page.encode("utf-16-" + order))
        write(f"{base}.references.html",
              with_references(original.decode("utf-8")).encode("utf-8"))


if __name__ == "__main__":
    main()
