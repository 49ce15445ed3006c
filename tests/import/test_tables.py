"""Checks the committed practice tables in data-src/ on their own terms: sizes, uniqueness,
GBK and the byte columns of the program's files, the Wubi code rules, the Pinyin readings,
spellings and sound names. The rules are derived here again, independently of the import tool."""

import os
import re
import subprocess
import sys
import unicodedata
import unittest

sys.dont_write_bytecode = True  # the import tool's modules are loaded from the source tree

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
DATA_SRC = os.path.join(ROOT, "data-src")
IMPORT_TOOL = os.path.join(ROOT, "tools", "import", "import_tables.py")

COLUMNS = {
    "wb1": ["char", "code"],
    "wb2": ["char", "code", "animation"],
    "wbzg": ["key", "radical", "note"],
    "wbOne": ["char", "code1", "code2", "code3", "code4"],
    "wbs": ["char", "code1", "code2", "code3", "code4", "animation"],
    "wbTwo": ["word", "code"],
    "wbMulti": ["phrase", "code"],
    "PYs": ["char", "reading", "spelling", "sound"],
    "PYOne": ["char", "reading", "spelling", "sound"],
    "PYTwo": ["word", "spelling", "reading", "sounds"],
    "PYMulti": ["phrase", "spelling", "reading", "sounds"],
    "neutral-tones": ["word", "sounds", "note"],
}


def load(name):
    path = os.path.join(DATA_SRC, name + ".tsv")
    with open(path, "rb") as f:
        raw = f.read()
    text = raw.decode("utf-8")
    assert "\r" not in text and text.endswith("\n"), name
    lines = text[:-1].split("\n")
    header = lines[0].split("\t")
    assert header == COLUMNS[name], (name, header)
    rows = [line.split("\t") for line in lines[1:]]
    for row in rows:
        assert len(row) == len(header), (name, row)
    return rows


def gbk(text):
    return text.encode("gbk")


def is_one_gbk_char(text):
    try:
        return len(text) == 1 and len(gbk(text)) == 2
    except UnicodeEncodeError:
        return False


# --- Wubi, derived independently ---------------------------------------------------------

def rule_code(full_codes):
    """Wubi 86 word codes: 2 characters AaAbBaBb, 3 characters AaBaCaCb, 4 or more AaBaCaZa."""
    n = len(full_codes)
    if n == 2:
        a, b = full_codes
        return a[0] + a[1] + b[0] + b[1]
    if n == 3:
        a, b, c = full_codes
        return a[0] + b[0] + c[0] + c[1]
    return "".join(f[0] for f in full_codes[:3]) + full_codes[-1][0]


# --- Pinyin, derived independently -------------------------------------------------------

INITIALS = ["zh", "ch", "sh", "b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j", "q",
            "x", "r", "z", "c", "s", "y", "w"]
# Finals as typed (ü typed v); which initial takes which is checked by a table of exceptions
# small enough to read.
FINALS = set("a o e ai ei ao ou an en ang eng ong er i ia ie iao iu ian in iang ing iong "
             "u ua uo uai ui uan un uang ue v ve".split())
NOT_AFTER = {
    "j": set("a o e ai ei ao ou an en ang eng ong er ua uo uai ui uang v ve".split()),
    "y": set("ai ei en eng er ia ie iao iu ian iang iong ua uo uai ui uang v ve".split()),
    "w": set("e ao ou ong er i ia ie iao iu ian in iang ing iong ua uo uai ui uan un uang "
             "ue v ve".split()),
}
NOT_AFTER["q"] = NOT_AFTER["x"] = NOT_AFTER["j"]
for initial in ("zh", "ch", "sh", "z", "c", "s", "r", "g", "k", "h"):
    NOT_AFTER[initial] = set("er ia ie iao iu ian in iang ing iong ue v ve".split())
for initial in ("b", "p", "m"):
    NOT_AFTER[initial] = set("er ua uo uai ui uan un uang ue ong ia iang iong v ve".split())
NOT_AFTER["f"] = set("er e ai ao ong i ia ie iao iu ian in iang ing iong ua uo uai ui uan un "
                     "uang ue v ve".split())
for initial in ("d", "t"):
    NOT_AFTER[initial] = set("er ua uai uang ue iang iong v ve".split())
for initial in ("n", "l"):
    NOT_AFTER[initial] = set("er ua uai ui uang ue iong".split())


def is_spelled_syllable(s):
    """A Mandarin syllable as typed (ü as v): an initial and a final it takes, or a final
    alone."""
    if s in ("a", "o", "e", "ai", "ei", "ao", "ou", "an", "en", "ang", "eng", "er"):
        return True
    for initial in INITIALS:
        if s.startswith(initial) and len(s) > len(initial):
            final = s[len(initial):]
            return final in FINALS and final not in NOT_AFTER.get(initial, set())
    return False


SOUND = re.compile(r"^([a-z]+)([1-5])$")
TONE_OF_MARK = {}
for plain, row in {"a": "āáǎà", "e": "ēéěè", "i": "īíǐì", "o": "ōóǒò", "u": "ūúǔù",
                   "ü": "ǖǘǚǜ"}.items():
    for i, marked in enumerate(row):
        TONE_OF_MARK[marked] = (plain, i + 1)


def unmark(reading):
    """'lǜ' -> ('lv', 4); 'de' -> ('de', 5). The tone mark may stand on one vowel only."""
    tone, letters = 5, []
    for ch in unicodedata.normalize("NFC", reading):
        if ch in TONE_OF_MARK:
            assert tone == 5, reading
            ch, tone = TONE_OF_MARK[ch]
        letters.append(ch)
    return "".join(letters).replace("ü", "v"), tone


def marked_vowel_is_right(reading):
    """The mark is on a or e when present, on the o of ou, else on the last vowel."""
    plain = unmark(reading)[0].replace("v", "ü")
    marked = [i for i, ch in enumerate(reading) if ch in TONE_OF_MARK]
    if not marked:
        return True
    i = marked[0]
    if "a" in plain:
        return i == plain.index("a")
    if "e" in plain:
        return i == plain.index("e")
    if "ou" in plain:
        return i == plain.index("ou")
    return i == max(j for j, ch in enumerate(plain) if ch in "iouü")


def split_sound(sound):
    m = SOUND.match(sound)
    if not m or not is_spelled_syllable(m.group(1)):
        raise AssertionError("bad sound name " + sound)
    return m.group(1), int(m.group(2))


class Tables(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.t = {name: load(name) for name in COLUMNS}
        cls.one = {row[0]: [c for c in row[1:] if c] for row in cls.t["wbOne"]}
        cls.position = {row[0]: i + 1 for i, row in enumerate(cls.t["wbOne"])}
        cls.full = {ch: codes[-1] for ch, codes in cls.one.items()}

    def assertUnique(self, values, what):
        seen, dups = set(), []
        for v in values:
            if v in seen:
                dups.append(v)
            seen.add(v)
        self.assertEqual(dups, [], what)

    # --- sizes and uniqueness -----------------------------------------------------------

    def test_sizes(self):
        sizes = {name: len(rows) for name, rows in self.t.items()}
        self.assertEqual(sizes["wb1"], 25)
        self.assertEqual(sizes["wb2"], 616)
        self.assertEqual(sizes["wbOne"], 7000)
        self.assertEqual(sizes["wbs"], 3000)
        self.assertEqual(sizes["wbTwo"], 12000)
        self.assertEqual(sizes["wbMulti"], 1500)
        self.assertEqual(sizes["PYs"], 3300)
        self.assertTrue(7900 <= sizes["PYOne"] <= 8000, sizes["PYOne"])
        self.assertEqual(sizes["PYTwo"], 12000)
        self.assertEqual(sizes["PYMulti"], 1500)
        self.assertTrue(100 <= sizes["wbzg"] <= 200, sizes["wbzg"])

    def test_entries_are_unique(self):
        self.assertUnique([r[0] for r in self.t["wb1"]], "wb1 characters")
        self.assertUnique([r[1] for r in self.t["wb1"]], "wb1 codes")
        self.assertUnique([r[0] for r in self.t["wb2"]], "wb2 characters")
        self.assertUnique([r[1] for r in self.t["wb2"]], "wb2 codes")
        self.assertUnique([r[1] for r in self.t["wbzg"]], "radicals")
        for name in ("wbOne", "wbs", "wbTwo", "wbMulti", "PYTwo", "PYMulti", "neutral-tones"):
            self.assertUnique([r[0] for r in self.t[name]], name)
        for name in ("PYs", "PYOne"):
            self.assertUnique([(r[0], r[1]) for r in self.t[name]], name + " readings")

    def test_rows_are_trimmed(self):
        for name, rows in self.t.items():
            for row in rows:
                for field in row:
                    self.assertEqual(field, field.strip(), (name, row))

    # --- GBK and the byte columns of the program's files ---------------------------------

    def test_every_field_is_gbk(self):
        for name, rows in self.t.items():
            if name == "neutral-tones":
                continue
            for row in rows:
                for field in row[:2] if name == "wbzg" else row:
                    try:
                        gbk(field)
                    except UnicodeEncodeError:
                        self.fail("%s: %r is not GBK" % (name, field))

    def test_characters_are_single_gbk_characters(self):
        for name in ("wb1", "wb2", "wbOne", "wbs", "PYs", "PYOne"):
            for row in self.t[name]:
                self.assertTrue(is_one_gbk_char(row[0]), (name, row[0]))
        for row in self.t["wbzg"]:
            self.assertTrue(is_one_gbk_char(row[1]), row)

    def test_fields_fit_their_columns(self):
        for ch, code in self.t["wb1"]:
            self.assertRegex(code, "^[a-y]$")
        for ch, code, animation in self.t["wb2"]:
            self.assertRegex(code, "^[a-y]{2}$")
            self.assertRegex(animation, "^[1-9][0-9]{0,7}$")          # bytes 9-16
        for row in self.t["wbOne"] + [r[:5] for r in self.t["wbs"]]:
            for code in row[1:]:
                self.assertRegex(code, "^([a-y]{1,4})?$")              # 4 bytes each
        for row in self.t["wbs"]:
            self.assertRegex(row[5], "^[1-9][0-9]*$")                  # from column 29
        for name in ("wbTwo", "wbMulti"):
            for word, code in self.t[name]:
                self.assertRegex(code, "^[a-y]{4}$")                   # columns 1-12
        for name in ("PYs", "PYOne"):
            for ch, reading, spelling, sound in self.t[name]:
                self.assertLessEqual(len(gbk(reading)), 11, reading)   # columns 1-11
                self.assertRegex(sound, "^[a-z]+[1-5]$")
        for word, spelling, reading, sounds in self.t["PYTwo"]:
            self.assertLessEqual(len(spelling), 12, word)              # columns 1-12
            self.assertEqual(len(gbk(word)), 4, word)                  # columns 13-16
            self.assertLessEqual(len(gbk(reading)), 19, word)          # columns 19-37
            self.assertEqual(len(sounds.split(" ")), 2, word)          # from column 40
        for phrase, spelling, reading, sounds in self.t["PYMulti"]:
            self.assertLessEqual(len(spelling), 12, phrase)
            self.assertLessEqual(len(gbk(phrase)), 19, phrase)         # columns 13-31
            self.assertLessEqual(len(gbk(reading)), 49, phrase)        # columns 33-81
            self.assertLessEqual(len(sounds.split(" ")), 10, phrase)   # from column 85

    # --- Wubi ----------------------------------------------------------------------------

    def test_level1_has_one_character_per_key(self):
        self.assertEqual(sorted(code for _, code in self.t["wb1"]),
                         list("abcdefghijklmnopqrstuvwxy"))
        for ch, code in self.t["wb1"]:
            self.assertEqual(self.one[ch][0], code, ch)

    def test_codes_are_shortest_first_and_end_with_the_full_code(self):
        for ch, codes in self.one.items():
            self.assertTrue(codes, ch)
            self.assertEqual(codes, sorted(codes, key=lambda c: (len(c), c)), ch)
            self.assertTrue(all(len(c) < len(codes[-1]) for c in codes[:-1]), ch)
            self.assertGreaterEqual(len(codes[-1]), 2, ch)

    def test_level2_codes_are_prefixes_of_full_codes(self):
        for ch, code, animation in self.t["wb2"]:
            self.assertIn(ch, self.one)
            self.assertTrue(self.full[ch].startswith(code), (ch, code, self.full[ch]))
            self.assertIn(code, self.one[ch])

    def test_animation_numbers_are_wbone_positions(self):
        for ch, code, animation in self.t["wb2"]:
            self.assertEqual(int(animation), self.position[ch], ch)
        for row in self.t["wbs"]:
            self.assertEqual(int(row[5]), self.position[row[0]], row[0])
            self.assertEqual(row[1:5], self.t["wbOne"][int(row[5]) - 1][1:5], row[0])

    def test_wbs_holds_the_most_frequent_characters(self):
        self.assertEqual([r[0] for r in self.t["wbs"]], [r[0] for r in self.t["wbOne"][:3000]])
        self.assertEqual(self.t["wbOne"][0][0], "的")

    def test_word_and_phrase_codes_follow_the_rules(self):
        for name, lengths in (("wbTwo", {2}), ("wbMulti", {3, 4})):
            for word, code in self.t[name]:
                self.assertIn(len(word), lengths, word)
                for ch in word:
                    self.assertIn(ch, self.full, (name, word))
                self.assertEqual(code, rule_code([self.full[ch] for ch in word]), (name, word))

    def test_known_codes(self):
        codes = dict(self.t["wbTwo"])
        self.assertEqual(codes["中国"], "khlg")
        self.assertEqual(codes["我们"], "trwu")
        self.assertEqual(self.full["中"], "khk")
        self.assertEqual(self.one["工"], ["a", "aaa", "aaaa"])

    def test_radicals_cover_every_key_and_agree_with_the_wubi_table(self):
        self.assertEqual(sorted(set(r[0] for r in self.t["wbzg"])),
                         list("abcdefghijklmnopqrstuvwxy"))
        checked = 0
        for key, radical, note in self.t["wbzg"]:
            if radical in self.full:
                self.assertEqual(self.full[radical][0], key, radical)
                checked += 1
        self.assertGreater(checked, 80)

    # --- Pinyin --------------------------------------------------------------------------

    def check_syllable(self, reading, sound):
        spelled, tone = split_sound(sound)
        self.assertEqual(unmark(reading), (spelled, tone), (reading, sound))
        self.assertTrue(marked_vowel_is_right(reading), reading)

    def test_character_readings_spellings_and_sounds_agree(self):
        for name in ("PYs", "PYOne"):
            for ch, reading, spelling, sound in self.t[name]:
                self.assertEqual(sound, spelling + sound[-1], (name, ch))
                self.check_syllable(reading, sound)

    def test_pyone_readings_of_a_character_are_consecutive(self):
        seen, last, count = set(), None, 0
        for ch, *_ in self.t["PYOne"]:
            if ch != last:
                self.assertNotIn(ch, seen, ch)
                seen.add(ch)
                last, count = ch, 0
            count += 1
            self.assertLessEqual(count, 4, ch)

    def test_pys_groups_hold_readings_of_one_character(self):
        pys = self.t["PYs"]
        groups = [pys[2 * g:2 * g + 2] for g in range(17)] + [pys[34:37], pys[37:40]]
        group_chars = set()
        for group in groups:
            self.assertEqual(len(set(r[0] for r in group)), 1, group)
            self.assertEqual(len(set(r[1] for r in group)), len(group), group)
            group_chars.add(group[0][0])
        self.assertEqual(len(group_chars), 19)
        rest = [r[0] for r in pys[40:]]
        self.assertUnique(rest, "PYs after the groups")
        self.assertFalse(group_chars & set(rest))

    def test_pys_readings_are_readings_of_pyone(self):
        readings, main = {}, {}
        for ch, reading, *_ in self.t["PYOne"]:
            readings.setdefault(ch, []).append(reading)
            main.setdefault(ch, reading)
        for i, (ch, reading, *_) in enumerate(self.t["PYs"]):
            self.assertIn(reading, readings.get(ch, []), ch)
            if i >= 40:
                self.assertEqual(reading, main[ch], ch)

    def test_word_readings_spellings_and_sounds_agree(self):
        for word, spelling, reading, sounds in self.t["PYTwo"]:
            parts = sounds.split(" ")
            self.assertEqual(spelling, "".join(split_sound(p)[0] for p in parts), word)
            # Written as one word: an apostrophe only before a, o or e.
            pieces, rest = [], reading
            for p in parts:
                letters = split_sound(p)[0]
                if pieces and letters[0] in "aoe":
                    self.assertTrue(rest.startswith("'"), word)
                    rest = rest[1:]
                size = len(letters.replace("v", "ü"))
                pieces.append(rest[:size])
                rest = rest[size:]
            self.assertEqual(rest, "", word)
            for piece, p in zip(pieces, parts):
                self.check_syllable(piece, p)

    def test_phrase_readings_spellings_and_sounds_agree(self):
        for phrase, spelling, reading, sounds in self.t["PYMulti"]:
            parts = sounds.split(" ")
            self.assertEqual(len(parts), len(phrase), phrase)
            self.assertEqual(spelling, "".join(split_sound(p)[0][0] for p in parts), phrase)
            syllables = reading.split(" ")
            self.assertEqual(len(syllables), len(parts), phrase)
            for piece, p in zip(syllables, parts):
                self.check_syllable(piece, p)

    def test_word_tables_share_their_words(self):
        self.assertEqual([r[0] for r in self.t["PYTwo"]], [r[0] for r in self.t["wbTwo"]])
        self.assertEqual([r[0] for r in self.t["PYMulti"]], [r[0] for r in self.t["wbMulti"]])

    def test_lexical_neutral_tones(self):
        sounds = {r[0]: r[3] for r in self.t["PYTwo"]}
        readings = {r[0]: r[2] for r in self.t["PYTwo"]}
        self.assertEqual(readings["东西"], "dōngxi")
        self.assertEqual(readings["地方"], "dìfang")
        self.assertEqual(readings["便宜"], "piányi")
        self.assertEqual(readings["答应"], "dāying")
        self.assertEqual(sounds["东西"], "dong1 xi5")
        self.assertEqual(readings["我们"], "wǒmen")
        self.assertEqual(readings["中国"], "zhōngguó")

    def test_reviewed_readings_are_used(self):
        words = {r[0]: r[3] for r in self.t["PYTwo"] + self.t["PYMulti"]}
        used = 0
        for word, sounds, note in self.t["neutral-tones"]:
            self.assertEqual(len(sounds.split(" ")), len(word), word)
            if word in words:
                self.assertEqual(words[word], sounds, word)
                used += 1
        self.assertGreater(used, 250)

    def test_yi_and_bu_keep_their_citation_tones(self):
        # The Pinyin source writes 一 and 不 with their changed tones (一个 yí gè); the
        # tables show yī and bù everywhere but in a few neutral-tone infixes.
        for word, spelling, reading, sounds in self.t["PYTwo"] + self.t["PYMulti"]:
            for ch, sound in zip(word, sounds.split(" ")):
                if ch == "一" and sound.startswith("yi"):
                    self.assertIn(sound, ("yi1", "yi5"), word)
                if ch == "不" and sound.startswith("bu"):
                    self.assertIn(sound, ("bu4", "bu5"), word)
        readings = {r[0]: r[2] for r in self.t["PYTwo"]}
        self.assertEqual(readings["一个"], "yīgè")
        self.assertEqual(readings["一定"], "yīdìng")
        self.assertEqual(readings["不会"], "bùhuì")


class Reproducible(unittest.TestCase):
    """The committed tables are what the import tool makes from the installed sources."""

    def test_import_reproduces_the_committed_tables(self):
        sys.path.insert(0, os.path.dirname(IMPORT_TOOL))
        try:
            import sources
        finally:
            sys.path.pop(0)
        missing = [f for src in sources.SOURCES + sources.NPM_SOURCES for f in src.files
                   if not os.path.exists(f)]
        if missing:
            self.skipTest("source packages not installed: " + " ".join(missing))
        # --check writes nothing; it fails when a table differs from what the sources give.
        result = subprocess.run([sys.executable, IMPORT_TOOL, "--check"],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main()
