#!/usr/bin/env python3
"""Imports the shipped practice articles into data-src/articles from Debian packages.

Chinese: the Tang and Song poems of fortunes-zh (tang300, song100; the package's file
"chinese" holds modern quotations and is not read), their colour codes stripped, several poems
to an article. English: the US Constitution and the Declaration of Independence of miscfiles,
one paragraph to a line. Writes UTF-8 text; tools/mkdata converts it to GBK with CR LF.
"""

import argparse
import gzip
import os
import re

FORTUNES = "/usr/share/games/fortunes"
STATE = "/usr/share/state"
COLOUR = re.compile(r"\x1b\[[0-9;]*m")
# Chinese text takes full-width punctuation, as a Chinese input method types it.
FULL_WIDTH = str.maketrans({":": "：", ",": "，", ";": "；", "!": "！", "?": "？", "(": "（",
                            ")": "）"})
# An article holds poems until it has at least this many characters of verse.
ARTICLE_CHARS = 300
CHINESE_ARTICLES = {"tang300": ("唐诗三百首", 24), "song100": ("宋词一百首", 8)}


def poems(path):
    """The poems of a fortune file as lists of lines: title, author, verse."""
    with open(path, encoding="utf-8") as f:
        text = COLOUR.sub("", f.read())
    for entry in re.split(r"\n%\s*\n", text):
        lines = [line.strip().translate(FULL_WIDTH)
                 for line in entry.strip().split("\n") if line.strip()]
        if len(lines) >= 3:
            yield lines


def chinese_articles(source, stem, count):
    article, verse, made = [], 0, []
    for poem in poems(os.path.join(FORTUNES, source)):
        if not all(is_gbk(line) for line in poem):
            continue
        article += poem
        verse += sum(len(line) for line in poem[2:])
        if verse >= ARTICLE_CHARS:
            made.append(("%s%02d" % (stem, len(made) + 1), article))
            article, verse = [], 0
            if len(made) == count:
                break
    return made


def is_gbk(text):
    try:
        text.encode("gbk")
        return True
    except UnicodeEncodeError:
        return False


def paragraphs(text):
    """Paragraphs of a hard-wrapped text, each on one line."""
    return [" ".join(p.split()) for p in re.split(r"\n\s*\n", text) if p.strip()]


def english_articles():
    with gzip.open(os.path.join(STATE, "us-constitution.gz"), "rt", encoding="ascii") as f:
        constitution = f.read()
    with gzip.open(os.path.join(STATE, "us-declaration.gz"), "rt", encoding="ascii") as f:
        declaration = f.read()
    parts = re.split(r"\n(?=Article [IVX]+\n|Amendment [IVX]+\n|Amendments\n)", constitution)
    preamble, articles, amendments = [], {}, {}
    for part in parts:
        head = part.strip().split("\n", 1)[0]
        if head.startswith("Article "):
            articles[head] = paragraphs(part)
        elif head.startswith("Amendment "):
            amendments[head] = paragraphs(part)
        elif head != "Amendments":
            preamble = paragraphs(part)
    made = []
    first = True
    for head, text in articles.items():
        made.append(("Constitution " + head, (preamble if first else []) + text))
        first = False
    numerals = list(amendments)
    for start, end in ((0, 10), (10, 19), (19, len(numerals))):
        name = "Bill of Rights" if start == 0 else "Amendments %s-%s" % (
            numerals[start].split()[1], numerals[end - 1].split()[1])
        made.append((name, [line for n in numerals[start:end] for line in amendments[n]]))
    made.append(("Declaration of Independence", paragraphs(declaration)))
    return made


def write(folder, articles):
    os.makedirs(folder, exist_ok=True)
    for name in os.listdir(folder):
        os.remove(os.path.join(folder, name))
    for name, lines in articles:
        with open(os.path.join(folder, name + ".txt"), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("out", help="the articles folder of data-src")
    args = parser.parse_args(argv)
    chinese = []
    for source, (stem, count) in CHINESE_ARTICLES.items():
        chinese += chinese_articles(source, stem, count)
    write(os.path.join(args.out, "Chinese"), chinese)
    write(os.path.join(args.out, "English"), english_articles())


if __name__ == "__main__":
    main()
