"""The folders of src/ are floors: each includes only the folders the README's table lets it.

The table in README.md is the one statement of the layers; this check reads it, so the
document and the code cannot drift apart. Run: python3 check_layers.py SOURCE_DIR
"""

import os
import re
import sys
import tempfile
import unittest

ROW = re.compile(r"^\|\s*`src/([^`]*)`\s*\|[^|]*\|([^|]*)\|\s*$")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def read_layers(readme_text):
    """Folder -> the folders it may include, in the order the README lists them."""
    layers = {}
    for line in readme_text.splitlines():
        m = ROW.match(line)
        if m:
            folder = m.group(1).rstrip("/")
            layers[folder] = set(re.findall(r"`([^`]+)`", m.group(2)))
    return layers


def owner(relative_path, folders):
    """The longest listed folder holding a source file (ui/qt before ui)."""
    parts = relative_path.split("/")
    for n in range(len(parts) - 1, 0, -1):
        candidate = "/".join(parts[:n])
        if candidate in folders:
            return candidate
    return relative_path if relative_path in folders else None


def violations(source_dir):
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as f:
        layers = read_layers(f.read())
    found = []
    if not layers:
        return ["README.md has no table of src/ folders"]
    for name, allowed in layers.items():
        for other in allowed - set(layers):
            found.append(f"README: {name} may include {other}, which is no listed folder")
    src = os.path.join(source_dir, "src")
    for directory, _, files in os.walk(src):
        for file in sorted(files):
            if not file.endswith((".h", ".cpp")):
                continue
            rel = os.path.relpath(os.path.join(directory, file), src).replace(os.sep, "/")
            here = owner(rel, layers)
            if here is None:
                found.append(f"src/{rel}: its folder is not in the README's table")
                continue
            with open(os.path.join(directory, file), encoding="utf-8", errors="replace") as f:
                text = f.read()
            for target in INCLUDE.findall(text):
                there = owner(target, layers)
                if there is None or there == here or there in layers[here]:
                    continue
                found.append(f"src/{rel} includes {target}: {here} may not include {there}")
    found += cycles(layers)
    return found


def cycles(layers):
    """The may-include lists must themselves form floors, without a loop."""
    state, found = {}, []

    def visit(node, path):
        state[node] = "open"
        for nxt in sorted(layers.get(node, ())):
            if state.get(nxt) == "open":
                found.append("README: the layers loop: " + " -> ".join(path + [nxt]))
            elif nxt not in state:
                visit(nxt, path + [nxt])
        state[node] = "done"

    for node in layers:
        if node not in state:
            visit(node, [node])
    return found


class LayerCheckFindsFaults(unittest.TestCase):
    """The check itself, on small planted trees."""

    README = (
        "| folder | holds | may include |\n|---|---|---|\n"
        "| `src/ui/` | ground | nothing |\n"
        "| `src/ui/qt/` | adapter | `ui` |\n"
        "| `src/model/` | vocabulary | `ui` |\n"
        "| `src/app/` | top | `ui`, `model` |\n"
    )

    def tree(self, files, readme=README):
        root = tempfile.mkdtemp()
        with open(os.path.join(root, "README.md"), "w", encoding="utf-8") as f:
            f.write(readme)
        for path, text in files.items():
            full = os.path.join(root, "src", path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as f:
                f.write(text)
        return root

    def test_cases(self):
        cases = [
            ("downward includes pass", {"app/a.cpp": '#include "model/m.h"\n#include "ui/u.h"'}, 0),
            ("an upward include fails", {"model/m.h": '#include "app/a.h"'}, 1),
            ("the core reaching the adapter fails", {"app/a.cpp": '#include "ui/qt/v.h"'}, 1),
            ("the adapter reaching its ground passes", {"ui/qt/v.cpp": '#include "ui/u.h"'}, 0),
            ("a folder missing from the table fails", {"drills/d.cpp": "int x;"}, 1),
            ("system headers are not folders", {"ui/u.cpp": "#include <string>"}, 0),
        ]
        for name, files, expected in cases:
            with self.subTest(name):
                self.assertEqual(len(violations(self.tree(files))), expected)

    def test_a_loop_in_the_table_fails(self):
        readme = self.README.replace("| `src/ui/` | ground | nothing |", "| `src/ui/` | g | `app` |")
        self.assertTrue(any("loop" in v for v in violations(self.tree({}, readme))))


def main():
    source_dir = sys.argv[1]
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(LayerCheckFindsFaults)
    if not unittest.TextTestRunner(verbosity=1).run(suite).wasSuccessful():
        return 1
    found = violations(source_dir)
    for v in found:
        print(v)
    if not found:
        print("src/ keeps its layers")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
