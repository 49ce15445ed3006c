#!/usr/bin/env bash
# Makes the two help documents of the help menu, 五笔打字教程.doc and 软件详细使用说明.doc, from
# their HTML sources in data-src/help/: Word 97 files as LibreOffice writes them, with the
# screenshots (screens/NAME.png) embedded in the file, not linked.
#
#   tools/help/make_documents.sh [--screens DIR] [--out DIR]
#
# --screens  folder of the screenshots the manual shows (default data-src/help/screens)
# --out      folder the .doc files are written to (default data-src/help)
#
# Needs LibreOffice Writer (Debian: libreoffice-writer-nogui), python3 and file. The examples
# are checked against the tables first (check_examples.py); a document is written only when
# LibreOffice made a Composite Document File holding every picture.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
help="$root/data-src/help"
screens="$help/screens"
out="$help"

while [[ $# -gt 0 ]]; do
  case "$1" in
    --screens) screens=$2; shift 2 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--screens DIR] [--out DIR]" >&2; exit 2 ;;
  esac
done

for tool in soffice python3 file; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (LibreOffice: apt-get install libreoffice-writer-nogui)" >&2; exit 1; }
done
[[ -d $screens ]] || { echo "no screenshot folder $screens" >&2; exit 1; }
screens=$(cd "$screens" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)

python3 "$root/tools/help/check_examples.py"

work=$(mktemp -d /tmp/quorvin-documents.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A copy of the page whose pictures are data: addresses, so that LibreOffice stores them in the
# document; a picture named by the page but missing stops the script. Prints how many different
# pictures the page shows (LibreOffice stores a picture shown twice once).
inline_pictures() {
  python3 - "$1" "$2" "$screens" <<'EOF'
import base64, pathlib, re, sys
source, target, screens = map(pathlib.Path, sys.argv[1:4])
page = source.read_text(encoding="utf-8")
shown = set()
def inline(match):
    name = match.group(2)
    if not name.startswith("screens/"):
        sys.exit(f"{source.name}: picture {name} is not in screens/")
    picture = screens / name[len("screens/"):]
    if not picture.is_file():
        sys.exit(f"{source.name}: picture {picture} is missing")
    data = picture.read_bytes()
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        sys.exit(f"{picture} is not a PNG file")
    shown.add(data)
    return match.group(1) + "data:image/png;base64," + base64.b64encode(data).decode() + match.group(3)
page = re.sub(r'(<img\b[^>]*\bsrc=")([^"]+)(")', inline, page)
target.write_text(page, encoding="utf-8")
print(len(shown))
EOF
}

# How many PNG pictures a document holds, and whether it links any picture instead.
count_pictures() {
  python3 - "$1" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
linked = "INCLUDEPICTURE".encode("utf-16-le") in data or b"INCLUDEPICTURE" in data
print(-1 if linked else data.count(b"\x89PNG\r\n\x1a\n"))
EOF
}

documents=(五笔打字教程 软件详细使用说明)
mkdir -p "$work/pages" "$work/doc"
declare -A pictures
# Every picture is looked for before anything is converted, and the documents are written only
# when both came out right.
for name in "${documents[@]}"; do
  pictures[$name]=$(inline_pictures "$help/$name.html" "$work/pages/$name.html")
done
for name in "${documents[@]}"; do
  soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
    --infilter="HTML (StarWriter)" --convert-to 'doc:MS Word 97' \
    --outdir "$work/doc" "$work/pages/$name.html" >"$work/soffice.log" 2>&1 ||
    { cat "$work/soffice.log" >&2; echo "LibreOffice failed on $name.html" >&2; exit 1; }
  doc="$work/doc/$name.doc"
  [[ -s $doc ]] || { cat "$work/soffice.log" >&2; echo "LibreOffice wrote no $name.doc" >&2; exit 1; }
  kind=$(file -b "$doc")
  [[ $kind == *"Composite Document File"* ]] || { echo "$name.doc is not a Word 97 file: $kind" >&2; exit 1; }
  held=$(count_pictures "$doc")
  if [[ $held -lt 0 ]]; then
    echo "$name.doc links its pictures instead of holding them" >&2; exit 1
  elif [[ $held -lt ${pictures[$name]} ]]; then
    echo "$name.doc holds $held of its ${pictures[$name]} pictures" >&2; exit 1
  fi
done
for name in "${documents[@]}"; do
  mv "$work/doc/$name.doc" "$out/$name.doc"
  echo "$out/$name.doc: $(stat -c %s "$out/$name.doc") bytes, ${pictures[$name]} pictures embedded; $(file -b "$out/$name.doc")"
done
