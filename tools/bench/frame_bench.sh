#!/bin/sh
# Frame rate, frame times, CPU and memory of whole runs of the game, so every
# change to drawing, pacing or sound can be checked the same way.
#
#   tools/bench/frame_bench.sh [PROGRAM] [FRAMES]
#
# PROGRAM defaults to build/brambleton, FRAMES (per run) to 1200. Windowed
# runs go under xvfb-run (a bare X server, no GPU); run from the source folder
# so the game finds game/. Prints one Markdown table; each run's full
# --frame-stats file stays in $OUT (default /tmp/brambleton-bench).
set -eu
PROGRAM=${1:-build/brambleton}
FRAMES=${2:-1200}
OUT=${OUT:-/tmp/brambleton-bench}
XVFB="xvfb-run -a -s"
SCREEN="-screen 0 1600x900x24"
mkdir -p "$OUT"

if [ ! -x "$PROGRAM" ]; then
    echo "No program at $PROGRAM" >&2
    exit 2
fi

# run NAME ARGS...: one run with its own user folder, statistics file and log.
run() {
    name=$1
    shift
    rm -rf "$OUT/$name.user"
    "$@" --user-dir "$OUT/$name.user" --frame-stats "$OUT/$name.stats" >"$OUT/$name.log" 2>&1 ||
        echo "run $name ended with status $?" >&2
}

windowed() {
    name=$1
    shift
    run "$name" $XVFB "$SCREEN" env SDL_AUDIODRIVER=dummy "$PROGRAM" --windowed --frames "$FRAMES" \
        "$@"
}

value() { awk -v k="$2" '$1 == k { print $2 }' "$OUT/$1.stats" 2>/dev/null; }

# A row: fps, frame-time median/p99/max, update+draw median (in a window
# the draw includes the wait for the next frame), the game thread's CPU per
# frame (median), the whole process's CPU per frame (all threads, the
# OpenGL rasteriser's included), cores, cores in the second half of the
# frames (start-up and loading left out), peak RSS, time to first frame.
row() {
    name=$1
    label=$2
    fps=$(value "$name" fps)
    cores=$(value "$name" cores)
    cpu=$(awk -v c="${cores:-0}" -v f="${fps:-0}" \
        'BEGIN { if (f > 0) printf "%.2f", c * 1000 / f; else print "-" }')
    ud=$(awk -v u="$(value "$name" update_ms_median)" -v d="$(value "$name" draw_ms_median)" \
        'BEGIN { printf "%.2f", u + d }')
    echo "| $label | $fps | $(value "$name" frame_ms_median) | $(value "$name" frame_ms_p99) |" \
        "$(value "$name" frame_ms_max) | $ud | $(value "$name" thread_cpu_ms_median) | $cpu |" \
        "$cores | $(value "$name" cores_second_half) | $(value "$name" peak_rss_mb) |" \
        "$(value "$name" first_frame_s) |"
}

windowed default12 --level 12 --autoplay --seed 7
windowed gpu12 --renderer gpu --level 12 --autoplay --seed 7
windowed default1 --level 1 --autoplay --seed 7
windowed default_idle --level 12 --seed 7
windowed gpu_idle --renderer gpu --level 12 --seed 7
windowed menu_idle --screen menu
windowed gpu_menu_idle --renderer gpu --screen menu
windowed dialog_idle --screen options
# A player's start: splash skipped, loading screen, main menu; the second start in the same
# user folder remembers the renderer trial's answer.
start() {
    (cd "$OUT/start.dir" && $XVFB "$SCREEN" env SDL_AUDIODRIVER=dummy "$ABSOLUTE" --windowed \
        --frames 200 --user-dir "$OUT/start.user" --frame-stats "$OUT/$1.stats" >"$OUT/$1.log" 2>&1) ||
        echo "run $1 ended with status $?" >&2
}
ABSOLUTE=$(cd "$(dirname "$PROGRAM")" && pwd)/$(basename "$PROGRAM")
rm -rf "$OUT/start.user" "$OUT/start.dir"
mkdir -p "$OUT/start.dir"
touch "$OUT/start.dir/noSplash.txt"  # no start-up cards: the loading screen comes first
start start1
start start2
run headless12 "$PROGRAM" --headless --renderer software --fixed-step --level 12 --autoplay \
    --seed 7 --frames "$FRAMES"

echo "| run | fps | frame ms median | p99 | max | update+draw ms median |" \
    "thread CPU ms/frame | process CPU ms/frame | cores | cores, second half | peak RSS MiB |" \
    "first frame s |"
echo "|---|---|---|---|---|---|---|---|---|---|---|---|"
row default12 "level 12 played, default renderer"
row gpu12 "level 12 played, --renderer gpu"
row default1 "level 1 played, default renderer"
row default_idle "level 12 idle, default renderer"
row gpu_idle "level 12 idle, --renderer gpu"
row menu_idle "main menu idle, default renderer"
row gpu_menu_idle "main menu idle, --renderer gpu"
row dialog_idle "options dialog idle, default renderer"
row headless12 "level 12 played, headless software, fixed step"
echo
echo "| start (splash skipped) | first presented frame s | main menu answers clicks s | slowest set-up step ms |"
echo "|---|---|---|---|"
for n in 1 2; do
    echo "| start $n | $(value start$n first_present_s) | $(value start$n menu_ready_s) |" \
        "$(value start$n slowest_step_ms) ($(awk '$1 == "slowest_step" { $1 = ""; print }' "$OUT/start$n.stats")) |"
done
grep -h "^Renderer:" "$OUT/default12.log" "$OUT/gpu12.log" 2>/dev/null || true
