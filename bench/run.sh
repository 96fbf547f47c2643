#!/usr/bin/env bash
# Measures the game against a bare Qt window (gelumpa-floor) under an Xvfb and a PulseAudio server of
# its own: start-up time to the mapped window, peak resident memory, CPU used while idle after a sound,
# how long a click takes to show its marked group with the sound off and on, and how long it takes
# to be heard against a plain paplay of the same recording; prints each figure, the ratios, and a
# last line PASS or FAIL.  Each figure is judged by the best of its runs, taken in turns with those
# of what it is compared with.  Usage: bench/run.sh [BUILD_DIR]
set -Eeuo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
runs=${GELUMPA_BENCH_RUNS:-100}
click_runs=${GELUMPA_BENCH_CLICK_RUNS:-9}
idle_seconds=10
# Silence long enough for the device of the last sound to have closed.
pause_seconds=2.5
game_title="Gelumpa Dravenik 1.0"
floor_title="Gelumpa Floor 1.0"
about_title="About MyApp"

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGELUMPA_BUILD_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target gelumpa gelumpa-floor gelumpa-maptime gelumpa-clicktime gelumpa-soundtime >/dev/null
game=$build/ui/gelumpa
floor=$build/bench/gelumpa-floor
maptime=$build/bench/gelumpa-maptime
clicktime=$build/bench/gelumpa-clicktime
soundtime=$build/bench/gelumpa-soundtime
mark_recording=$root/assets/sounds/1.wav

work=$(mktemp -d)
# The sound server's socket; a server run as root drops to its own user, who must reach it.
pulse_dir=$(mktemp -d)
chmod 1777 "$pulse_dir"
xvfb_pid=
pulse_pid=
app_pid=
ear_pid=
cleanup() {
    if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
    if [ -n "$ear_pid" ]; then kill "$ear_pid" 2>/dev/null || true; fi
    if [ -n "$pulse_pid" ]; then kill "$pulse_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work" "$pulse_dir"
}
trap cleanup EXIT
# Programs' own messages go to a log that is shown when a step fails.
trap 'echo "bench: failed at line $LINENO: $BASH_COMMAND" >&2; tail -n 20 "$work/log" >&2' ERR

# Xvfb writes its display number once it accepts clients; without -noreset it would restart
# between two runs, when its last client leaves, and refuse the next for a moment.
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>>"$work/log" &
xvfb_pid=$!
read -r -t 30 display <"$work/display" || { echo "Xvfb did not start" >&2; exit 1; }

# Both programs run in the same plain environment: no window manager, no session, no sound card
# for the start-up; the sound server for the idle and click figures.
mkdir -m 700 "$work/runtime"
export DISPLAY=:$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=$work/runtime
unset WAYLAND_DISPLAY SESSION_MANAGER PULSE_SERVER

# A PulseAudio server playing into a sink that goes nowhere, as a desktop's sound server would.
pulse_mode=()
[ "$(id -u)" -ne 0 ] || pulse_mode=(--system)
pulseaudio "${pulse_mode[@]}" --daemonize=no -n --exit-idle-time=-1 --load="module-null-sink sink_name=null" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$pulse_dir/native" 2>>"$work/pulse.log" &
pulse_pid=$!
sound_server=unix:$pulse_dir/native
deadline=$((SECONDS + 30))
until PULSE_SERVER=$sound_server pactl info >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "the PulseAudio server did not start" >&2; tail "$work/pulse.log" >&2; exit 1; }
    sleep 0.05
done
# env runs the program in its own process, so that $! is the program's pid.
with_sound_server=(env PULSE_SERVER="$sound_server" SDL_AUDIODRIVER=pulseaudio)

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
# Other work on the machine only ever adds to a figure, never takes from it: the least of the runs
# is the one least disturbed, and what the verdicts compare.
best() { sort -n | awk 'NR == 1'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "n/a" }'; }
within() { awk -v v="$1" -v limit="$2" 'BEGIN { exit !(v != "n/a" && v <= limit) }'; }

# utime + stime of every thread, in milliseconds.
cpu_ms() {
    local fields
    fields=$(sed 's/^.*) //' "/proc/$1/stat")
    awk -v hz="$(getconf CLK_TCK)" '{ printf "%d", ($12 + $13) * 1000 / hz }' <<<"$fields"
}
# Voluntary and involuntary context switches of every thread: how often the program woke up.
wakeups() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
peak_kib() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status"; }

# Ends the program under test; the shell's own notice of the kill is not wanted.
stop_app() {
    { kill -KILL "$app_pid" && wait "$app_pid"; } 2>/dev/null || true
    app_pid=
}

# Waits until a window with exactly this title is visible and prints its id.
wait_window() { timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }

# Waits, with a deadline, until the program shows at least (or, with "only", exactly) that many
# windows: its menu's popups.
wait_windows() {
    local deadline=$((SECONDS + 10)) shown
    while :; do
        shown=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null | wc -l)
        if [ "${3:-}" = only ]; then [ "$shown" -eq "$2" ] && return 0; else [ "$shown" -ge "$2" ] && return 0; fi
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}
wait_popup() { wait_windows "$1" 2; }

# Waits, with a deadline, until SDL has opened an audio device: its playback thread is there.
wait_sound_open() {
    local deadline=$((SECONDS + 30))
    until grep -qs '^SDLAudio' /proc/"$1"/task/*/comm; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Waits, with a deadline, until SDL has closed the audio device: its playback thread is gone.
wait_sound_closed() {
    local deadline=$((SECONDS + 30))
    while grep -qs '^SDLAudio' /proc/"$1"/task/*/comm; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Start-up: the two programs take turns, run for run, so that both meet the same moments of the
# machine, and which goes first alternates, so that neither always finds the other's traces; the
# first run of each only warms the caches.
"$maptime" "$game_title" "$game" >/dev/null 2>>"$work/log"
"$maptime" "$floor_title" "$floor" >/dev/null 2>>"$work/log"
start_run_game() { "$maptime" "$game_title" "$game" 2>>"$work/log" >>"$work/game"; }
start_run_floor() { "$maptime" "$floor_title" "$floor" 2>>"$work/log" >>"$work/floor"; }
for round in $(seq "$runs"); do
    if [ $((round % 2)) -eq 1 ]; then
        start_run_game
        start_run_floor
    else
        start_run_floor
        start_run_game
    fi
done
# Each run's wall time in milliseconds, its peak memory in KiB, its CPU time in milliseconds.
start_ms() { awk '{ print $1 / 1000 }' "$work/$1"; }
start_peak() { awk '{ print $2 }' "$work/$1"; }
start_cpu_ms() { awk '{ print $3 / 1000 }' "$work/$1"; }
game_start_ms=$(start_ms game | best) game_start_median_ms=$(start_ms game | median)
floor_start_ms=$(start_ms floor | best) floor_start_median_ms=$(start_ms floor | median)
game_peak=$(start_peak game | best) game_peak_median=$(start_peak game | median)
floor_peak=$(start_peak floor | best) floor_peak_median=$(start_peak floor | median)
game_start_cpu_ms=$(start_cpu_ms game | best) floor_start_cpu_ms=$(start_cpu_ms floor | best)

# Idle, game: turn the sound on, open the about window from the keyboard, which plays the longest
# sound, wait for the sound to end, then count the CPU time of the next seconds.
"${with_sound_server[@]}" "$game" 2>>"$work/log" &
app_pid=$!
main_window=$(wait_window "$game_title")
xdotool windowfocus --sync "$main_window"
# The menu titles "&Game Menu" and "&Game Options" share their key: Help is opened, then the
# arrow keys walk left. "&Make me mad !!" turns the sound on, "&Keep silent.." off.
xdotool key --delay 20 alt+h Left s m
wait_windows "$app_pid" 1 only || { echo "the Sound menu did not close" >&2; exit 1; }
xdotool key alt+h
wait_popup "$app_pid" || { echo "the Help menu did not open" >&2; exit 1; }
xdotool key a
wait_window "$about_title" >/dev/null
about_shown=$(date +%s%N)
wait_sound_open "$app_pid" || { echo "gelumpa opened no audio device for the about tune" >&2; exit 1; }
wait_sound_closed "$app_pid" || echo "note: gelumpa still holds the audio device 30 s after the about window opened"
sound_closed_after=$(awk -v ns="$(($(date +%s%N) - about_shown))" 'BEGIN { printf "%.1f", ns / 1e9 }')
cpu_before=$(cpu_ms "$app_pid") wakeups_before=$(wakeups "$app_pid")
sleep "$idle_seconds"
game_idle_ms=$(($(cpu_ms "$app_pid") - cpu_before))
game_wakeups=$(($(wakeups "$app_pid") - wakeups_before))
game_session_peak=$(peak_kib "$app_pid")
stop_app

# Idle, floor: the same seconds right after its window is mapped.
"$floor" 2>>"$work/log" &
app_pid=$!
wait_window "$floor_title" >/dev/null
cpu_before=$(cpu_ms "$app_pid") wakeups_before=$(wakeups "$app_pid")
sleep "$idle_seconds"
floor_idle_ms=$(($(cpu_ms "$app_pid") - cpu_before))
floor_wakeups=$(($(wakeups "$app_pid") - wakeups_before))
floor_session_peak=$(peak_kib "$app_pid")
stop_app

# Click: the microseconds from a click's button release to its group shown marked, in runs that
# take turns with the sound off and on: the first click of a run, and a click after a pause of
# silence in which the device of the last sound has closed. Each line of click-off and click-on:
# the first click's figure and release time, then the same for the click after the pause.
click_run() {
    local sound=$1 first pause
    "${with_sound_server[@]}" "$game" 2>>"$work/log" &
    app_pid=$!
    main_window=$(wait_window "$game_title")
    xdotool windowfocus --sync "$main_window"
    xdotool key --delay 20 alt+h Left s "$([ "$sound" = on ] && echo m || echo k)" alt+h Left Left r
    wait_windows "$app_pid" 1 only || { echo "the menus did not close" >&2; exit 1; }
    first=$("$clicktime" "$main_window" 2>>"$work/log")
    if [ "$sound" = on ]; then
        wait_sound_open "$app_pid" || { echo "gelumpa opened no audio device for a mark" >&2; exit 1; }
        wait_sound_closed "$app_pid" || { echo "gelumpa held the audio device after a mark" >&2; exit 1; }
    fi
    sleep "$pause_seconds"
    pause=$("$clicktime" "$main_window" 2>>"$work/log")
    # Its sound is heard to the end, before the program is ended.
    if [ "$sound" = on ]; then
        wait_sound_open "$app_pid" || { echo "gelumpa opened no audio device for a mark" >&2; exit 1; }
        wait_sound_closed "$app_pid" || { echo "gelumpa held the audio device after a mark" >&2; exit 1; }
    fi
    echo "$first $pause" >>"$work/click-$sound"
    stop_app
}
# The same recording played by paplay, timed from its exec; it ends once its sound has played.
paplay_run() {
    env PULSE_SERVER="$sound_server" "$soundtime" exec paplay "$mark_recording" >>"$work/paplay" 2>>"$work/log"
    sleep "$pause_seconds"
}
# One recorder on the null sink's monitor hears the game and paplay alike.
env PULSE_SERVER="$sound_server" "$soundtime" listen "$work/heard" null.monitor 2>>"$work/log" &
ear_pid=$!
# The monitor's samples begin to flow a moment after the recorder has connected.
deadline=$((SECONDS + 30))
until [ -s "$work/heard" ]; do
    [ $SECONDS -lt $deadline ] || { echo "the recorder on the null sink's monitor heard nothing" >&2; exit 1; }
    sleep 0.05
done
# Each round has one run of each kind, the sound off and on taking turns at going first.
for round in $(seq "$click_runs"); do
    if [ $((round % 2)) -eq 1 ]; then
        click_run off
        click_run on
    else
        click_run on
        click_run off
    fi
    paplay_run
done
kill -TERM "$ear_pid"
wait "$ear_pid" || { echo "the recorder on the null sink's monitor heard nothing" >&2; exit 1; }
ear_pid=
# The clicks of one kind in milliseconds: column 1 the first click of each run, 3 the one after the pause.
click_ms() { awk -v column="$2" '{ print $column / 1000 }' "$work/click-$1"; }
off_first_ms=$(click_ms off 1 | best) off_pause_ms=$(click_ms off 3 | best)
on_first_ms=$(click_ms on 1 | best) on_pause_ms=$(click_ms on 3 | best)
off_first_median_ms=$(click_ms off 1 | median) off_pause_median_ms=$(click_ms off 3 | median)
on_first_median_ms=$(click_ms on 1 | median) on_pause_median_ms=$(click_ms on 3 | median)
later() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%+.2f", a - b }'; }
first_later_ms=$(later "$on_first_ms" "$off_first_ms")
pause_later_ms=$(later "$on_pause_ms" "$off_pause_ms")

# Heard: from each release (or paplay's exec) to the first sample above -40 dBFS on the monitor.
"$soundtime" delay "$work/heard" $(awk '{ print $2 }' "$work/click-on") >"$work/heard-first"
"$soundtime" delay "$work/heard" $(awk '{ print $4 }' "$work/click-on") >"$work/heard-pause"
"$soundtime" delay "$work/heard" $(cat "$work/paplay") >"$work/heard-paplay"
heard_ms() { grep -v none "$work/heard-$1" | awk '{ print $1 / 1000 }'; }
unheard() { grep -c none "$work/heard-$1" || true; }
every_heard() { awk '{ printf "%s ", $1 == "none" ? "none" : sprintf("%.1f", $1 / 1000) }' "$work/heard-$1"; }
heard_first_ms=$(heard_ms first | best) heard_pause_ms=$(heard_ms pause | best) heard_paplay_ms=$(heard_ms paplay | best)
heard_first_median_ms=$(heard_ms first | median) heard_pause_median_ms=$(heard_ms pause | median)
heard_paplay_median_ms=$(heard_ms paplay | median)
heard_first_later_ms=$(later "$heard_first_ms" "$heard_paplay_ms")
heard_pause_later_ms=$(later "$heard_pause_ms" "$heard_paplay_ms")
unheard_count=$(($(unheard first) + $(unheard pause) + $(unheard paplay)))

start_ratio=$(ratio "$game_start_ms" "$floor_start_ms")
peak_ratio=$(ratio "$game_peak" "$floor_peak")
echo "start-up to mapped window, gelumpa, best of $runs: $game_start_ms ms (median $game_start_median_ms ms)"
echo "start-up to mapped window, floor, best of $runs: $floor_start_ms ms (median $floor_start_median_ms ms)"
echo "start-up ratio gelumpa / floor: $start_ratio (limit 1.10; of the medians $(ratio "$game_start_median_ms" "$floor_start_median_ms"))"
echo "CPU time to mapped window, gelumpa, best: $game_start_cpu_ms ms"
echo "CPU time to mapped window, floor, best: $floor_start_cpu_ms ms"
echo "CPU time to mapped window ratio gelumpa / floor: $(ratio "$game_start_cpu_ms" "$floor_start_cpu_ms")"
echo "peak resident memory when mapped, gelumpa, least of $runs: $game_peak KiB (median $game_peak_median KiB)"
echo "peak resident memory when mapped, floor, least of $runs: $floor_peak KiB (median $floor_peak_median KiB)"
echo "peak resident memory ratio gelumpa / floor: $peak_ratio (limit 1.05)"
echo "peak resident memory over the idle session, gelumpa (about window open): $game_session_peak KiB"
echo "peak resident memory over the idle session, floor: $floor_session_peak KiB"
echo "sound device closed, gelumpa: ${sound_closed_after} s after the about window appeared"
echo "idle CPU over $idle_seconds s, gelumpa after a sound: $game_idle_ms ms ($game_wakeups wake-ups) (limit 0 ms)"
echo "idle CPU over $idle_seconds s, floor: $floor_idle_ms ms ($floor_wakeups wake-ups)"
echo "idle CPU ratio gelumpa / floor: $(ratio "$game_idle_ms" "$floor_idle_ms")"
echo "click to marked group, sound off, first click of a run, best of $click_runs: $off_first_ms ms (median $off_first_median_ms ms)"
echo "click to marked group, sound on, first click of a run, best of $click_runs: $on_first_ms ms (median $on_first_median_ms ms; difference $first_later_ms ms, limit +1 ms)"
echo "click to marked group, sound off, after $pause_seconds s of silence, best of $click_runs: $off_pause_ms ms (median $off_pause_median_ms ms)"
echo "click to marked group, sound on, after $pause_seconds s of silence, best of $click_runs: $on_pause_ms ms (median $on_pause_median_ms ms; difference $pause_later_ms ms, limit +1 ms)"
echo "every click, sound off (first, after the pause; ms): $(awk '{ printf "%.2f/%.2f ", $1 / 1000, $3 / 1000 }' "$work/click-off")"
echo "every click, sound on (first, after the pause; ms): $(awk '{ printf "%.2f/%.2f ", $1 / 1000, $3 / 1000 }' "$work/click-on")"
echo "paplay of the marking sound, exec to heard, best of $click_runs: $heard_paplay_ms ms (median $heard_paplay_median_ms ms)"
echo "click to marking sound heard, first click of a run, best of $click_runs: $heard_first_ms ms (median $heard_first_median_ms ms; paplay $heard_paplay_ms ms, difference $heard_first_later_ms ms, limit +5 ms)"
echo "click to marking sound heard, after $pause_seconds s of silence, best of $click_runs: $heard_pause_ms ms (median $heard_pause_median_ms ms; paplay $heard_paplay_ms ms, difference $heard_pause_later_ms ms, limit +5 ms)"
echo "every sound heard (ms): first clicks $(every_heard first); after a pause $(every_heard pause); paplay $(every_heard paplay)"

verdict=PASS
within "$start_ratio" 1.10 || verdict=FAIL
within "$peak_ratio" 1.05 || verdict=FAIL
[ "$game_idle_ms" -le 0 ] || verdict=FAIL
within "$first_later_ms" 1 || verdict=FAIL
within "$pause_later_ms" 1 || verdict=FAIL
within "$heard_first_later_ms" 5 || verdict=FAIL
within "$heard_pause_later_ms" 5 || verdict=FAIL
[ "$unheard_count" -eq 0 ] || verdict=FAIL
echo "$verdict: start-up $start_ratio x floor (<= 1.10), memory $peak_ratio x floor (<= 1.05), idle CPU $game_idle_ms ms (0 ms), click with sound $first_later_ms ms first, $pause_later_ms ms after a pause (<= +1 ms), heard $heard_first_later_ms ms first, $heard_pause_later_ms ms after a pause against paplay (<= +5 ms), $unheard_count unheard"
