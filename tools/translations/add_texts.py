#!/usr/bin/env python3
"""Adds texts to every string table: add_texts.py FILE, where FILE holds one
block per key: a line with the key, then one line "code<TAB>text" per shipped
language, blocks separated by blank lines. A key a table has already is
replaced there."""
import sys
from pathlib import Path
from xml.sax.saxutils import escape

FOLDER = Path(__file__).resolve().parents[2] / "resources" / "translations"


def blocks(text):
    for block in text.strip().split("\n\n"):
        lines = block.strip().splitlines()
        yield lines[0].strip(), dict(line.split("\t", 1) for line in lines[1:])


def put(table, key, text):
    source = f"<source>{escape(key)}</source>"
    message = f"    <message>\n        {source}\n        <translation>{escape(text)}</translation>\n    </message>\n"
    start = table.find(source)
    if start >= 0:
        begin = table.rfind("    <message>", 0, start)
        end = table.find("</message>", start) + len("</message>\n")
        return table[:begin] + message + table[end:]
    at = table.rfind("</context>")
    return table[:at] + message + table[at:]


def main():
    entries = list(blocks(Path(sys.argv[1]).read_text(encoding="utf-8")))
    for path in sorted(FOLDER.glob("vexo_*.ts")):
        code = path.stem[len("vexo_"):]
        table = path.read_text(encoding="utf-8")
        for key, texts in entries:
            if code not in texts:
                sys.exit(f"{key}: no {code} text")
            table = put(table, key, texts[code])
        path.write_text(table, encoding="utf-8")


if __name__ == "__main__":
    main()
