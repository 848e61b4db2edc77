#!/usr/bin/env bash
# Builds fle-bench and prints one table of measurements for this machine:
# start-up to the first painted frame (program and bare window), start-up
# instructions under callgrind, peak memory, and the click on Finish (whole
# click and handler alone, in time and in instructions) once page VI is painted.
# Figures are reported beside their targets, never asserted.
#   bench/run.sh [STARTUP_RUNS] [FINISH_RUNS]      (defaults 15 and 40)
# BUILD_DIR picks the build tree (default build/); the callgrind profiles and
# their annotated top functions are kept in BUILD_DIR/bench-out/.
set -euo pipefail
source "$(dirname "$0")/../tools/setup.sh"

startup_runs="${1:-15}"
finish_runs="${2:-40}"

install_missing "${PACKAGES[@]}" valgrind
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD_DIR" -j"$(nproc)" --target fle-bench >"$BUILD_DIR/bench-build.log" 2>&1 ||
    { cat "$BUILD_DIR/bench-build.log"; exit 1; }
bench="$BUILD_DIR/bench/fle-bench"
out="$BUILD_DIR/bench-out"
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen QT_FONT_DPI=96

value() { awk -v key="$1" '$1 == key { print $2 }' "$2"; }

echo "start-up: $startup_runs runs each ..." >&2
"$bench" --startup "$startup_runs" >"$out/startup.txt"
echo "Finish: $finish_runs fresh windows ..." >&2
"$bench" --mode finish --repeat "$finish_runs" >"$out/finish.txt" 2>/dev/null

# Instructions from process start to the end of the process: start, one frame, close.
for mode in app bare; do
    echo "callgrind: $mode ..." >&2
    valgrind --tool=callgrind --callgrind-out-file="$out/callgrind.$mode" \
        "$bench" --mode "$mode" >/dev/null 2>"$out/callgrind.$mode.log"
    callgrind_annotate --inclusive=yes "$out/callgrind.$mode" >"$out/callgrind.$mode.top.txt" 2>/dev/null || true
done
# The Finish click alone: fle-bench switches counting on and off around it.
echo "callgrind: Finish ..." >&2
valgrind --tool=callgrind --collect-atstart=no --callgrind-out-file="$out/callgrind.finish" \
    "$bench" --mode finish-ir >/dev/null 2>"$out/callgrind.finish.log"
callgrind_annotate --inclusive=yes "$out/callgrind.finish" >"$out/callgrind.finish.top.txt" 2>/dev/null || true
ir() { awk '/^(summary|totals):/ { print $2; exit }' "$out/callgrind.$1"; }
handler_ir=$(awk '/MainWindow::on_pushButton_3_clicked\(\) \[/ { gsub(",", "", $1); print $1; exit }' \
    "$out/callgrind.finish.top.txt")

app_ms=$(value app_frame_ms "$out/startup.txt")
bare_ms=$(value bare_frame_ms "$out/startup.txt")
app_rss=$(value app_maxrss_kb "$out/startup.txt")
bare_rss=$(value bare_maxrss_kb "$out/startup.txt")
app_ir=$(ir app)
bare_ir=$(ir bare)
finish_ms=$(value finish_ms "$out/finish.txt")
finish_min=$(value finish_min_ms "$out/finish.txt")
finish_max=$(value finish_max_ms "$out/finish.txt")
finish_correct=$(value finish_correct "$out/finish.txt")
handler_ms=$(value handler_ms "$out/finish.txt")
finish_ir=$(ir finish)

grouped() { echo "$1" | sed ':a;s/\B[0-9]\{3\}\>/,&/;ta'; }
verdict() { if awk "BEGIN { exit !($1) }"; then echo "met"; else echo "MISSED"; fi; }

echo
echo "Benchmark on $(nproc) cores, $(uname -m), Qt $(qmake -query QT_VERSION 2>/dev/null || echo 5), offscreen platform, $(date -u +%Y-%m-%d)"
printf '%-44s %14s %14s %14s   %s\n' "measure" "program" "bare window" "ratio / diff" "target"
printf '%-44s %14s %14s %14s   %s\n' "--------" "-------" "-----------" "------------" "------"
printf '%-44s %14s %14s %13.2fx   %s\n' "start-up to first frame, median of $startup_runs (ms)" \
    "$app_ms" "$bare_ms" "$(awk "BEGIN { print $app_ms / $bare_ms }")" "-"
printf '%-44s %14s %14s %13.2fx   %s\n' "start-up instructions, callgrind (Ir)" \
    "$(grouped "$app_ir")" "$(grouped "$bare_ir")" "$(awk "BEGIN { print $app_ir / $bare_ir }")" \
    "< 6x: $(verdict "$app_ir < 6 * $bare_ir")"
printf '%-44s %14.1f %14.1f %+13.1f    %s\n' "peak resident memory, median (MB)" \
    "$(awk "BEGIN { print $app_rss / 1024 }")" "$(awk "BEGIN { print $bare_rss / 1024 }")" \
    "$(awk "BEGIN { print ($app_rss - $bare_rss) / 1024 }")" \
    "<= 10 MB above bare: $(verdict "$app_rss - $bare_rss <= 10 * 1024")"
printf '%-44s %14s %14s %14s   %s\n' "Finish click, paints done, median of $finish_runs (ms)" \
    "$finish_ms" "-" "-" "< 2 ms: $(verdict "$finish_ms < 2")"
printf '%-44s %14s %14s %14s   %s\n' "Finish handler alone, median (ms)" "$handler_ms" "-" "-" "-"
printf '%-44s %14s %14s %14s   %s\n' "Finish click instructions, callgrind (Ir)" "$(grouped "$finish_ir")" "-" "-" "-"
printf '%-44s %14s %14s %14s   %s\n' "Finish handler instructions, callgrind (Ir)" "$(grouped "$handler_ir")" "-" "-" "-"
echo
echo "Finish: min $finish_min ms, max $finish_max ms; $finish_correct of 35 counted right."
echo "Top inclusive functions: $out/callgrind.{app,bare,finish}.top.txt"
