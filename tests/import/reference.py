"""A second Pinyin dictionary, pinyin-pro's (npm packages pinyin-pro and @pinyin-pro/data),
that the import does not read: the readings of the practice tables are checked against it."""

import json
import os
import re
import unicodedata

NPM_MODULES = os.path.join(os.environ.get("QUORVIN_NPM_DIR", "/usr/local/share/quorvin-npm"),
                           "node_modules")
WORDS = [os.path.join(NPM_MODULES, "@pinyin-pro", "data", "json", name)
         for name in ("modern.json", "complete.json")]
CHARS = os.path.join(NPM_MODULES, "pinyin-pro", "dist", "index.js")

TONED = {v: (base, tone + 1) for base, row in
         {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù", "ü": "ǖǘǚǜ"}.items()
         for tone, v in enumerate(row)}


def numbered(marked):
    """'zhōng' -> 'zhong1', 'lǜ' -> 'lv4', 'de' -> 'de5'."""
    letters, tone = [], 5
    for ch in unicodedata.normalize("NFC", marked.lower()):
        base, t = TONED.get(ch, (ch, None))
        letters.append(base)
        tone = t or tone
    return "".join(letters).replace("ü", "v") + str(tone)


def load_chars(path=CHARS):
    """{character: set of readings}: the object of the library's bundle that lists the
    characters by reading ({"zhī zhǐ": ["只"], ...}), some of its keys unquoted."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    anchor = text.index('"zhī zhǐ":["只"]')
    start = text.rindex("={", 0, anchor) + 1
    body = text[start:text.index("}", anchor) + 1]
    table = json.loads(re.sub(r'([,{])([a-zü]+):', r'\1"\2":', body))
    out = {}
    for readings, chars in table.items():
        for ch in chars:
            out.setdefault(ch, set()).update(numbered(r) for r in readings.split())
    return out


def load_words(paths=WORDS):
    """{word: [sounds]}, the first dictionary that has a word winning."""
    out = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for word, value in json.load(f).items():
                if len(word) > 1 and word not in out:
                    out[word] = [numbered(s) for s in value[0].split()]
    return out


SANDHI = {"一": {"yi1", "yi2", "yi4"}, "不": {"bu2", "bu4"}}


def difference(chars, ours, theirs):
    """'full' when a syllable differs in its letters or its full tone, 'neutral' when one
    reads a syllable in the neutral tone and the other with its tone, else None. The tone
    sandhi of 一 and 不 is no difference."""
    kind = None
    for ch, a, b in zip(chars, ours, theirs):
        if a == b or {a, b} <= SANDHI.get(ch, set()):
            continue
        if a[:-1] != b[:-1] or "5" not in (a[-1], b[-1]):
            return "full"
        kind = "neutral"
    return kind


def char_difference(ch, sound, known):
    """For a character's reading: None when the reference knows it, 'neutral' when it knows
    the letters with another tone and one of the two is neutral, else 'full'."""
    if sound in known:
        return None
    if any(k[:-1] == sound[:-1] and "5" in (k[-1], sound[-1]) for k in known):
        return "neutral"
    return "full"


def read_tsv(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f][1:]


def findings(tables, chars, words, exceptions):
    """Every reading of the Pinyin tables compared with the reference: [(table, entry, ours,
    theirs, kind)] with kind 'full' (a full tone or letters differ), 'light' (the reference
    reads a syllable light that the table gives its tone) or 'toned' (the table reads light
    what the reference gives a tone). A word of the reviewed exceptions is compared with the
    reading the exceptions give instead; a character's exception is a reading it adds."""
    out = []

    def compare(table, entry, ours, theirs):
        kind = difference(entry, ours, theirs)
        if kind == "neutral":
            light = any(t.endswith("5") and not o.endswith("5") for o, t in zip(ours, theirs))
            kind = "light" if light else "toned"
        if kind:
            out.append((table, entry, " ".join(ours), " ".join(theirs), kind))

    for table in ("PYs", "PYOne"):
        for ch, _, _, sound in tables[table]:
            # A character's exception adds a reading the reference lacks.
            known = chars.get(ch, set()) | set(exceptions.get(ch, ()))
            kind = char_difference(ch, sound, known)
            if kind:
                out.append((table, ch, sound, " ".join(sorted(known)),
                            "full" if kind == "full" else "toned"))
    for table in ("PYTwo", "PYMulti"):
        for word, _, _, sounds in tables[table]:
            ours = sounds.split()
            if word in exceptions:
                compare(table, word, ours, exceptions[word])
            elif word in words:
                compare(table, word, ours, words[word])
            else:
                # Not in the reference: each syllable must be a reading of its character.
                for ch, sound in zip(word, ours):
                    kind = char_difference(ch, sound, chars.get(ch, set()))
                    if kind == "full":
                        out.append((table, word, sounds, ch + ": " + " ".join(
                            sorted(chars.get(ch, ()))), "full"))
    return out
