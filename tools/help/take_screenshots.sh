#!/usr/bin/env bash
# take_screenshots.sh [FOLDER]: takes the user manual's screenshots of the trainer, by default
# into data-src/help/screens/: main.png (the idle window), letters.png (a letter drill),
# article.png (an English article being typed), pinyin.png (a Pinyin drill), wubi.png (a Wubi
# drill with its code hint), scores.png (the score window, after a 30-second drill that ran to
# its end), users.png (the user window) and fullscreen.png (after 全屏; skipped with a warning
# while the button does not yet fill the screen). A copy of the built program (build/ci/quorvin,
# or $QUORVIN_BUILT) runs on a virtual display of its own (one of :91-:95). Each picture is of
# one window with its frame, reduced to 256 colours. Needs Xvfb, xdotool, x11-utils,
# ImageMagick, python3; openbox and pngquant if present. Takes about a minute and a half.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
folder=${1:-$here/../../data-src/help/screens}
source "$here/trainer.sh"

trainer_start
mkdir "$work/screens"
taken=()

# shot NAME WINDOW: the window with its frame, in 256 colours, and more than 50 of them.
shot() {
  local raw=$work/raw-$1.png out=$work/screens/$1.png count
  import -window "$(frame_of "$2")" "$raw"
  if command -v pngquant >/dev/null; then
    pngquant --force --speed 1 --output "$out" 256 -- "$raw"
  else
    convert "$raw" -colors 256 "$out"
  fi
  count=$(identify -format '%k' "$out")
  ((count > 50)) || fail "$1.png shows only $count colours"
  taken+=("$1")
  note "$1.png: $(identify -format '%wx%h' "$out"), $count colours"
}

scores_before=$(wc -l <"$work/app/orvScore.dat")
shot main "$main"

# A 30-second capital-letter drill, typed as shown; the picture just after a hit, while the
# hit letter is drawn red. It runs to its end, so the score window has a new record.
choose_type "$T_UPPER"
choose_30s
start_button
session_end=$((SECONDS + 30))
type_letters_until $((SECONDS + 5)) 400
keys=$(screen_text slots "$main" | tr -d ' ?-')
keys=${keys,,}
[[ -n $keys ]] && xdotool type "${keys:0:1}"
sleep 0.15
shot letters "$main"
type_letters_until $((session_end - 1)) 400
await_idle 10
sleep 2

# An English article, its first lines typed.
choose_type "$T_ENGLISH_ARTICLE"
first_article
start_button
article_shown
text=$(first_article_text)
xdotool type --delay 300 "${text:0:90}"   # some 6 characters a second
sleep 0.5
shot article "$main"
xdotool key Escape
sleep 1

# A Pinyin drill in its usual look, the spellings above the characters.
choose_type "$T_PINYIN_FOLLOW"
start_button
sleep 1.5
shot pinyin "$main"
xdotool key Escape
sleep 1

# 一级跟打: the hint at the bottom names the code of the character to type next.
choose_type "$T_WUBI1_FOLLOW"
start_button
sleep 0.5
type_hints_until $((SECONDS + 4)) 0 upper 300 0.3
sleep 0.2
shot wubi "$main"
xdotool key Escape
sleep 1

leave_menu scores
scores=$(window '^查询打字成绩$')
sleep 1
shot scores "$scores"
xdotool key alt+x
sleep 1

leave_menu users
users=$(window '^用户管理$')
sleep 1
shot users "$users"
xdotool key alt+x
sleep 1

# 全屏: the window is to cover the screen.
screen_w=$(xdotool getdisplaygeometry | cut -d' ' -f1)
screen_h=$(xdotool getdisplaygeometry | cut -d' ' -f2)
screen_button
sleep 2
geometry "$main"
if ((fw >= screen_w - 4 && fh >= screen_h - 40)); then
  shot fullscreen "$main"
  screen_button
  sleep 2
  geometry "$main"
  ((ww == 961 && wh == 521)) || fail "窗口 did not bring the window back: ${ww}x${wh}"
else
  note "WARNING: 全屏 left the window at ${fw}x${fh} of ${screen_w}x${screen_h}: fullscreen.png not taken"
fi

trainer_quit
scores_after=$(wc -l <"$work/app/orvScore.dat")
((scores_after == scores_before + 1)) ||
  fail "the 30-second drill added $((scores_after - scores_before)) score lines, not 1"

mkdir -p "$folder"
for name in "${taken[@]}"; do mv "$work/screens/$name.png" "$folder/$name.png"; done
echo "$folder: ${taken[*]}"
