#!/usr/bin/env python3
"""Checks the help documents against the program's own tables and sources.

Every Wubi code and Pinyin reading the documents cite must be the one the practice tables of
data-src/ hold, the radical table and the short-code tables must match those tables entry for
entry, the worked splittings must give the code the table holds, the manual must list the
typing types and durations exactly as src/model/typing_types.cpp names them, and the pages
must load nothing from outside. Prints one line per problem and exits 1 if there is any.

Markup the documents use for what is checked:
  <span class="wb [full|start|l1|rule]">字<kbd>CODE</kbd></span>   a Wubi code
  <span class="py">字<kbd>spelling</kbd><i>reading</i></span>      a Pinyin spelling and reading
  <table class="roots|level1|grid|splits|extra|chengzi|types|durations">
"""

import html.parser
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "data-src"
HELP = DATA / "help"
COURSE = HELP / "五笔打字教程.html"
MANUAL = HELP / "软件详细使用说明.html"
TYPES_SOURCE = ROOT / "src" / "model" / "typing_types.cpp"

ZONE_ORDER = "gfdsahjklmtrewqyuiopnbvcx"
# The stroke classes and the key each stands for when a stroke is coded (the first key of its zone).
STROKE_KEY = {"横": "g", "竖": "h", "撇": "t", "捺": "y", "点": "y", "折": "n"}
# The identification code: zone of the last stroke, position of the shape.
SHAPE_INDEX = {"左右": 0, "上下": 1, "杂合": 2}
ID_CODE = {"横": "gfd", "竖": "hjk", "撇": "tre", "捺": "yui", "点": "yui", "折": "nbv"}

problems = []


def problem(where, text):
    problems.append(f"{where}: {text}")


def tsv(name):
    with open(DATA / name, encoding="utf-8") as f:
        rows = [line.rstrip("\n").split("\t") for line in f]
    return rows[1:]


class Node:
    def __init__(self, tag, attrs, parent):
        self.tag, self.attrs, self.parent, self.children = tag, dict(attrs), parent, []

    def classes(self):
        return (self.attrs.get("class") or "").split()

    def text(self):
        return "".join(c if isinstance(c, str) else c.text() for c in self.children)

    def find(self, tag=None, cls=None):
        for c in self.children:
            if isinstance(c, Node):
                if (tag is None or c.tag == tag) and (cls is None or cls in c.classes()):
                    yield c
                yield from c.find(tag, cls)

    def cells(self):
        return [c for c in self.children if isinstance(c, Node) and c.tag in ("td", "th")]


VOID = {"meta", "img", "br", "hr", "link", "input"}


class Tree(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.root = Node("root", [], None)
        self.at = self.root

    def handle_starttag(self, tag, attrs):
        node = Node(tag, attrs, self.at)
        self.at.children.append(node)
        if tag not in VOID:
            self.at = node

    def handle_startendtag(self, tag, attrs):
        self.at.children.append(Node(tag, attrs, self.at))

    def handle_endtag(self, tag):
        node = self.at
        while node is not self.root and node.tag != tag:
            node = node.parent
        if node is not self.root:
            self.at = node.parent

    def handle_data(self, data):
        self.at.children.append(data)


def parse(path):
    tree = Tree()
    tree.feed(path.read_text(encoding="utf-8"))
    return tree.root


# The tables.
wb_one = {}
for row in tsv("wbOne.tsv"):
    wb_one.setdefault(row[0], [c for c in row[1:] if c])
wb1 = {ch: code for ch, code in tsv("wb1.tsv")}
wb2 = {code: ch for ch, code, _ in tsv("wb2.tsv")}
wb2_codes = {}
for code, ch in wb2.items():
    wb2_codes.setdefault(ch, []).append(code)
wb_two = {word: code for word, code in tsv("wbTwo.tsv")}
wb_multi = {phrase: code for phrase, code in tsv("wbMulti.tsv")}
radicals = tsv("wbzg.tsv")
radical_key = {}
for key, radical, _ in radicals:
    radical_key.setdefault(radical, key)
py_chars = {}
for name in ("PYOne.tsv", "PYs.tsv"):
    for ch, reading, spelling, _ in tsv(name):
        py_chars.setdefault(ch, set()).add((spelling, reading))
py_words = {}
for name in ("PYTwo.tsv", "PYMulti.tsv"):
    for word, spelling, reading, _ in tsv(name):
        py_words.setdefault(word, set()).add((spelling, reading))


def full_code(ch):
    codes = wb_one.get(ch)
    return codes[-1] if codes else None


def word_rule(word):
    """A word's code by the rule, from its characters' full codes; None if one is missing."""
    codes = [full_code(c) for c in word]
    if None in codes:
        return None
    if len(word) == 2:
        return codes[0][:2] + codes[1][:2]
    if len(word) == 3:
        return codes[0][0] + codes[1][0] + codes[2][:2]
    return codes[0][0] + codes[1][0] + codes[2][0] + codes[-1][0]


def example_fields(span):
    kbd = next(span.find("kbd"), None)
    if kbd is None:
        return None, None
    text = "".join(c for c in span.children if isinstance(c, str)).strip()
    return text, kbd.text().strip()


def check_wubi_examples(doc, where):
    count = 0
    for span in doc.find("span", "wb"):
        text, code = example_fields(span)
        if not text or not code:
            problem(where, f"Wubi example without text or code: {span.text()!r}")
            continue
        count += 1
        code = code.lower()
        kinds = set(span.classes()) - {"wb"}
        label = f"{text} {code.upper()}"
        if len(text) == 1:
            codes = wb_one.get(text, [])
            if not codes:
                problem(where, f"{label}: {text} is not in wbOne.tsv")
            elif "full" in kinds and code != codes[-1]:
                problem(where, f"{label}: the full code is {codes[-1].upper()}")
            elif "start" in kinds and not codes[-1].startswith(code):
                problem(where, f"{label}: not the start of the full code {codes[-1].upper()}")
            elif "l1" in kinds and wb1.get(text) != code:
                problem(where, f"{label}: wb1.tsv has {str(wb1.get(text)).upper()}")
            elif not kinds & {"full", "start", "l1"} and code not in codes + wb2_codes.get(text, []) \
                    + ([wb1[text]] if text in wb1 else []):
                problem(where, f"{label}: the tables give {' '.join(codes).upper()}")
        elif "rule" in kinds:
            derived = word_rule(text)
            if derived != code:
                problem(where, f"{label}: the rule gives {str(derived).upper()}")
        else:
            table, name = (wb_two, "wbTwo.tsv") if len(text) == 2 else (wb_multi, "wbMulti.tsv")
            if table.get(text) != code:
                problem(where, f"{label}: {name} has {str(table.get(text)).upper()}")
            derived = word_rule(text)
            if derived is not None and derived != code:
                problem(where, f"{label}: the word rule gives {derived.upper()}")
    return count


def check_pinyin_examples(doc, where):
    count = 0
    for span in doc.find("span", "py"):
        text, spelling = example_fields(span)
        reading_node = next(span.find("i"), None)
        reading = reading_node.text().strip() if reading_node else None
        count += 1
        entries = (py_chars if len(text or "") == 1 else py_words).get(text, set())
        if not any(s == spelling and (reading is None or r == reading) for s, r in entries):
            problem(where, f"Pinyin {text} {spelling} {reading}: the tables have "
                           f"{sorted(entries) or 'nothing'}")
    return count


def check_radical_table(doc, where):
    tables = list(doc.find("table", "roots"))
    if len(tables) != 1:
        problem(where, f"expected one radical table, found {len(tables)}")
        return
    rows = [tr for tr in tables[0].find("tr") if "data-key" in tr.attrs]
    keys = "".join(tr.attrs["data-key"] for tr in rows)
    if keys != ZONE_ORDER:
        problem(where, f"radical table keys {keys}, expected {ZONE_ORDER}")
    listed = []
    for tr in rows:
        key = tr.attrs["data-key"]
        if key.upper() not in [c.text().strip() for c in tr.cells()]:
            problem(where, f"radical row {key} does not show its key")
        listed += [(key, s.text().strip()) for s in tr.find("span", "zg")]
    expected = [(key, radical) for key, radical, _ in radicals]
    if listed != expected:
        missing = [r for r in expected if r not in listed]
        extra = [r for r in listed if r not in expected]
        problem(where, f"radical table differs from wbzg.tsv: missing {missing}, extra {extra}"
                       + ("" if missing or extra else ", order differs"))


def check_short_code_tables(doc, where):
    level1 = list(doc.find("table", "level1"))
    if len(level1) != 1:
        problem(where, f"expected one level-1 table, found {len(level1)}")
    else:
        shown = {example_fields(s)[0]: example_fields(s)[1].lower() for s in level1[0].find("span", "wb")}
        if shown != wb1:
            problem(where, "the level-1 table differs from wb1.tsv")
    grids = list(doc.find("table", "grid"))
    if len(grids) != 1:
        problem(where, f"expected one level-2 table, found {len(grids)}")
        return
    rows = list(grids[0].find("tr"))
    head = [c.text().strip().lower() for c in rows[0].cells()][1:]
    shown = {}
    for tr in rows[1:]:
        cells = [c.text().strip() for c in tr.cells()]
        for col, ch in zip(head, cells[1:]):
            if ch:
                shown[cells[0].lower() + col] = ch
    if head != list(ZONE_ORDER) or shown != wb2:
        diff = sorted(set(shown.items()) ^ set(wb2.items()))[:10]
        problem(where, f"the level-2 table differs from wb2.tsv: {diff}")


def table_rows(table):
    rows = list(table.find("tr"))
    head = [c.text().strip() for c in rows[0].cells()]
    for tr in rows[1:]:
        yield dict(zip(head, [c.text().strip() for c in tr.cells()]))


def check_splittings(doc, where):
    named_keys = {}
    for table in doc.find("table", "extra"):
        for row in table_rows(table):
            named_keys[row["字根"].split("（")[0]] = row["键"].lower()
    count = 0
    for table in list(doc.find("table", "splits")) + list(doc.find("table", "extra")):
        for row in table_rows(table):
            count += 1
            ch, code = row["字"] if "字" in row else row["例字"], row["编码"].lower()
            label = f"{ch} {code.upper()}"
            if full_code(ch) != code:
                problem(where, f"{label}: the full code in wbOne.tsv is {str(full_code(ch)).upper()}")
                continue
            roots = [r.strip() for r in row["拆分"].split("、")]
            keys = [radical_key.get(r) or named_keys.get(r) for r in roots]
            if None in keys:
                problem(where, f"{label}: no key known for {roots[keys.index(None)]}")
                continue
            identification = None
            if "末笔" in row and "字型" in row:
                identification = ID_CODE[row["末笔"]][SHAPE_INDEX[row["字型"]]]
                if "识别码" in row and row["识别码"].lower() != identification:
                    problem(where, f"{label}: {row['末笔']} and {row['字型']} give {identification.upper()}")
            if len(roots) >= 4:
                expected = keys[0] + keys[1] + keys[2] + keys[-1]
            else:
                expected = "".join(keys) + (identification or code[len(keys):])
            if expected != code:
                problem(where, f"{label}: the splitting {'、'.join(roots)} gives {expected.upper()}")
    for table in doc.find("table", "chengzi"):
        for row in table_rows(table):
            count += 1
            ch = row["字"]
            key = row["所在键"].lower()
            if radical_key.get(ch) != key:
                problem(where, f"{ch}: wbzg.tsv puts it on {str(radical_key.get(ch)).upper()}")
            strokes = [row[c] for c in ("首笔", "次笔", "末笔") if row[c] != "—"]
            letters = ""
            for s in strokes:
                name, letter = s.split()
                if STROKE_KEY[name] != letter.lower():
                    problem(where, f"{ch}: the stroke {name} is coded {STROKE_KEY[name].upper()}")
                letters += letter.lower()
            if full_code(ch) != key + letters:
                problem(where, f"{ch}: {key + letters} but wbOne.tsv has {full_code(ch)}")
    return count


def source_captions(array):
    text = TYPES_SOURCE.read_text(encoding="utf-8")
    body = re.search(array + r"\s*=\s*\{(.*?)\};", text, re.S)
    return re.findall(r'"([^"]*)"', body.group(1)) if body else []


def check_manual_lists(doc, where):
    for cls, array in (("types", "kTypeCaptions"), ("durations", "kDurationCaptions")):
        captions = source_captions(array)
        if not captions:
            problem(where, f"{array} not found in {TYPES_SOURCE.name}")
        tables = list(doc.find("table", cls))
        if len(tables) != 1:
            problem(where, f"expected one table of class {cls}, found {len(tables)}")
            continue
        listed = [row["名称"] for row in table_rows(tables[0])]
        if listed != captions:
            problem(where, f"the {cls} table lists {listed}, the program has {captions}")


def check_self_contained(doc, where, path):
    for node in doc.find():
        if node.tag == "script":
            problem(where, "holds a script")
        for attr in ("src", "href"):
            value = node.attrs.get(attr)
            if value is None:
                continue
            if re.match(r"^[a-z][a-z0-9+.-]*:", value, re.I) or value.startswith("//"):
                problem(where, f"{attr}={value!r} leaves the program folder")
            elif not value.startswith("#"):
                target = (path.parent / value.split("#")[0]).resolve()
                if attr == "href" and not target.exists():
                    problem(where, f"link to {value!r}, which does not exist")
    if re.search(r"https?:|www\.", path.read_text(encoding="utf-8")):
        problem(where, "names a network address")


def main():
    # Another copy of the help folder may be checked instead: check_examples.py [FOLDER]
    global COURSE, MANUAL
    folder = pathlib.Path(sys.argv[1]).resolve() if len(sys.argv) > 1 else HELP
    COURSE, MANUAL = folder / COURSE.name, folder / MANUAL.name
    counts = {}
    for path in [COURSE, MANUAL] + sorted((folder / "web").glob("*.html")):
        where = path.relative_to(folder.parent) if folder != HELP else path.relative_to(ROOT)
        if not path.exists():
            problem(where, "missing")
            continue
        doc = parse(path)
        check_self_contained(doc, where, path)
        counts[str(where)] = (check_wubi_examples(doc, where), check_pinyin_examples(doc, where),
                              check_splittings(doc, where))
        if path == COURSE:
            check_radical_table(doc, where)
            check_short_code_tables(doc, where)
        if path == MANUAL:
            check_manual_lists(doc, where)
    for where, (wubi, pinyin, splits) in counts.items():
        print(f"{where}: {wubi} Wubi examples, {pinyin} Pinyin examples, {splits} splittings checked")
    for p in problems:
        print(p)
    print(f"{len(problems)} problem(s)")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
