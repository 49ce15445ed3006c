#!/usr/bin/env bash
# smoke.sh SCENARIO PROGRAM_FOLDER: runs inside a virtual X display.
set -euo pipefail
scenario=$1
built=$2

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cp -a "$built"/. "$work"/
pid=

fail() { echo "FAIL: $*" >&2; exit 1; }

# Waits for a window whose name matches; prints its id.
window() {
  local id
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
    fail "no window named '$1'"
  echo "$id"
}

# Finds the main window and waits until it has drawn its start button: a click that comes
# before the window is ready for input is lost.
main_window() {
  main=$(window '^Quorvin .*----abc$')
  for _ in $(seq 40); do button1 && break; sleep 0.25; done
  button1 || fail "the main window shows no start button"
  sleep 0.5
}

# Clicks at a point of the main window's client area (taken from the window itself: under a
# window manager, xdotool's geometry is the frame's).
click() {
  local info
  info=$(xwininfo -id "$main")
  xdotool mousemove "$(($(awk '/Absolute upper-left X/{print $4}' <<<"$info") + $1))" \
    "$(($(awk '/Absolute upper-left Y/{print $4}' <<<"$info") + $2))" click 1
  sleep 0.3
}

# 退出 opens the leave menu, where Up from no item chooses its last item, 退出系统. A busy
# machine may open the menu late: then the keys are lost, and the whole step is tried again.
quit_through_menu() {
  for _ in 1 2 3; do
    click 751 482
    sleep 0.5
    xdotool key Up Return
    timeout 5 tail --pid="$pid" -f /dev/null && return 0
  done
}

# Waits for the program to end; its exit code goes to $code.
wait_exit() {
  timeout 20 tail --pid="$pid" -f /dev/null || fail "the program did not end"
  code=0
  wait "$pid" || code=$?
  pid=
}

# How many colours a rectangle of the main window shows: 1 where nothing is drawn.
colours() {
  import -window "$main" -crop "$3x$4+$1+$2" +repage -format '%k' info:
}
shown() { [[ $(colours "$@") -gt 1 ]]; }
button1() { shown 324 468 69 29; }
session_look() { ! button1 && ! radio_group1; }
not() { ! "$@"; }
# Whether a check holds within two seconds: a busy machine draws late.
eventually() {
  for _ in $(seq 8); do "$@" && return 0; sleep 0.25; done
  "$@"
}
radio_group1() { shown 5 4 353 126; }

# After a 30-second session: waits for its time-out, quits through the menu and puts the one
# score line the session added into $last.
timed_out_score_line() {
  for _ in $(seq 30); do radio_group1 && break; sleep 1; done
  radio_group1 || fail "the 30-second session did not end by itself"
  quit_through_menu
  wait_exit
  [[ $code -eq 0 ]] || fail "exit code $code after 退出系统"
  [[ $(wc -l < "$work/orvScore.dat") -eq $((lines_before + 1)) ]] || fail "no new score line"
  last=$(tail -n 1 "$work/orvScore.dat" | tr -d '\r\n')
}
# A column of $last from byte $1 + 1, 20 bytes, as UTF-8 without blanks.
field() { printf '%s' "$last" | cut -b "$(($1 + 1))-$(($1 + 20))" | iconv -f GBK -t UTF-8 | tr -d ' '; }

# The files of the program folder with their sizes and times: a start-up that fails must not
# touch any of them.
untouched() { (cd "$work" && find . -type f -printf '%p %s %T@\n' | sort); }
# What the files hold, the settings left out: a short session changes no content (the score
# file is rewritten at shutdown, but with the same lines).
contents() { (cd "$work" && find . -type f ! -name Quorvin.ini -exec md5sum {} + | sort -k 2); }

case "$scenario" in
session)
  before=$(contents)
  "$work/quorvin" &
  pid=$!
  main_window
  button1 && radio_group1 || fail "the idle window lacks its start button or type choice"
  click 358 482                   # 开始: a 30-second capital-letter drill
  eventually session_look || fail "Start did not switch to the session look"
  xdotool key shift+Escape        # pause
  eventually button1 || fail "Shift+Esc did not pause (no 继续 button)"
  xdotool key shift+Escape        # continue
  eventually not button1 || fail "Shift+Esc did not continue"
  xdotool key Escape              # end
  eventually radio_group1 || fail "Esc did not end the session"
  kill -0 "$pid" || fail "the program died during the session"
  quit_through_menu
  wait_exit
  [[ $code -eq 0 ]] || fail "exit code $code after 退出系统"
  after=$(contents)
  [[ "$before" == "$after" ]] || fail "files changed: $(diff <(echo "$before") <(echo "$after"))"
  grep -q '^Ornvale\\Quorvin\\Interval=5' "$work/Quorvin.ini" ||
    fail "the settings were not written: $(cat "$work/Quorvin.ini" 2>&1)"
  ;;
drill30)
  lines_before=$(wc -l < "$work/orvScore.dat")
  "$work/quorvin" &
  pid=$!
  main_window
  click 358 482                   # 开始: the first type and duration, a 30-second letter drill
  xdotool type --delay 120 'abcdxyzabcd'
  sleep 29
  timed_out_score_line
  bytes=$(printf '%s' "$last" | wc -c)
  [[ $bytes -eq 360 ]] || fail "the new score line is $bytes bytes, not 360"
  [[ $last == abc* ]] || fail "the new score line is not the current user's: $last"
  [[ $(printf '%s' "$last" | iconv -f GBK -t UTF-8) == *0:0:30* ]] || fail "no 0:0:30 in: $last"
  ;;
wubi13)
  # 一级简码 for 30 seconds, typed by a learner who knows the 25 codes but not which four
  # characters are shown: every code followed by Space, round after round.
  lines_before=$(wc -l < "$work/orvScore.dat")
  "$work/quorvin" &
  pid=$!
  main_window
  click 187 49                    # the type 一级简码, third column, second row
  click 358 482                   # 开始
  codes=$(printf '%s ' {a..y})
  end=$((SECONDS + 28))
  while ((SECONDS < end)); do xdotool type --delay 40 "$codes"; done
  timed_out_score_line
  [[ $(field 100) == 一级简码 ]] || fail "the new score line is not of 一级简码: $(field 100)"
  total=$(field 140) rate=$(field 160)
  [[ ${total%字} -ge 20 ]] || fail "only $total characters were judged"
  [[ ${rate%%[.%]*} -ge 10 ]] || fail "the accuracy is $rate"
  echo "一级简码: $total, $rate"
  ;;
sound)
  # A sound server of the test's own with a silent sink whose monitor we record.
  export XDG_RUNTIME_DIR="$work/run" PULSE_RUNTIME_PATH="$work/run/pulse"
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=true \
    -L module-native-protocol-unix -L "module-null-sink sink_name=smoke" >"$work/pulse.log" 2>&1 &
  pulse=$!
  trap 'kill "$pid" "$pulse" 2>/dev/null || true; rm -rf "$work"' EXIT
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.2; done
  pactl set-default-sink smoke || fail "no sound server: $(cat "$work/pulse.log")"
  # The music must be heard whichever MP3 decoder the media framework picks: each one
  # installed is made the first choice in turn, and the log shows it was the one used.
  decoders=()
  for d in mpg123audiodec avdec_mp3 mpg123 mad; do
    gst-inspect-1.0 --exists "$d" && decoders+=("$d")
  done
  [[ ${#decoders[@]} -gt 0 ]] || fail "no MP3 decoder is installed"
  for decoder in "${decoders[@]}"; do
    rm -f "$work/gst.log"
    GST_PLUGIN_FEATURE_RANK="$decoder:MAX" GST_DEBUG="GST_ELEMENT_FACTORY:4" \
      GST_DEBUG_FILE="$work/gst.log" GST_DEBUG_NO_COLOR=1 "$work/quorvin" &
    pid=$!
    main_window
    sleep 1
    timeout 3 parec -d smoke.monitor --format=s16le --rate=22050 --channels=1 >"$work/heard.raw" || true
    rms=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1 |
      awk '/RMS +amplitude/ {print $3}')
    awk -v r="${rms:-0}" 'BEGIN { exit !(r > 0.01) }' ||
      fail "the idle music is silent through $decoder (RMS ${rms:-none})"
    grep -q "creating element \"$decoder\"" "$work/gst.log" ||
      fail "the music was not decoded by $decoder"
    quit_through_menu
    wait_exit
    [[ $code -eq 0 ]] || fail "exit code $code after 退出系统 (decoder $decoder)"
    echo "heard through $decoder: RMS $rms"
  done
  ;;
ime_wubi | ime_pinyin)
  # A learner's real input method: fcitx5 on a session bus of its own (the test runs under
  # dbus-run-session), with a private home, active from the start.
  if [[ $scenario == ime_wubi ]]; then engine=wbx type_y=106 type_name=五笔文章; else
    engine=pinyin type_y=87 type_name=拼音文章; fi
  export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$XDG_CONFIG_HOME/fcitx5" && mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  printf '[Groups/0]\nName=Default\nDefault Layout=us\nDefaultIM=%s\n\n' "$engine" \
    >"$XDG_CONFIG_HOME/fcitx5/profile"
  printf '[Groups/0/Items/0]\nName=keyboard-us\nLayout=\n\n[Groups/0/Items/1]\nName=%s\n' \
    "$engine" >>"$XDG_CONFIG_HOME/fcitx5/profile"
  printf 'Layout=\n\n[GroupOrder]\n0=Default\n' >>"$XDG_CONFIG_HOME/fcitx5/profile"
  # Active from the start, and without the pop-up naming the input method, which can catch
  # the test's first click.
  printf '[Behavior]\nActiveByDefault=True\nShowInputMethodInformation=False\n%s\n' \
    'ShowInputMethodInformationWhenFocusIn=False' >"$XDG_CONFIG_HOME/fcitx5/config"
  # Kept in the foreground so the test owns it and can wait for its end before the private
  # home goes; its ibus frontend stays off, since it writes into that home while it stops.
  fcitx5 --replace --disable=ibusfrontend >"$work/fcitx5.log" 2>&1 &
  ime=$!
  trap 'kill "$pid" "$ime" 2>/dev/null || true; wait "$ime" 2>/dev/null || true; rm -rf "$work"' EXIT
  sleep 2
  kill -0 "$ime" 2>/dev/null || fail "fcitx5 did not start: $(cat "$work/fcitx5.log")"
  # The article folder holds one text, so it is the first item of the list.
  rm -f "$work"/Chinese/*
  printf '%s\r\n' "春眠不觉晓，处处闻啼鸟。" | iconv -f UTF-8 -t GBK >"$work/Chinese/春晓.txt"
  lines_before=$(wc -l < "$work/orvScore.dat")
  QT_IM_MODULE=fcitx XMODIFIERS=@im=fcitx "$work/quorvin" &
  pid=$!
  main_window
  # The article type, fourth column; its list appears beside the durations. A click lost to
  # the input method's start-up is made again.
  for _ in 1 2 3; do
    click 273 "$type_y"
    for _ in 1 2 3 4; do shown 600 48 170 20 && break 2; sleep 0.5; done
  done
  shown 600 48 170 20 || fail "the article list did not appear for the article type"
  click 669 59                    # the article list, then its first item
  xdotool key Down Return
  sleep 0.5
  click 358 482                   # 开始: 30 seconds
  sleep 1
  if [[ $engine == wbx ]]; then
    # 春 眠 by full codes, 不 by its code and Space, then 你 where 觉 stands: four characters
    # committed, one of them wrong. The letters of 晓 stay in composition.
    for code in dwjf hnan 'gii ' wqiy jat; do xdotool type --delay 100 "$code"; sleep 0.3; done
    committed=4 wrong_least=1 wrong_most=1
  else
    # Five syllables, each committed by Space as its first candidate: five characters whatever
    # the candidates are; the last syllable stays in composition.
    for syllable in 'chun ' 'mian ' 'bu ' 'jue ' 'xiao ' chu; do
      xdotool type --delay 100 "$syllable"; sleep 0.3
    done
    committed=5 wrong_least=0 wrong_most=5
  fi
  sleep 29
  timed_out_score_line
  [[ $(field 100) == "$type_name" ]] || fail "the new score line is not of $type_name: $(field 100)"
  total=$(field 140) errors=$(field 180)
  [[ $total == "${committed}字" ]] ||
    fail "$total judged, not the $committed characters committed (composition is never judged)"
  ((errors >= wrong_least && errors <= wrong_most)) || fail "$errors errors"
  [[ $(printf '%s' "$last" | iconv -f GBK -t UTF-8) == *春晓* ]] || fail "no article name: $last"
  echo "$type_name through fcitx5 $engine: $total, $errors errors"
  ;;
fullscreen)
  # A window manager frames the window; client points are taken from the window itself.
  openbox >/dev/null 2>&1 &
  wm=$!
  trap 'kill "$pid" "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
  sleep 1
  press() { click "$1" "$2"; sleep 1.2; }
  size() { xwininfo -id "$main" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }
  state() { xprop -id "$main" _NET_WM_STATE; }
  expect() { # what, size, state pattern
    [[ $(size) == "$2" && $(state) =~ $3 ]] || fail "$1: $(size), $(state)"
  }
  "$work/quorvin" &
  pid=$!
  main_window
  expect "the start" 961x521 '= $'
  press 668 482                     # 全屏
  expect "after 全屏" 1920x1080 FULLSCREEN
  # The bottom bar, centred: 窗口 at D + 635 = 1114, 1080 - 28 - 23 = 1029.
  xdotool mousemove 1147 1043 click 1
  sleep 1.5
  expect "after 窗口" 961x521 '= $'
  # The desktop's own maximise leads to full screen too, and a restore from the taskbar back.
  wmctrl -i -r "$main" -b add,maximized_vert,maximized_horz
  sleep 1.5
  expect "after the desktop's maximise" 1920x1080 FULLSCREEN
  xdotool windowminimize "$main"
  sleep 1
  wmctrl -i -a "$main"
  sleep 1.5
  expect "after the restore from the taskbar" 961x521 '= $'
  quit_through_menu
  wait_exit
  [[ $code -eq 0 ]] || fail "exit code $code after 退出系统"
  ;;
missing_library)
  rm "$work/wbrc2.dll"
  before=$(untouched)
  "$work/quorvin" &
  pid=$!
  box=$(window '^失败$')
  xdotool windowfocus "$box" 2>/dev/null || true
  xdotool key Return
  wait_exit
  [[ $code -ne 0 ]] || fail "start-up without wbrc2.dll ended with code 0"
  after=$(untouched)
  [[ "$before" == "$after" && ! -e "$work/Quorvin.ini" ]] || fail "start-up wrote files"
  ;;
*)
  fail "unknown scenario $scenario"
  ;;
esac
echo "smoke $scenario: passed"
