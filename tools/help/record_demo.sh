#!/usr/bin/env bash
# record_demo.sh [OUTPUT.mp4]: records the demonstration video of the trainer, by default
# data-src/help/Quorvin2020使用演示.mp4. A copy of the built program (build/ci/quorvin, or
# $QUORVIN_BUILT) runs on a virtual display of its own (one of :91-:95) and is driven as a learner
# would: the main window, a capital-letter drill, an English article, a Pinyin drill, a Wubi
# drill with code hints that runs its 30 seconds to the end, and the score window. ffmpeg records
# the screen; the video is cut to the trainer's window with a caption bar below it. Needs
# Xvfb, xdotool, x11-utils, ImageMagick, python3, ffmpeg, fonts-noto-cjk; openbox if present.
# Takes about two minutes.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
output=${1:-$here/../../data-src/help/Quorvin2020使用演示.mp4}
font=/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc
fps=12
source "$here/trainer.sh"

need ffmpeg ffprobe
[[ -r $font ]] || fail "no CJK font at $font (apt-get install -y fonts-noto-cjk)"
trainer_start

# Captions: each is shown from its mark to the next one.
cap_times=() cap_texts=()
clock() { date +%s.%N; }
caption() { cap_times+=("$(clock)"); cap_texts+=("$1"); note "$1"; }

geometry "$main"
# The window with its frame, in even numbers for the video's colour format.
crop_x=$((fx / 2 * 2)) crop_y=$((fy / 2 * 2))
crop_w=$(((fx + fw - crop_x + 1) / 2 * 2)) crop_h=$(((fy + fh - crop_y + 1) / 2 * 2))

ffmpeg -nostdin -loglevel error -f x11grab -draw_mouse 1 -framerate "$fps" -video_size 1280x800 \
  -i "$DISPLAY" -c:v libx264 -preset ultrafast -crf 14 -pix_fmt yuv420p "$work/raw.mkv" \
  2>"$work/ffmpeg.log" &
recorder=$!
started+=("$recorder")
sleep 2
kill -0 "$recorder" 2>/dev/null || fail "ffmpeg does not record: $(cat "$work/ffmpeg.log")"
rec_start=$(clock)

caption "Quorvin 打字练习：选择打字类型和测试时间，按「开始」"
sleep 3.5

caption "英文(大)：看到哪个字母就敲哪个，打中的字母变红"
choose_type "$T_UPPER"
start_button
# Typing speeds: xdotool takes about half its --delay per character.
type_letters_until $((SECONDS + 10)) 400
caption "按 Esc 结束练习"
xdotool key Escape
sleep 2

caption "英文文章：从列表选文章，照着上面一行输入，打完一行自动换行"
choose_type "$T_ENGLISH_ARTICLE"
first_article
start_button
article_shown
text=$(first_article_text)
xdotool type --delay 380 "${text:0:70}"
sleep 1
caption "按 Esc 结束练习"
xdotool key Escape
sleep 2.5

caption "拼音「拼单字跟」：勾选「传统拼音提示」后，拼音显示在下方，敲拼音加空格"
checkbox_spelling_line
choose_type "$T_PINYIN_FOLLOW"
start_button
type_hints_until $((SECONDS + 11)) 130 lower 260 0.3
xdotool key Escape
sleep 1.5

caption "五笔「一级跟打」：左下角提示编码，敲编码加空格"
choose_type "$T_WUBI1_FOLLOW"
choose_30s
start_button
session_end=$((SECONDS + 30))
type_hints_until $((session_end - 1)) 0 upper 320 0.6
await_idle 10
caption "30 秒到时练习自动结束，成绩显示在窗口上方并记入成绩表"
sleep 5

caption "「退出」菜单中的「查询打字成绩」：历次练习的成绩"
leave_menu scores
scores=$(window '^查询打字成绩$')
sleep 5
click 591 21 "$scores"   # 退出(X)
xdotool search --onlyvisible --name '^查询打字成绩$' >/dev/null && xdotool key alt+x
caption "Quorvin 打字练习"
sleep 2.5

kill -INT "$recorder"
timeout 20 tail --pid="$recorder" -f /dev/null || fail "ffmpeg did not stop"
rec_end=$(clock)
trainer_quit

# The captions, drawn into a bar below the window.
filters="crop=$crop_w:$crop_h:$crop_x:$crop_y,pad=iw:ih+52:0:0:color=black"
for i in "${!cap_texts[@]}"; do
  from=$(awk -v a="${cap_times[i]}" -v s="$rec_start" 'BEGIN {printf "%.2f", a - s}')
  if ((i + 1 < ${#cap_texts[@]})); then next=${cap_times[i + 1]}; else next=$rec_end; fi
  to=$(awk -v a="$next" -v s="$rec_start" 'BEGIN {printf "%.2f", a - s}')
  printf '%s' "${cap_texts[i]}" >"$work/caption$i.txt"
  filters+=",drawtext=fontfile=$font:textfile=$work/caption$i.txt:fontsize=24:fontcolor=white"
  filters+=":x=(w-text_w)/2:y=h-39:enable='between(t,$from,$to)'"
done
printf '%s\n' "$filters" >"$work/filters.txt"
mkdir -p "$(dirname "$output")"
ffmpeg -nostdin -loglevel error -y -i "$work/raw.mkv" -filter_script:v "$work/filters.txt" \
  -r "$fps" -c:v libx264 -preset slow -crf 30 -pix_fmt yuv420p -movflags +faststart -an \
  -threads 2 "$work/demo.mp4"

# The video must hold what was recorded.
probe=$(ffprobe -v error -select_streams v:0 -count_frames \
  -show_entries stream=codec_name,pix_fmt,width,height,nb_read_frames -show_entries format=duration \
  -of default=noprint_wrappers=1 "$work/demo.mp4")
value() { awk -F= -v k="$1" '$1 == k {print $2}' <<<"$probe"; }
[[ $(value codec_name) == h264 ]] || fail "no H.264 video stream: $probe"
[[ $(value pix_fmt) == yuv420p ]] || fail "not yuv420p: $probe"
awk -v d="$(value duration)" 'BEGIN {exit !(d > 45)}' || fail "only $(value duration) s long"
(($(value nb_read_frames) > 400)) || fail "only $(value nb_read_frames) frames"
mv "$work/demo.mp4" "$output"
echo "$output: $(stat -c %s "$output") bytes, $(value width)x$(value height)," \
  "$(value duration) s, $(value nb_read_frames) frames"
