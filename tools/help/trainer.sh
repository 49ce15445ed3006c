# shellcheck shell=bash disable=SC2034  # the variables set here are the callers' to use
# trainer.sh: sourced by record_demo.sh and take_screenshots.sh. Starts a copy of the built
# trainer on a virtual display of its own and drives it as a learner would.
#
# After `trainer_start`: $work is the temporary folder (the program copy lives in $work/app),
# $DISPLAY the virtual display, $main the id of the trainer's main window. Everything started
# here is ended, and $work removed, when the calling script exits.

built=${QUORVIN_BUILT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/ci/quorvin}
help_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
started=()   # processes to end on exit, in the order they were started
app=

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "== $*" >&2; }

trainer_cleanup() {
  local i
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
  done
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    timeout 10 tail --pid="${started[i]}" -f /dev/null 2>/dev/null || kill -9 "${started[i]}" 2>/dev/null || true
  done
  [[ -n ${work:-} ]] && rm -rf "$work"
}

need() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (apt-get install -y ${packages[$tool]:-$tool})"
  done
}
declare -A packages=([Xvfb]=xvfb [import]=imagemagick [identify]=imagemagick [convert]=imagemagick
  [ffmpeg]=ffmpeg [ffprobe]=ffmpeg [xwininfo]=x11-utils)

# A free display among :91 to :95.
free_display() {
  local n
  for n in 91 92 93 94 95; do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo "$n"; return 0; }
  done
  fail "displays :91 to :95 are all taken"
}

trainer_start() {
  need Xvfb xdotool xwininfo import identify convert python3
  [[ -x $built/quorvin ]] || fail "no built program in $built"
  work=$(mktemp -d /tmp/quorvin-help.XXXXXX)
  trap trainer_cleanup EXIT
  mkdir "$work/app" "$work/glyphs"
  cp -a "$built"/. "$work/app"/

  local n
  n=$(free_display)
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  started+=($!)
  export DISPLAY=":$n"
  for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done
  xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb :$n did not start: $(cat "$work/xvfb.log")"
  if command -v openbox >/dev/null; then
    openbox >"$work/openbox.log" 2>&1 &
    started+=($!)
    sleep 1
  else
    note "openbox is missing (apt-get install -y openbox): windows will have no frames"
  fi
  # No sound server: the trainer runs silent.
  (cd "$work/app" && exec env -u PULSE_SERVER XDG_RUNTIME_DIR="$work" ./quorvin) >"$work/quorvin.log" 2>&1 &
  app=$!
  started+=("$app")
  main=$(window '^Quorvin .*----abc$')
  sleep 1
}

# Waits for a window whose name matches; prints its id.
window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
    fail "no window named '$1'"
  echo "$id"
}

# Where a window's client area lies on the screen: sets wx wy ww wh, and fx fy fw fh for the
# window with its frame.
geometry() {
  local info rx ry
  info=$(xwininfo -id "$1")
  wx=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  wy=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  ww=$(awk '/Width:/ {print $2}' <<<"$info")
  wh=$(awk '/Height:/ {print $2}' <<<"$info")
  rx=$(awk '/Relative upper-left X/ {print $4}' <<<"$info")
  ry=$(awk '/Relative upper-left Y/ {print $4}' <<<"$info")
  fx=$((wx - rx)) fy=$((wy - ry)) fw=$((ww + 2 * rx)) fh=$((wh + ry + rx))
}

# The frame a window manager put around a window, or the window itself without one.
frame_of() {
  local parent root
  root=$(xwininfo -root | awk '/Window id:/ {print $4}')
  parent=$(xwininfo -tree -id "$1" | awk '/Parent window id:/ {print $4}')
  if [[ -n $parent && $parent != "$root" ]]; then echo $((parent)); else echo "$1"; fi
}

# Clicks at a point of a window's client area (the main window unless a third argument names
# another one).
click() {
  xdotool mousemove --window "${3:-$main}" "$1" "$2" click 1
  sleep 0.4
}

# The bottom bar of buttons stays 961 wide, centred, at the bottom of the client area: clicks
# at its designed place (x, y of the 961x521 window) follow it into the full-screen layout.
bar_click() {
  geometry "$main"
  click $(($1 + (ww - 961) / 2)) $(($2 + wh - 521))
}

# How many colours a rectangle of the main window shows: 1 where nothing is drawn.
colours() {
  import -window "$main" -crop "$3x$4+$1+$2" +repage -format '%k' info:
}
shown() { [[ $(colours "$@") -gt 1 ]]; }
idle_look() { shown 5 4 353 126; }   # the type choice is shown only between sessions

# The typing types, by their place in the choice: four columns of up to six rows.
type_point() {
  local index=$1 xs=(20 108 193 273) ys=(32 49 68 87 106 125)
  echo "${xs[index / 6]} ${ys[index % 6]}"
}
choose_type() {
  local x y
  read -r x y <<<"$(type_point "$1")"
  click "$x" "$y"
}
T_UPPER=0 T_PINYIN_FOLLOW=4 T_WUBI1_FOLLOW=8 T_ENGLISH_ARTICLE=19
choose_30s() { click 381 32; }
start_button() { bar_click 358 482; }
screen_button() { bar_click 668 482; }   # 全屏, then 窗口
checkbox_spelling_line() { click 461 70; }   # 传统拼音提示: the spelling below the targets

# The leave menu under 退出: 退出当前用户, 查询打字成绩, 退出系统.
leave_menu() {
  bar_click 751 482
  sleep 0.6
  case $1 in
  users) xdotool key Down Return ;;
  scores) xdotool key Down Down Return ;;
  quit) xdotool key Up Return ;;
  esac
}

# The article list, then its first item.
first_article() {
  click 669 59
  sleep 0.6
  xdotool key Home Return
  sleep 0.5
}
# The text of the first English article as typed: its lines run on without line ends.
first_article_text() {
  local file
  file=$(cd "$work/app/English" && printf '%s\n' * | LC_ALL=C sort | head -n 1)
  tr -d '\r\n' <"$work/app/English/$file"
}

screen_text() { python3 "$help_tools/screen_text.py" "$work/glyphs" "$@"; }

# Types the targets of a letter drill that are not yet hit, each as it is shown, until
# SECONDS reaches $1; $2 is xdotool's --delay (it takes about half of it per character).
type_letters_until() {
  local slots keys
  while ((SECONDS < $1)); do
    slots=$(screen_text slots "$main")
    keys=$(tr -d ' ?-' <<<"$slots")
    [[ -n $keys ]] && xdotool type --delay "${2:-260}" "${keys,,}"
    sleep 0.5
  done
}

# Types the code or spelling the hint line shows, then Space, until SECONDS reaches $1. The
# hint lies at x $2 in case $3; a drill type that follows in order moves the hint on at once,
# a spelling only after the hit is shown, so a repeat is awaited for a moment.
type_hints_until() {
  local until=$1 left=$2 case=$3 delay=${4:-150} pause=${5:-0.4} text previous=
  while ((SECONDS < until)); do
    for _ in $(seq 12); do
      text=$(screen_text line "$main" "$left" 462 130 40 24 "$case")
      [[ -n $text && $text != "$previous" ]] && break
      sleep 0.1
    done
    [[ -n $text ]] || { sleep 0.3; continue; }
    xdotool type --delay "$delay" "${text,,} "
    previous=$text
    sleep "$pause"
  done
}

# Waits up to $1 seconds for a session to end by itself. The window takes clicks again only a
# moment later.
await_idle() {
  for _ in $(seq "$1"); do idle_look && return 0; sleep 0.5; idle_look && return 0; sleep 0.5; done
  fail "the session did not end by itself"
}

# An article session shows its first source line in a white box; no drill has one.
article_shown() {
  local white
  white=$(import -window "$main" ppm:- | convert ppm:- -crop 900x16+30+78 +repage -fill black \
    +opaque white -format '%[fx:mean]' info:)
  awk -v w="$white" 'BEGIN {exit !(w > 0.5)}' || fail "no article is shown (white $white)"
}

# Leaves through the menu and waits for the program to end.
trainer_quit() {
  local i
  for i in 1 2 3; do
    leave_menu quit
    timeout 8 tail --pid="$app" -f /dev/null && return 0
  done
  fail "the trainer did not end through 退出系统"
}
