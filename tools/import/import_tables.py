#!/usr/bin/env python3
"""Imports the Wubi and Pinyin practice tables into data-src/ from the installed Debian packages.

Run by a developer when a source package changes, not at build time; the tables it writes are
committed. See tools/import/README.md for what each table holds and how it is chosen.

  python3 tools/import/import_tables.py           write the tables into data-src/
  python3 tools/import/import_tables.py --check   write nothing; fail when a committed table
                                                  differs from what the sources give now
"""

import argparse
import os
import re
import sys
import time
from collections import Counter, defaultdict

sys.dont_write_bytecode = True  # keep the source tree clean of __pycache__

import pinyin  # noqa: E402
import sources  # noqa: E402
import wubi  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))
DATA_SRC = os.path.normpath(os.path.join(HERE, "..", "..", "data-src"))

# Sizes of the tables (the capacities of the program's tables).
WB_ONE_SIZE = 7000
COMMON_SIZE = 3500          # Unihan kTGH level 1
WBS_SIZE = 3000
WORD_COUNT = 12000
PHRASE_COUNT = 1500
PYS_SIZE = 3300
PY_ONE_SIZE = 8000
PAIR_GROUPS = 17            # PYs positions 1-34
TRIPLE_GROUPS = 2           # PYs positions 35-40
MAX_READINGS = 4            # the hint gathers at most four readings of a character
PHRASE_LENGTHS = (3, 4)     # the hint looks phrases up by the next three or four characters
# A phrase with no spelling in pinyin_simp and no reading in terra_pinyin is taken only when
# each of its characters has one reading or one with at least this share in terra_pinyin.
SURE_SHARE = 0.95

# Byte widths of the fields in the program's files (GBK).
READING_BYTES = 11          # PYs, PYOne: columns 1-11
WORD_SPELLING_BYTES = 12    # PYTwo, PYMulti: columns 1-12
WORD_READING_BYTES = 19     # PYTwo: columns 19-37
PHRASE_BYTES = 19           # PYMulti: columns 13-31
PHRASE_READING_BYTES = 49   # PYMulti: columns 33-81
MAX_SOUNDS = 10

MARK_BEGIN = "<!-- import_tables.py: begin -->"
MARK_END = "<!-- import_tables.py: end -->"


class CheckFailed(Exception):
    """A check failed: the tables are not written."""


def gbk_len(text):
    """Bytes of the text in GBK; raises UnicodeEncodeError when it is not representable."""
    return len(text.encode("gbk"))


def is_gbk_char(ch):
    try:
        return gbk_len(ch) == 2
    except UnicodeEncodeError:
        return False


class Tally:
    """Counts of what was dropped, recomputed or settled, per table and reason."""

    def __init__(self):
        self.counts = Counter()
        self.examples = defaultdict(list)

    def add(self, table, reason, example=None):
        self.counts[(table, reason)] += 1
        if example is not None and len(self.examples[(table, reason)]) < 6:
            self.examples[(table, reason)].append(example)

    def lines(self):
        out = []
        for (table, reason), n in sorted(self.counts.items()):
            ex = self.examples.get((table, reason))
            out.append("  %-8s %6d  %s%s" % (table, n, reason,
                                              (": " + " ".join(ex)) if ex else ""))
        return out


# ---------------------------------------------------------------------------------------------
# Characters: the common set, frequency, Wubi codes, readings

class Characters:
    def __init__(self, unihan, wubi_rows, simp_rows, terra_rows, tally):
        self.tally = tally
        self.level = {}
        for ch, fields in unihan.items():
            if "kTGH" in fields:
                number = int(fields["kTGH"].split(":")[1])
                self.level[ch] = 1 if number <= 3500 else 2 if number <= 6500 else 3
        self.trad = {}

        self.codes = defaultdict(set)
        for row in wubi_rows:
            if len(row[0]) == 1 and not row[1].startswith("z"):
                self.codes[row[0]].add(row[1])

        self.simp_weight = Counter()
        for text, _, weight in simp_rows:
            if len(text) == 1:
                self.simp_weight[text] += int(weight)

        # terra_pinyin: the share of each reading of a (traditional) character.
        self.terra_share = defaultdict(dict)
        for row in terra_rows:
            if len(row[0]) == 1:
                syl = pinyin.parse_numbered(row[1])
                if syl is None:
                    continue
                share = float(row[2].rstrip("%")) / 100 if len(row) > 2 else None
                self.terra_share[row[0]][syl] = share

        self.standard = {}      # kTGHZ2013 readings, in dictionary order
        self.customary = {}     # kMandarin, the first value (the mainland one)
        self.corpus = {}        # kHanyuPinlu counts per reading
        for ch, fields in unihan.items():
            if "kTGHZ2013" in fields:
                syls = []
                for item in fields["kTGHZ2013"].split():
                    syl = pinyin.parse_marked(item.split(":")[1])
                    if syl is None:
                        tally.add("chars", "reading that is no standard syllable (interjection)",
                                  ch + item.split(":")[1])
                    elif syl not in syls:
                        syls.append(syl)
                self.standard[ch] = syls
            if "kMandarin" in fields:
                self.customary[ch] = pinyin.parse_marked(fields["kMandarin"].split()[0])
            if "kHanyuPinlu" in fields:
                counts = {}
                for m in re.finditer(r"(\S+)\((\d+)\)", fields["kHanyuPinlu"]):
                    syl = pinyin.parse_marked(m.group(1))
                    if syl is not None:
                        counts[syl] = counts.get(syl, 0) + int(m.group(2))
                self.corpus[ch] = counts

    def corpus_total(self, ch):
        return sum(self.corpus.get(ch, {}).values())

    def by_frequency(self, chars):
        """Orders characters by frequency: the mean of their ranks by the pinyin_simp weights
        and by the kHanyuPinlu corpus counts (a character missing from a source ranks last
        there); ties by code point."""
        chars = sorted(set(chars))

        def ranks(score):
            order = sorted(chars, key=lambda c: (-score(c), c))
            rank, last = {}, None
            for i, c in enumerate(order):
                s = score(c)
                if s != last:
                    position, last = i, s
                rank[c] = position
            return rank
        r1 = ranks(lambda c: self.simp_weight[c])
        r2 = ranks(self.corpus_total)
        return sorted(chars, key=lambda c: (r1[c] + r2[c], c))

    def full_code(self, ch):
        """The character's full code. Where the Wubi table has two (a second decomposition),
        the one its short codes abbreviate; None when that does not settle it."""
        codes = self.codes.get(ch, ())
        full = wubi.full_codes(codes)
        if len(full) > 1:
            short = [c for c in codes if c not in full and not c.startswith("z")]
            full = [f for f in full if short and all(f.startswith(c) for c in short)]
        return full[0] if len(full) == 1 else None

    def wubi_codes(self, ch):
        """Up to four codes, shortest first; the last is the full code."""
        full = self.full_code(ch)
        # A short code abbreviates the full code; only the level-1 codes (one letter) need not.
        codes = sorted((c for c in self.codes[ch]
                        if not c.startswith("z") and
                        (c == full or (len(c) < len(full) and (len(c) == 1 or full.startswith(c))))),
                       key=lambda c: (len(c), c))
        if len(codes) < len([c for c in self.codes[ch] if not c.startswith("z")]):
            self.tally.add("wbOne", "second full code or stray short code left out", ch)
        if len(codes) > 4:
            self.tally.add("wbOne", "codes beyond four left out", ch)
            codes = codes[:3] + [full]
        return codes

    def all_readings(self, ch):
        """Every reading Unihan knows for the character today: kTGHZ2013, kMandarin and the
        readings counted in kHanyuPinlu (which has the neutral tones of suffixes)."""
        out = list(self.standard.get(ch, []))
        for syl in [self.customary.get(ch)] + sorted(self.corpus.get(ch, {})):
            if syl is not None and syl not in out:
                out.append(syl)
        return out

    def readings(self, ch):
        """The standard readings of a character, main reading first: ordered by corpus count,
        then the customary reading, then the share in terra_pinyin, then dictionary order."""
        syls = self.standard.get(ch, [])
        counts = self.corpus.get(ch, {})
        customary = self.customary.get(ch)
        shares = {}
        for trad in self.traditional_forms(ch):
            for syl, share in self.terra_share.get(trad, {}).items():
                shares[syl] = max(shares.get(syl, 0), share or 0)
        return sorted(syls, key=lambda s: (-counts.get(s, 0), s != customary,
                                           -shares.get(s, 0), syls.index(s)))

    def traditional_forms(self, ch):
        return self.trad.get(ch, [ch])


# ---------------------------------------------------------------------------------------------
# Readings of words and phrases

class Sandhi:
    """terra_pinyin writes 一 and 不 with the tone they take before the next syllable; the
    tables show the citation tone (一 yī, 不 bù), as dictionaries do."""

    @staticmethod
    def undo(chars, syls, tally):
        out = list(syls)
        for i, ch in enumerate(chars):
            if i + 1 >= len(syls):
                break
            letters, tone = syls[i]
            following = syls[i + 1][1]
            if ch == "一" and letters == "yi" and (
                    (tone == 2 and following == 4) or (tone == 4 and following in (1, 2, 3))):
                out[i] = ("yi", 1)
                tally.add("readings", "一 tone sandhi of terra_pinyin undone")
            elif ch == "不" and letters == "bu" and tone == 2 and following == 4:
                out[i] = ("bu", 4)
                tally.add("readings", "不 tone sandhi of terra_pinyin undone")
        return out


ERHUA = "erhua"


class WordReadings:
    def __init__(self, chars, terra_rows, cedict, simp_words, wubi_words, exceptions, tally):
        self.chars = chars
        self.cedict = cedict
        self.simp = simp_words
        self.wubi_words = wubi_words
        self.tally = tally
        self.exceptions = exceptions
        self.terra = defaultdict(list)
        for row in terra_rows:
            if len(row[0]) > 1:
                self.terra[row[0]].append(row[1])
        self.trad = {}
        self.review = []
        self.used_exceptions = set()
        self._terra_found = {}

    @staticmethod
    def convert(words):
        """{word: its traditional forms (opencc s2t and s2tw) of the same length}"""
        conversions = [sources.to_traditional(words, cfg) for cfg in ("s2t", "s2tw")]
        return {w: sorted(set(c[w] for c in conversions if len(c[w]) == len(w)))
                for w in words}

    def set_traditional(self, words):
        self.trad.update(self.convert(words))

    def terra_readings(self, word):
        if word not in self._terra_found:
            self._terra_found[word] = self._find_terra(word)
        return self._terra_found[word]

    def _find_terra(self, word):
        found = []
        for trad in self.trad.get(word, []):
            for code in self.terra.get(trad, []):
                syls = [pinyin.parse_numbered(s) for s in code.split()]
                if len(syls) != len(word) or None in syls:
                    continue
                syls = Sandhi.undo(word, syls, self.tally)
                if syls not in found:
                    found.append(syls)
        return found

    def mainland_reading(self, table, word, spelled):
        """The word's reading by CC-CEDICT: its syllables, [] when the word is to be dropped
        (counted), None when CC-CEDICT does not settle it. A reading must be one Unihan knows
        for each character (or its letters in the neutral tone). Common-word entries come
        before names, and those matching pinyin_simp's spelling first; where none matches,
        CC-CEDICT's letters are taken too (模样 múyàng, not móyàng)."""
        entries = self.cedict_readings(word)
        if entries == ERHUA:
            self.tally.add(table, "dropped: erhua (儿 joins the syllable before it, typed "
                           "otherwise)", word)
            return []

        usable = [(syls, name) for syls, name in entries if self.unihan_knows(word, syls)]
        if entries and not usable:
            self.tally.add(table, "CC-CEDICT's reading is none Unihan knows", word)
            return None
        for spelled_alike, name in ((True, False), (True, True), (False, False), (False, True)):
            pool = [syls for syls, is_name in usable
                    if is_name == name and self.spelled_alike(syls, spelled) == spelled_alike]
            if not pool:
                continue
            if not spelled_alike:
                self.tally.add(table, "spelling by CC-CEDICT, not pinyin_simp",
                               word + ":" + "".join(map(pinyin.spelling, pool[0])))
            if len(pool) == 1:
                self.tally.add(table, "reading from CC-CEDICT")
                return pool[0]
            # Two senses (地方 dìfāng "local", dìfang "place"): the one terra_pinyin reads,
            # where it reads only one of them; else settled by hand in neutral-tones.tsv.
            agreed = [r for r in pool if r in self.terra_readings(word)]
            if len(agreed) == 1:
                self.tally.add(table, "CC-CEDICT reads it in several ways, terra_pinyin in one "
                               "of them", word)
                return agreed[0]
            self.review.append((word, pool))
            self.tally.add(table, "dropped: CC-CEDICT reads it in several ways and "
                           "neutral-tones.tsv does not settle it", word)
            return []
        return None

    def unihan_knows(self, word, syls):
        """True when each syllable is a reading Unihan knows for its character, or its letters
        in the neutral tone (the lexical neutral tones: 衣服 yīfu)."""
        for ch, syl in zip(word, syls):
            readings = self.chars.all_readings(ch)
            if syl not in readings and not (syl[1] == 5 and any(r[0] == syl[0] for r in readings)):
                return False
        return True

    @staticmethod
    def spelled_alike(syls, spelled):
        return spelled is None or [pinyin.toneless_key(pinyin.spelling(s))
                                   for s in syls] == spelled

    def cedict_readings(self, word):
        """The readings CC-CEDICT gives the word: [(syllables, is a name's entry)], or ERHUA
        when it reads a final 儿 as the suffix r (花儿 huār, the flower, besides huā'ér)."""
        entries = self.cedict.get(word, [])
        if word[-1] == "儿" and any(e.split()[-1] == "r5" for e in entries):
            return ERHUA
        found = []
        for entry in entries:
            texts = entry.lower().replace("u:", "ü").split()
            if len(texts) != len(word):
                continue
            syls = [pinyin.parse_numbered(t) for t in texts]
            if None in syls:
                continue
            syls = Sandhi.undo(word, syls, self.tally)
            item = (syls, entry != entry.lower())
            if item not in found:
                found.append(item)
        return found

    def char_shares(self, word, i):
        """The shares terra_pinyin gives the readings of the word's i-th character (a sole
        reading has all of it; several without shares settle nothing)."""
        shares = {}
        for trad in self.trad.get(word, []):
            readings = self.chars.terra_share.get(trad[i], {})
            for syl, share in readings.items():
                if share is None and len(readings) == 1:
                    share = 1.0
                if share is not None:
                    shares[syl] = max(shares.get(syl, 0), share)
        return shares

    def known(self, word):
        """True when a dictionary besides jieba lists the word."""
        return (word in self.simp or word in self.wubi_words
                or any(t in self.terra for t in self.trad.get(word, [])))

    def resolve(self, table, word):
        """The syllables of a word, or None (counted in the tally) when they cannot be settled.
        The spelling comes from pinyin_simp; a four-character phrase it lacks is read as two
        words where pinyin_simp has both halves, unless terra_pinyin reads it whole."""
        spelled = simp_spelling(self.simp[word]) if word in self.simp else None
        if (spelled is None and len(word) == 4 and word not in self.exceptions
                and word[:2] in self.simp and word[2:] in self.simp
                and not self.terra_readings(word)):
            halves = [self.resolve(table, word[:2]), self.resolve(table, word[2:])]
            if None in halves:
                return None
            self.tally.add(table, "read as two words")
            return halves[0] + halves[1]
        return self.resolve_spelled(table, word, spelled)

    def resolve_spelled(self, table, word, spelled):
        """spelled: the toneless syllables, or None when no source spells the word."""
        if word in self.exceptions:
            self.used_exceptions.add(word)
            syls = self.exceptions[word]
            if not self.unihan_knows(word, syls):
                raise CheckFailed("neutral-tones.tsv: %s has a reading Unihan does not know"
                                   % word)
            if not self.spelled_alike(syls, spelled):
                self.tally.add(table, "spelling by the reviewed reading, not pinyin_simp", word)
            self.tally.add(table, "reading from the reviewed exceptions")
            return syls
        mainland = self.mainland_reading(table, word, spelled)
        if mainland is not None:
            return mainland or None
        candidates = []
        for i, ch in enumerate(word):
            cands = self.chars.all_readings(ch)
            if spelled is not None:
                cands = [s for s in cands if pinyin.toneless_key(pinyin.spelling(s)) == spelled[i]]
            if not cands:
                self.tally.add(table, "no Unihan reading matches the spelling"
                               if spelled else "character without reading", word)
                return None
            candidates.append(cands)

        def fits(syls):
            for i, syl in enumerate(syls):
                if syl in candidates[i]:
                    continue
                # A lexical neutral tone: the letters of a reading Unihan knows, tone 5.
                if syl[1] == 5 and any(c[0] == syl[0] for c in candidates[i]):
                    continue
                return False
            return True


        terra = [r for r in self.terra_readings(word) if fits(r)]
        if len(terra) == 1:
            self.tally.add(table, "reading from terra_pinyin (word)")
            return terra[0]
        if len(terra) > 1:
            # Mostly a word read with a neutral tone in one sense and full tones in another
            # (东西 dōngxi, dōngxī): settled by hand in neutral-tones.tsv.
            self.review.append((word, terra))
            self.tally.add(table, "dropped: terra_pinyin reads it in several ways and "
                           "neutral-tones.tsv does not settle it", word)
            return None
        return self.per_char(table, word, candidates, spelled is None)

    def per_char(self, table, word, candidates, unspelled):
        out = []
        for i, ch in enumerate(word):
            # A neutral tone the dictionary does not give the character (头 tou, 子 zi) is one
            # of its use in certain words: the word's reading must say so.
            cands = [s for s in candidates[i]
                     if s[1] != 5 or s in self.chars.standard.get(ch, [])] or candidates[i]
            if len(cands) == 1:
                out.append(cands[0])
                continue
            shares = self.char_shares(word, i)
            best = self._unique_best(cands, lambda s: shares.get(s, -1))
            if unspelled and (best is None or shares.get(best, 0) < SURE_SHARE):
                self.tally.add(table, "dropped: polyphone in a phrase without spelling", word)
                return None
            if best is None:
                counts = self.chars.corpus.get(ch, {})
                best = self._unique_best(cands, lambda s: counts.get(s, 0))
            if best is None and self.chars.customary.get(ch) in cands:
                best = self.chars.customary[ch]
            if best is None:
                self.tally.add(table, "dropped: tone unresolved", word)
                return None
            out.append(best)
        if unspelled:
            self.tally.add(table, "read character by character (no source spells it)",
                           word)
        return out

    @staticmethod
    def _unique_best(cands, score):
        scored = sorted(((score(s), s) for s in cands), reverse=True)
        if scored[0][0] <= 0 or (len(scored) > 1 and scored[1][0] == scored[0][0]):
            return None
        return scored[0][1]


def read_exceptions(path):
    """data-src/neutral-tones.tsv: word, sounds ('dong1 xi5'), note."""
    out = {}
    with open(path, encoding="utf-8") as f:
        header = f.readline().rstrip("\n").split("\t")
        if header[:2] != ["word", "sounds"]:
            raise CheckFailed("neutral-tones.tsv: unexpected header")
        for n, line in enumerate(f, 2):
            fields = line.rstrip("\n").split("\t")
            syls = [pinyin.parse_numbered(s) for s in fields[1].split()]
            if len(syls) != len(fields[0]) or None in syls:
                raise CheckFailed("neutral-tones.tsv line %d: bad sounds" % n)
            if fields[0] in out:
                raise CheckFailed("neutral-tones.tsv line %d: %s twice" % (n, fields[0]))
            out[fields[0]] = syls
    return out


def read_radicals(path, chars):
    """data-src/wbzg.tsv, the reviewed radical table: key, radical, note. Checked here: every
    key a-y, GBK glyphs, no radical twice, and a radical that is a character itself has a
    full code starting with its key."""
    rows = []
    with open(path, encoding="utf-8") as f:
        if f.readline().rstrip("\n").split("\t") != ["key", "radical", "note"]:
            raise CheckFailed("wbzg.tsv: unexpected header")
        for n, line in enumerate(f, 2):
            key, radical, _ = line.rstrip("\n").split("\t")
            if not re.fullmatch("[a-y]", key) or not is_gbk_char(radical):
                raise CheckFailed("wbzg.tsv line %d: key or radical unusable" % n)
            full = chars.full_code(radical)
            if full is not None and full[0] != key:
                raise CheckFailed("wbzg.tsv line %d: %s is coded %s, not on key %s"
                                   % (n, radical, full, key))
            rows.append((key, radical))
    if sorted(set(k for k, _ in rows)) != list("abcdefghijklmnopqrstuvwxy"):
        raise CheckFailed("wbzg.tsv: not every key a-y has a radical")
    if len(set(r for _, r in rows)) != len(rows):
        raise CheckFailed("wbzg.tsv: a radical is listed twice")
    return rows


# ---------------------------------------------------------------------------------------------

def build(out_dir, tally):
    versions = sources.check_installed()
    wubi_rows = sources.read_rime_dict(sources.RIME + "/wubi86.dict.yaml")
    simp_rows = sources.read_rime_dict(sources.RIME + "/pinyin_simp.dict.yaml")
    terra_rows = sources.read_rime_dict(sources.RIME + "/terra_pinyin.dict.yaml")
    unihan = sources.read_unihan(["kTGH", "kTGHZ2013", "kMandarin", "kHanyuPinlu"])
    jieba = sources.read_jieba()
    cedict = sources.read_cedict()
    chars = Characters(unihan, wubi_rows, simp_rows, terra_rows, tally)
    exceptions = read_exceptions(os.path.join(out_dir, "neutral-tones.tsv"))
    radicals = read_radicals(os.path.join(out_dir, "wbzg.tsv"), chars)
    tables = {}

    # Level-1 and level-2 short codes straight from the Wubi table.
    level1 = sorted((r[1], r[0]) for r in wubi_rows if len(r[0]) == 1 and len(r[1]) == 1)
    if [k for k, _ in level1] != list("abcdefghijklmnopqrstuvwxy"):
        raise CheckFailed("the level-1 short codes are not one per key a-y")
    level2 = sorted((r[1], r[0]) for r in wubi_rows
                    if len(r[0]) == 1 and len(r[1]) == 2 and not r[1].startswith("z"))
    if len(set(c for _, c in level2)) != len(level2) or len(set(k for k, _ in level2)) != len(level2):
        raise CheckFailed("a level-2 code or character appears twice")
    for code, ch in level2:
        full = chars.full_code(ch)
        if full is None or not full.startswith(code) or not is_gbk_char(ch):
            raise CheckFailed("level-2 %s %s: not a prefix of its full code %s" % (ch, code, full))

    # wbOne: the common characters by frequency, then the other characters.
    def usable_wubi(ch):
        if not is_gbk_char(ch):
            tally.add("wbOne", "dropped: not GBK", ch)
            return False
        if not chars.codes.get(ch):
            tally.add("wbOne", "dropped: no Wubi code", ch)
            return False
        if chars.full_code(ch) is None:
            tally.add("wbOne", "dropped: two different full codes", ch)
            return False
        return True
    common = chars.by_frequency(c for c, lv in chars.level.items() if lv == 1)
    common = [c for c in common if usable_wubi(c)]
    if len(common) != COMMON_SIZE:
        raise CheckFailed("%d common characters have a Wubi code, not %d"
                           % (len(common), COMMON_SIZE))
    others = chars.by_frequency([c for c, lv in chars.level.items() if lv > 1]
                                + [c for _, c in level2 if c not in chars.level])
    others = [c for c in others if usable_wubi(c)]
    needed = set(c for _, c in level2) - set(common)
    room = WB_ONE_SIZE - COMMON_SIZE - len(needed)
    picked = set(needed) | set([c for c in others if c not in needed][:room])
    wb_one = common + [c for c in others if c in picked]
    position = {c: i + 1 for i, c in enumerate(wb_one)}
    tables["wbOne"] = (["char", "code1", "code2", "code3", "code4"],
                       [[c] + (chars.wubi_codes(c) + ["", "", ""])[:4] for c in wb_one])
    tables["wbs"] = (["char", "code1", "code2", "code3", "code4", "animation"],
                     [row + [str(position[row[0]])] for row in tables["wbOne"][1][:WBS_SIZE]])
    tables["wb1"] = (["char", "code"], [[c, k] for k, c in level1])
    tables["wb2"] = (["char", "code", "animation"], [[c, k, str(position[c])] for k, c in level2])

    # Traditional forms, to find characters and words in terra_pinyin.
    wubi_words = defaultdict(set)
    for row in wubi_rows:
        if len(row[0]) > 1 and not row[1].startswith("z"):
            wubi_words[row[0]].add(row[1])
    simp_words = defaultdict(list)
    for text, code, weight in simp_rows:
        if len(text) > 1:
            simp_words[text].append((int(weight), code))
    wubi_words, simp_words = dict(wubi_words), dict(simp_words)
    readings = WordReadings(chars, terra_rows, cedict, simp_words, wubi_words, exceptions, tally)
    chars.trad = readings.convert(sorted(c for c in chars.standard if is_gbk_char(c)))

    # Pinyin characters: the standard readings, main reading first.
    def char_readings(ch):
        syls = chars.readings(ch)
        if len(syls) > MAX_READINGS:
            tally.add("PYOne", "readings beyond four left out", ch)
        return syls[:MAX_READINGS]

    py_common = [c for c in chars.by_frequency(c for c, lv in chars.level.items() if lv == 1)
                 if is_gbk_char(c) and chars.readings(c)]
    groups = pick_groups(chars, py_common)
    grouped = set(ch for ch, _ in groups)
    pys_rows = [py_row(ch, syl) for ch, syls in groups for syl in syls]
    for ch in py_common:
        if len(pys_rows) == PYS_SIZE:
            break
        if ch not in grouped:
            pys_rows.append(py_row(ch, chars.readings(ch)[0]))
    tables["PYs"] = (["char", "reading", "spelling", "sound"], pys_rows)

    py_all = py_common + [c for c in chars.by_frequency(
        c for c, lv in chars.level.items() if lv > 1) if is_gbk_char(c) and chars.readings(c)]
    py_one_rows = []
    for ch in py_all:
        syls = char_readings(ch)
        if len(py_one_rows) + len(syls) > PY_ONE_SIZE:
            break
        py_one_rows.extend(py_row(ch, s) for s in syls)
    tables["PYOne"] = (["char", "reading", "spelling", "sound"], py_one_rows)

    # Words and phrases: shared by the Wubi and Pinyin tables.
    two = sorted((w for w in jieba if len(w) == 2 and w in wubi_words and w in simp_words),
                 key=lambda w: (-jieba[w][0], w))
    idioms = sorted((w for w in jieba if jieba[w][1] == "i" and len(w) >= 3),
                    key=lambda w: (-jieba[w][0], w))
    readings.set_traditional(two + idioms + [w[i:i + 2] for w in idioms if len(w) == 4
                                             for i in (0, 2)])

    word_rows, py_two_rows = [], []
    for w in two:
        if len(word_rows) == WORD_COUNT:
            break
        code = checked_code("words", w, wubi_words.get(w), position, chars, tally)
        if code is None:
            continue
        syls = readings.resolve("words", w)
        if syls is None or not fits_py_two(w, syls, tally):
            continue
        word_rows.append([w, code])
        py_two_rows.append([w, "".join(pinyin.spelling(s) for s in syls),
                            pinyin.word_reading(syls), " ".join(pinyin.sound(s) for s in syls)])
    tables["wbTwo"] = (["word", "code"], word_rows)
    tables["PYTwo"] = (["word", "spelling", "reading", "sounds"], py_two_rows)

    phrase_rows, py_multi_rows = [], []
    for w in idioms:
        if len(phrase_rows) == PHRASE_COUNT:
            break
        if len(w) not in PHRASE_LENGTHS:
            tally.add("phrases", "skipped: longer than four characters")
            continue
        if not readings.known(w):
            tally.add("phrases", "skipped: no dictionary besides jieba lists it", w)
            continue
        code = checked_code("phrases", w, wubi_words.get(w), position, chars, tally)
        if code is None:
            continue
        syls = readings.resolve("phrases", w)
        if syls is None or not fits_py_multi(w, syls, tally):
            continue
        phrase_rows.append([w, code])
        py_multi_rows.append([w, "".join(pinyin.spelling(s)[0] for s in syls),
                              pinyin.phrase_reading(syls), " ".join(pinyin.sound(s) for s in syls)])
    tables["wbMulti"] = (["phrase", "code"], phrase_rows)
    tables["PYMulti"] = (["phrase", "spelling", "reading", "sounds"], py_multi_rows)

    for word in sorted(set(exceptions) - readings.used_exceptions):
        tally.add("words", "neutral-tones.tsv entry not needed (word not taken)", word)
    check_tables(tables, radicals)
    return tables, versions, readings.review


def simp_spelling(entries):
    """The spelling pinyin_simp gives a word (its highest weight), as toneless keys."""
    weight, code = sorted(entries, key=lambda e: (-e[0], e[1]))[0]
    return [pinyin.toneless_key(s) for s in code.split()]


def checked_code(table, word, source_codes, position, chars, tally):
    """The word's code by the rules from its characters' full codes, or None (counted) when a
    character is not in wbOne or the Wubi table codes the word otherwise."""
    for ch in word:
        if ch not in position:
            tally.add(table, "dropped: character not in wbOne", word)
            return None
    code = wubi.word_code([chars.full_code(ch) for ch in word])
    if source_codes is None:
        tally.add(table, "code computed (not in the Wubi table)")
    elif code not in source_codes:
        tally.add(table, "dropped: the Wubi table's code breaks the rules",
                  "%s:%s" % (word, "/".join(sorted(source_codes))))
        return None
    return code


def fits_py_two(word, syls, tally):
    if (len("".join(pinyin.spelling(s) for s in syls)) > WORD_SPELLING_BYTES
            or gbk_len(pinyin.word_reading(syls)) > WORD_READING_BYTES):
        tally.add("words", "dropped: reading too long for its columns", word)
        return False
    return True


def fits_py_multi(phrase, syls, tally):
    if (gbk_len(phrase) > PHRASE_BYTES or len(syls) > MAX_SOUNDS
            or gbk_len(pinyin.phrase_reading(syls)) > PHRASE_READING_BYTES):
        tally.add("phrases", "dropped: too long for its columns", phrase)
        return False
    return True


def py_row(ch, syl):
    reading = pinyin.reading(syl)
    if gbk_len(reading) > READING_BYTES:
        raise CheckFailed("reading %s of %s is too long" % (reading, ch))
    return [ch, reading, pinyin.spelling(syl), pinyin.sound(syl)]


def pick_groups(chars, common):
    """The polyphone groups of PYs: the common characters whose second (or third) reading is
    the most frequent in the corpus, each with its readings the corpus attests, main first.
    A particle said in several tones (呀 ya/yā, 家 jiā/jia) is one reading, not a group."""
    def alternatives(ch):
        counts = chars.corpus.get(ch, {})
        syls = [s for s in chars.readings(ch) if counts.get(s, 0) > 0]
        if len(set(s[0] for s in syls)) == 1 and any(s[1] == 5 for s in syls):
            return [], counts
        return syls, counts

    def best(n, exclude):
        scored = []
        for rank, ch in enumerate(common):
            alts, counts = alternatives(ch)
            if ch not in exclude and len(alts) >= n:
                scored.append((-counts[alts[n - 1]], rank, ch, alts[:n]))
        return [(ch, alts) for _, _, ch, alts in sorted(scored)]
    triples = best(3, set())[:TRIPLE_GROUPS]
    pairs = best(2, set(ch for ch, _ in triples))[:PAIR_GROUPS]
    return pairs + triples


# ---------------------------------------------------------------------------------------------
# Checks on the finished tables: what the program's files need

def check_tables(tables, radicals):
    def fail(msg):
        raise CheckFailed(msg)

    def unique(name, column):
        values = [r[column] for r in tables[name][1]]
        if len(set(values)) != len(values):
            fail("%s: %s repeated" % (name, tables[name][0][column]))

    for name, table in tables.items():
        for row in table[1]:
            for field in row:
                try:
                    gbk_len(field)
                except UnicodeEncodeError:
                    fail("%s: %r is not GBK" % (name, field))
                if "\t" in field or "\n" in field or field != field.strip():
                    fail("%s: field %r" % (name, field))

    one = tables["wbOne"][1]
    if len(one) != WB_ONE_SIZE:
        fail("wbOne holds %d characters" % len(one))
    unique("wbOne", 0)
    full = {}
    for row in one:
        codes = [c for c in row[1:] if c]
        if not codes or any(not re.fullmatch("[a-y]{1,4}", c) for c in codes):
            fail("wbOne: codes of %s" % row[0])
        if (codes != sorted(codes, key=lambda c: (len(c), c))
                or any(len(c) >= len(codes[-1]) for c in codes[:-1])):
            fail("wbOne: codes of %s not shortest first" % row[0])
        full[row[0]] = codes[-1]
    for code, ch, *_ in [(r[1], r[0]) for r in tables["wb2"][1]]:
        if not full[ch].startswith(code):
            fail("wb2: %s %s is no prefix of %s" % (ch, code, full[ch]))
    for name in ("wbTwo", "wbMulti"):
        unique(name, 0)
        for word, code in tables[name][1]:
            if code != wubi.word_code([full[c] for c in word]):
                fail("%s: %s %s breaks the rules" % (name, word, code))
    for name, size in (("wbTwo", WORD_COUNT), ("wbMulti", PHRASE_COUNT), ("PYTwo", WORD_COUNT),
                       ("PYMulti", PHRASE_COUNT), ("PYs", PYS_SIZE), ("wbs", WBS_SIZE)):
        if len(tables[name][1]) != size:
            fail("%s holds %d entries, not %d" % (name, len(tables[name][1]), size))
    if len(tables["PYOne"][1]) > PY_ONE_SIZE:
        fail("PYOne too long")
    for name in ("PYs", "PYOne"):
        for ch, reading, spelling, sound in tables[name][1]:
            if sound[:-1] != spelling or gbk_len(reading) > READING_BYTES:
                fail("%s: %s %s" % (name, ch, reading))
    for word, spelling, reading, sounds in tables["PYTwo"][1]:
        syls = [pinyin.parse_numbered(s) for s in sounds.split()]
        if (len(syls) != 2 or None in syls or spelling != "".join(map(pinyin.spelling, syls))
                or reading != pinyin.word_reading(syls)):
            fail("PYTwo: %s" % word)
    for phrase, spelling, reading, sounds in tables["PYMulti"][1]:
        syls = [pinyin.parse_numbered(s) for s in sounds.split()]
        if (len(syls) != len(phrase) or None in syls
                or spelling != "".join(pinyin.spelling(s)[0] for s in syls)
                or reading != pinyin.phrase_reading(syls)):
            fail("PYMulti: %s" % phrase)
    if len(radicals) < 100:
        fail("wbzg: only %d radicals" % len(radicals))


# ---------------------------------------------------------------------------------------------
# Output

def tsv(header, rows):
    lines = ["\t".join(header)] + ["\t".join(r) for r in rows]
    return "\n".join(lines) + "\n"


def readme_section(versions, tables):
    lines = [MARK_BEGIN,
             "Written by `tools/import/import_tables.py` from these package versions "
             "(licences as `/usr/share/doc/PACKAGE/copyright` gives them):",
             "",
             "| package | version | licence | read for |",
             "|---|---|---|---|"]
    for src in sources.SOURCES:
        lines.append("| `%s` | %s | %s | %s |" % (src.package, versions[src.package],
                                                 src.licence, src.used_for))
    lines += ["", "and from these npm packages (installed by `tools/setup.sh`):", "",
              "| npm package | version | licence | read for |", "|---|---|---|---|"]
    for src in sources.NPM_SOURCES:
        lines.append("| `%s` | %s | %s | %s |" % (src.package, versions[src.package],
                                                 src.licence, src.used_for))
    lines += ["", "| table | entries |", "|---|---|"]
    for name in TABLE_ORDER:
        table = tables.get(name)
        if table is not None:
            lines.append("| `%s.tsv` | %d |" % (name, len(table[1])))
    lines.append(MARK_END)
    return "\n".join(lines)


TABLE_ORDER = ("wb1", "wb2", "wbOne", "wbs", "wbTwo", "wbMulti",
               "PYs", "PYOne", "PYTwo", "PYMulti")


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--check", action="store_true",
                        help="write nothing; fail when a committed table differs")
    parser.add_argument("--out", default=DATA_SRC, help="the data-src folder")
    parser.add_argument("--review", metavar="FILE",
                        help="list the words terra_pinyin reads in more than one way")
    args = parser.parse_args(argv)

    started = time.monotonic()
    tally = Tally()
    try:
        tables, versions, review = build(args.out, tally)
    except (CheckFailed, sources.MissingSource) as e:
        print("import failed: %s" % e, file=sys.stderr)
        return 1

    outputs = {name + ".tsv": tsv(*tables[name]) for name in TABLE_ORDER}
    readme_path = os.path.join(args.out, "README.md")
    with open(readme_path, encoding="utf-8") as f:
        readme = f.read()
    if MARK_BEGIN not in readme or MARK_END not in readme:
        print("import failed: README.md lacks the markers of the generated section",
              file=sys.stderr)
        return 1
    head, rest = readme.split(MARK_BEGIN, 1)
    tail = rest.split(MARK_END, 1)[1]
    outputs["README.md"] = head + readme_section(versions, tables) + tail

    differing = []
    for name, text in outputs.items():
        path = os.path.join(args.out, name)
        old = open(path, encoding="utf-8").read() if os.path.exists(path) else None
        if old != text:
            differing.append(name)
            if not args.check:
                with open(path, "w", encoding="utf-8", newline="\n") as f:
                    f.write(text)
    if args.review:
        with open(args.review, "w", encoding="utf-8") as f:
            for word, options in review:
                f.write("%s\t%s\n" % (word, " | ".join(" ".join(pinyin.sound(s) for s in o)
                                                     for o in options)))

    print("tables:")
    for name in TABLE_ORDER:
        print("  %-8s %6d" % (name, len(tables[name][1])))
    print("dropped, recomputed and settled:")
    print("\n".join(tally.lines()))
    print("%.1f s" % (time.monotonic() - started))
    if args.check:
        if differing:
            print("differs from the sources: " + " ".join(differing), file=sys.stderr)
            return 1
        print("the committed tables match the sources")
    elif differing:
        print("written: " + " ".join(differing))
    return 0


if __name__ == "__main__":
    sys.exit(main())
