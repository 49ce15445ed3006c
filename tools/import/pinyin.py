"""Pinyin syllables: parsing the notations of the sources, writing readings, spellings and sounds.

A syllable is held as (letters, tone): the letters in lower case with "ü" where the standard
spelling writes it ("lü", "nüe", "ju"), the tone 1 to 4, or 5 for the neutral tone.

  reading   the syllable as shown to the learner, tone mark on its vowel: "lǜ", "zhōng", "le"
  spelling  the letters typed, "ü" typed as "v": "lv", "zhong", "le"
  sound     the spelling with the tone digit, the name of the recording: "lv4", "zhong1", "le5"
"""

import re
import unicodedata

_MARKS = {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù", "ü": "ǖǘǚǜ"}
_UNMARK = {marked: (vowel, tone + 1) for vowel, row in _MARKS.items() for tone, marked in enumerate(row)}

# The finals each initial takes in standard Mandarin ("" is the syllable without initial).
_GKH = "a e ai ei ao ou an en ang eng ong u ua uo uai ui uan un uang"
_ZCS = "a e ai ei ao ou an en ang eng ong i u uo ui uan un"
_JQX = "i ia ie iao iu ian in iang ing iong u ue uan un"
_FINALS_OF = {
    "b": "a o ai ei ao an en ang eng i ie iao ian in ing u",
    "p": "a o ai ei ao ou an en ang eng i ie iao ian in ing u",
    "m": "a o e ai ei ao ou an en ang eng i ie iao iu ian in ing u",
    "f": "a o ei ou an en ang eng u",
    "d": "a e ai ei ao ou an en ang eng ong i ia ie iao iu ian ing u uo ui uan un",
    "t": "a e ai ei ao ou an ang eng ong i ie iao ian ing u uo ui uan un",
    "n": "a e ai ei ao ou an en ang eng ong i ie iao iu ian in iang ing u uo uan un ü üe",
    "l": "a o e ai ei ao ou an ang eng ong i ia ie iao iu ian in iang ing u uo uan un ü üe",
    "g": _GKH, "k": _GKH, "h": _GKH,
    "zh": _GKH + " i", "ch": _GKH + " i", "sh": _GKH + " i",
    "r": "e ao ou an en ang eng ong i u ua uo ui uan un",
    "z": _ZCS, "c": _ZCS, "s": _ZCS,
    "j": _JQX, "q": _JQX, "x": _JQX,
    "y": "a o e ao ou an ang i in ing ong u ue uan un",
    "w": "a o ai ei an en ang eng u",
    "": "a o e ai ei ao ou an en ang eng er",
}
SYLLABLES = frozenset(i + f for i, finals in _FINALS_OF.items() for f in finals.split())


def is_syllable(letters):
    """True when the letters (with "ü") spell a standard Mandarin syllable."""
    return letters in SYLLABLES


def parse_marked(text):
    """'zhōng' -> ('zhong', 1); 'le' -> ('le', 5). None for anything that is no standard
    syllable (the interjections 'ḿ', 'ê̄', 'ńg' and the like)."""
    text = unicodedata.normalize("NFC", text.strip().lower())
    letters, tone = [], 5
    for ch in text:
        if ch in _UNMARK:
            vowel, t = _UNMARK[ch]
            if tone != 5:
                return None
            letters.append(vowel)
            tone = t
        else:
            letters.append(ch)
    word = "".join(letters)
    return (word, tone) if is_syllable(word) else None


def parse_numbered(text):
    """'zhong1', 'lv4', 'nve4', 'le5' (the notation of the Rime dictionaries) -> syllable."""
    m = re.fullmatch(r"([a-zü]+)([1-5])", text.strip().lower())
    if not m:
        return None
    letters = m.group(1).replace("v", "ü")
    if letters in ("lue", "nue"):
        letters = letters[0] + "üe"
    return (letters, int(m.group(2))) if is_syllable(letters) else None


def spelling(syl):
    """The letters typed for a syllable: 'ü' becomes 'v'."""
    return syl[0].replace("ü", "v")


def toneless_key(text):
    """A comparable toneless form of a typed syllable in any of the sources' notations:
    'lue' and 'lve' both give 'lve', 'nv' gives 'nv'."""
    text = text.replace("ü", "v")
    if text in ("lue", "nue"):
        text = text[0] + "ve"
    return text


def sound(syl):
    """'zhong1', 'lv4', 'de5'."""
    return spelling(syl) + str(syl[1])


def _mark_position(letters):
    for vowel in ("a", "e"):
        if vowel in letters:
            return letters.index(vowel)
    if "ou" in letters:
        return letters.index("ou")
    for i in range(len(letters) - 1, -1, -1):
        if letters[i] in "iouü":
            return i
    raise ValueError("no vowel in " + letters)


def reading(syl):
    """The syllable with its tone mark: ('lü', 4) -> 'lǜ', ('le', 5) -> 'le'."""
    letters, tone = syl
    if tone == 5:
        return letters
    i = _mark_position(letters)
    return letters[:i] + _MARKS[letters[i]][tone - 1] + letters[i + 1:]


def word_reading(syls):
    """A word as one unit, by the spelling rules: syllables written together, an apostrophe
    before a syllable that starts with a, o or e: 'zhōngguó', 'xī'ān'."""
    out = []
    for i, syl in enumerate(syls):
        if i and syl[0][0] in "aoe":
            out.append("'")
        out.append(reading(syl))
    return "".join(out)


def phrase_reading(syls):
    """A phrase syllable by syllable: 'yī xīn yī yì'."""
    return " ".join(reading(s) for s in syls)
