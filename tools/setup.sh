#!/usr/bin/env bash
# Installs the Debian packages Quorvin needs to build, test and run, when any is missing.
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
  # sources of the practice tables, for the import tool and its reproducibility check
  rime-data-wubi rime-data-pinyin-simp rime-data-terra-pinyin unicode-data python3-jieba
  opencc libopencc-data
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
