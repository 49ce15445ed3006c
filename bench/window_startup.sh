#!/bin/sh
# Whole-process start-up: the time from starting a program to its first visible window, for
# the trainer of a built program folder and for tipp10 (Debian package), measured alike in one
# run under a virtual X display. Prints each run, the medians and their ratio.
#
#   bench/window_startup.sh PROGRAM_FOLDER [RUNS]
#
# Needs xvfb, xdotool and tipp10. The runs alternate between the two programs so both meet
# the same machine load; one unmeasured run of each first fills the disk cache and lets tipp10
# create its lesson database. Each program gets a home folder of its own, so no user's
# settings are read or written. The window is polled every 5 ms: `xdotool search --sync`
# polls only twice a second, too coarse for this. The server must not reset when its last
# client leaves, or a program starting in that moment finds no display.
set -eu

folder=$(cd "${1:?usage: $0 PROGRAM_FOLDER [RUNS]}" && pwd)
runs=${2:-11}
trainer="$folder/quorvin"
[ -x "$trainer" ] || { echo "no trainer in $folder" >&2; exit 1; }
command -v tipp10 >/dev/null || { echo "tipp10 is not installed (apt-get install tipp10)" >&2; exit 1; }

work=$(mktemp -d)
display=":$((200 + $$ % 500))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
export DISPLAY="$display"
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done

mkdir -p "$work/trainer" "$work/tipp10/.config/TIPP10"
# Without this tipp10 opens an introduction dialog before its main window.
printf '[main]\ncheck_illustration=false\nlanguage_layout=us_qwerty_win\nlanguage_lesson=en_us_qwerty\n' \
    >"$work/tipp10/.config/TIPP10/TIPP10.conf"

# Milliseconds from the start of the program (home folder, command) to its first visible
# window; the program is ended afterwards.
measure() {
    home=$1
    shift
    start=$(date +%s%N)
    HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=xcb "$@" >"$home/out.log" 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$1 ended before showing a window:" >&2; cat "$home/out.log" >&2; exit 1; }
        sleep 0.005
    done
    end=$(date +%s%N)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo $(((end - start) / 1000000))
}

median() {
    sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

measure "$work/trainer" "$trainer" >/dev/null
measure "$work/tipp10" tipp10 >/dev/null
: >"$work/trainer.ms"
: >"$work/tipp10.ms"
i=0
while [ $i -lt "$runs" ]; do
    measure "$work/trainer" "$trainer" >>"$work/trainer.ms"
    measure "$work/tipp10" tipp10 >>"$work/tipp10.ms"
    i=$((i + 1))
done

echo "trainer ms: $(tr '\n' ' ' <"$work/trainer.ms")"
echo "tipp10  ms: $(tr '\n' ' ' <"$work/tipp10.ms")"
trainer_median=$(median <"$work/trainer.ms")
tipp10_median=$(median <"$work/tipp10.ms")
echo "median: trainer $trainer_median ms, tipp10 $tipp10_median ms, ratio $(awk "BEGIN { printf \"%.2f\", $trainer_median / $tipp10_median }")"
