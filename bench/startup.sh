#!/usr/bin/env bash
# Start-up time, memory and idle CPU of `q530 --simulate` against the floor,
# bench/minimal_quick (the same window kind showing one rectangle), on a
# virtual display of its own. Prints figures; asserts nothing.
#
#   bash bench/startup.sh            # N=5 runs of each program
#   N=9 BUILD_DIR=/tmp/b bash bench/startup.sh
#   REFERENCE=/tmp/old/q530 bash bench/startup.sh
#                                    # also an older build, in the same runs
#
# Per run, for each program:
#   map     wall time from exec until the first top-level window is mapped
#           on the display (bench/mapwatch), before anything is drawn in it
#   frame   wall time from exec until the first frame with content is on the
#           screen, seen from outside in the display's screen file
#           (bench/screenwatch); both programs are measured alike and
#           neither carries any measuring code
#   CPU ms to frame
#           CPU time the whole process used until the first frame, and how
#           long its GUI thread waited for a CPU meanwhile, read by the
#           watcher from /proc at the moment it sees the frame; on a busy
#           machine these tell slow work from waiting
#   RSS     VmRSS from /proc/PID/status 5 s after the first frame
#   private RssAnon from the same file at the same moment: the anonymous
#           resident memory, which no other process shares
#   CPU     utime+stime from /proc/PID/stat over the following 10 s, as %
#           of one core; "fine" is the same from the per-thread schedstat
#           (nanoseconds), "X" the display server's own CPU over those 10 s
# Each program first gets one uncounted warm-up run (WARMUP=0 skips it) so
# every counted run finds the shader and QML caches of its fresh HOME filled.
#
# Then q530 runs once more, uncounted, with Q530_STARTUP_TRACE set: the
# program writes a line per start-up phase (its clocks and RssAnon), and the
# breakdown prints where the milliseconds until the window is mapped and the
# megabytes of RssAnon went, next to the floor's totals (TRACE=0 skips it).
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build-bench}"
runs="${N:-5}"
warmup="${WARMUP:-1}"
trace="${TRACE:-1}"
idle_rss_s=5
idle_cpu_s=10

if [ ! -f "$build/build.ninja" ]; then
    cmake -S "$root" -B "$build" -G Ninja >/dev/null
fi
ninja -C "$build" -j2 q530 minimal_quick screenwatch mapwatch >/dev/null
reference="${REFERENCE:-}"
if [ -n "$reference" ] && [ ! -x "$reference" ]; then
    echo "REFERENCE=$reference is no program" >&2
    exit 2
fi

work="$(mktemp -d "${TMPDIR:-/tmp}/q530-startup.XXXXXX")"
xvfb_pid=""
app_pid=""
watch_pid=""
map_pid=""
cleanup() {
    local pid
    for pid in "$app_pid" "$watch_pid" "$map_pid" "$xvfb_pid"; do
        if [ -n "$pid" ]; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM
cd "$work"

# One display for every run; its screen lives in a file the watcher reads.
mkdir -p "$work/fb"
Xvfb -displayfd 3 -screen 0 1280x800x24 -fbdir "$work/fb" -nolisten tcp \
    3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"
screen_file="$work/fb/Xvfb_screen0"
ticks_per_s="$(getconf CLK_TCK)"

# utime+stime of a process in clock ticks (fields 14 and 15; the name in
# field 2 may hold spaces).
cpu_ticks() {
    local stat rest
    stat="$(cat "/proc/$1/stat")"
    rest="${stat##*) }"
    read -ra f <<<"$rest"
    echo $((f[11] + f[12]))
}

# Time on CPU of all live threads of a process, in nanoseconds.
cpu_ns() {
    local sum=0 t a
    for t in /proc/"$1"/task/*/schedstat; do
        read -r a _ <"$t" 2>/dev/null || continue
        sum=$((sum + a))
    done
    echo "$sum"
}

# Microseconds since the epoch from bash's own clock (no fork).
now_us() {
    local t="$EPOCHREALTIME"
    echo "${t/./}"
}

# run_once <label> <run> <mode> <program and arguments...>
# mode 0: warm-up; 1: counted, appends "label screen_ms rss_kb cpu_pct
# fine_pct x_pct cpu_to_frame_ms main_wait_ms map_ms anon_kb" to results;
# 2: traced, the program writes its phases to $work/trace and the times seen
# from outside go to $work/trace-outside.
run_once() {
    local label="$1" run="$2" counted="$3"
    shift 3
    local dir="$work/$label-$run"
    local trace_to=""
    if [ "$counted" = 2 ]; then
        dir="$work/$label-traced"
        trace_to="$work/trace"
        rm -f "$trace_to"
    fi
    mkdir -p "$dir"
    local home="$work/home-$label"
    mkdir -p "$home/runtime"
    chmod 700 "$home/runtime"

    rm -f "$dir/ready" "$dir/pid" "$dir/mapready"
    "$build/bench/mapwatch" "$dir/mapready" 30000 >"$dir/map" &
    map_pid=$!
    while [ ! -e "$dir/mapready" ]; do
        kill -0 "$map_pid" 2>/dev/null || { echo "mapwatch failed" >&2; exit 1; }
        sleep 0.005
    done
    "$build/bench/screenwatch" "$screen_file" "$dir/ready" 30000 --pid-file "$dir/pid" >"$dir/watch" &
    watch_pid=$!
    while [ ! -e "$dir/ready" ]; do
        kill -0 "$watch_pid" 2>/dev/null || { echo "screenwatch failed" >&2; exit 1; }
        sleep 0.005
    done

    (
        export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
            XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" TMPDIR="$home" \
            Q530_INSTANCE_KEY="startup-$$-$label-$run"
        [ -z "$trace_to" ] || export Q530_STARTUP_TRACE="$trace_to"
        echo "$EPOCHREALTIME" >"$dir/exec"
        exec "$@"
    ) >"$dir/stdout" 2>"$dir/stderr" &
    app_pid=$!
    # The subshell became the program, so this is the program's own id.
    echo "$app_pid" >"$dir/pid"

    local screen_ms="n/a" rss_kb="n/a" cpu="n/a" fine="n/a" xcpu="n/a"
    local frame_cpu="n/a" main_wait="n/a" map_ms="n/a" anon_kb="n/a"
    if wait "$watch_pid"; then
        local exec_us seen_us mapped_us
        exec_us="$(tr -d . <"$dir/exec")"
        # The window is mapped before its first frame can be seen.
        if wait "$map_pid"; then
            read -r mapped_us <"$dir/map"
            map_ms="$(awk -v a="$exec_us" -v b="$mapped_us" 'BEGIN { printf "%.1f", (b - a) / 1000 }')"
        fi
        read -r seen_us _ <"$dir/watch"
        if [ "$counted" = 2 ]; then
            printf '%s %s %s\n' "$exec_us" "${mapped_us:-n/a}" "$seen_us" >"$work/trace-outside"
        fi
        screen_ms="$(awk -v a="$exec_us" -v b="$seen_us" 'BEGIN { printf "%.1f", (b - a) / 1000 }')"
        frame_cpu="$(awk '{ for (i = 3; i < NF; ++i) if ($i == "cpu_ms") { print $(i + 1); exit } }' "$dir/watch")"
        main_wait="$(awk '{ for (i = 3; i < NF; ++i) if ($i == "main_wait_ms") { print $(i + 1); exit } }' "$dir/watch")"
        [ -n "$frame_cpu" ] || frame_cpu="n/a"
        [ -n "$main_wait" ] || main_wait="n/a"
    fi
    watch_pid=""
    if [ -n "$map_pid" ]; then
        kill "$map_pid" 2>/dev/null || true
        wait "$map_pid" 2>/dev/null || true
        map_pid=""
    fi

    if kill -0 "$app_pid" 2>/dev/null && [ "$screen_ms" != "n/a" ]; then
        local seen_at
        seen_at="$(now_us)"
        if [ "$counted" = 1 ]; then
            sleep "$(awk -v s="$idle_rss_s" -v d=$(($(now_us) - seen_at)) 'BEGIN { r = s - d / 1e6; printf "%.3f", (r > 0 ? r : 0) }')"
            read -r rss_kb anon_kb < <(awk '/^VmRSS:/ { r = $2 } /^RssAnon:/ { a = $2 } END { print r, a }' "/proc/$app_pid/status")
            local t0 t1 n0 n1 x0 x1 w0 w1
            w0="$(now_us)"; t0="$(cpu_ticks "$app_pid")"; n0="$(cpu_ns "$app_pid")"; x0="$(cpu_ticks "$xvfb_pid")"
            sleep "$idle_cpu_s"
            w1="$(now_us)"; t1="$(cpu_ticks "$app_pid")"; n1="$(cpu_ns "$app_pid")"; x1="$(cpu_ticks "$xvfb_pid")"
            cpu="$(awk -v d=$((t1 - t0)) -v hz="$ticks_per_s" -v w=$((w1 - w0)) 'BEGIN { printf "%.2f", 100 * d / hz / (w / 1e6) }')"
            fine="$(awk -v d=$((n1 - n0)) -v w=$((w1 - w0)) 'BEGIN { printf "%.2f", 100 * d / 1e9 / (w / 1e6) }')"
            xcpu="$(awk -v d=$((x1 - x0)) -v hz="$ticks_per_s" -v w=$((w1 - w0)) 'BEGIN { printf "%.2f", 100 * d / hz / (w / 1e6) }')"
        elif [ "$counted" = 2 ]; then
            # The program marks the moment the counted runs read RssAnon.
            sleep "$(awk -v s="$idle_rss_s" -v d=$(($(now_us) - seen_at)) 'BEGIN { r = s + 0.5 - d / 1e6; printf "%.3f", (r > 0 ? r : 0) }')"
        fi
    fi

    if kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid"
    else
        echo "$label run $run: the program ended early; see below" >&2
        cat "$dir/stderr" >&2
    fi
    wait "$app_pid" 2>/dev/null || true
    app_pid=""

    local tag="run $run"
    [ "$counted" = 1 ] || tag="warm-up"
    [ "$counted" != 2 ] || tag="traced"
    printf '  %-9s %-8s map %6s ms  frame %6s ms  CPU to frame %6s ms (GUI thread waited %5s ms for a CPU)  RSS %7s kB  private %7s kB  CPU %5s %%  fine %5s %%  X %5s %%\n' \
        "$label" "$tag" "$map_ms" "$screen_ms" "$frame_cpu" "$main_wait" "$rss_kb" "$anon_kb" "$cpu" "$fine" "$xcpu" >&2
    if [ "$counted" = 1 ]; then
        echo "$label $screen_ms $rss_kb $cpu $fine $xcpu $frame_cpu $main_wait $map_ms $anon_kb" >>"$work/results"
    fi
}

q530=("$build/q530" --simulate)
minimal=("$build/bench/minimal_quick")
# The floor as Qt sets it up by default (on a machine without a GPU that is
# OpenGL drawn by the CPU), and the same floor on Qt Quick's software
# renderer, the one the program chooses: the second shows what the page
# itself costs.
labels=(q530 minimal minimal-sw)
[ -z "$reference" ] || labels+=(reference)
command_of() {
    case "$1" in
        q530) echo "${q530[@]}" ;;
        minimal) echo "${minimal[@]}" ;;
        minimal-sw) echo "env QT_QUICK_BACKEND=software ${minimal[*]}" ;;
        reference) echo "$reference --simulate" ;;
    esac
}

echo "Measuring on display $DISPLAY, $runs runs each (about $(((runs * ${#labels[@]}) * (idle_rss_s + idle_cpu_s + 2) / 60 + 1)) min)" >&2
echo "  $(nproc) CPUs; load average before: $(cut -d' ' -f1-3 /proc/loadavg)" >&2
: >"$work/results"
if [ "$warmup" = 1 ]; then
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2046
        run_once "$label" 0 0 $(command_of "$label")
    done
fi
# Alternate the programs so drift on the machine touches all alike.
for run in $(seq "$runs"); do
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2046
        run_once "$label" "$run" 1 $(command_of "$label")
    done
done

if [ "$trace" = 1 ]; then
    run_once q530 0 2 "${q530[@]}"
fi

# Medians per program and column; n/a where no run gave a figure.
median() {
    awk -v label="$1" -v col="$2" '$1 == label && $col != "n/a" { print $col }' "$work/results" \
        | sort -g | awk '{ v[NR] = $1 } END {
            if (NR == 0) { print "n/a"; exit }
            if (NR % 2) printf "%s\n", v[(NR + 1) / 2]; else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == "n/a" || b + 0 == 0) print "n/a"; else printf "%.2f", a / b }'
}

declare -A m
for label in "${labels[@]}"; do
    for col in 2 3 4 5 6 7 8 9 10; do
        m[$label,$col]="$(median "$label" "$col")"
    done
    m[$label,mb]="$(awk -v k="${m[$label,3]}" 'BEGIN { if (k == "n/a") print k; else printf "%.1f", k / 1024 }')"
    m[$label,anonmb]="$(awk -v k="${m[$label,10]}" 'BEGIN { if (k == "n/a") print k; else printf "%.1f", k / 1024 }')"
done

echo
fmt='%-20s %8s %9s %11s %11s %11s %11s %9s %8s\n'
printf "$fmt" program "map ms" "frame ms" "CPU ms to" "RSS MB" "private MB" "CPU %" "fine" "X CPU"
printf "$fmt" "" "" "" "frame" "after 5 s" "after 5 s" "over 10 s" "CPU %" "%"
for label in "${labels[@]}"; do
    printf "$fmt" "$label" "${m[$label,9]}" "${m[$label,2]}" "${m[$label,7]}" "${m[$label,mb]}" \
        "${m[$label,anonmb]}" "${m[$label,4]}" "${m[$label,5]}" "${m[$label,6]}"
done
for floor in minimal minimal-sw; do
    for label in "${labels[@]}"; do
        case "$label" in minimal*) continue ;; esac
        printf "$fmt" "$label/$floor" \
            "$(ratio "${m[$label,9]}" "${m[$floor,9]}")" "$(ratio "${m[$label,2]}" "${m[$floor,2]}")" \
            "$(ratio "${m[$label,7]}" "${m[$floor,7]}")" "$(ratio "${m[$label,3]}" "${m[$floor,3]}")" \
            "$(ratio "${m[$label,10]}" "${m[$floor,10]}")" \
            "$(ratio "${m[$label,4]}" "${m[$floor,4]}")" "$(ratio "${m[$label,5]}" "${m[$floor,5]}")" \
            "$(ratio "${m[$label,6]}" "${m[$floor,6]}")"
    done
done
waits=""
for label in "${labels[@]}"; do
    waits+=" $label ${m[$label,8]} ms,"
done
echo "GUI thread waiting for a CPU before the first frame (median):${waits%,}"
echo "(medians of $runs runs; map = exec to the window mapped, frame = exec to first frame on screen,"
echo " both seen from outside; load average after: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) CPUs)"

goal() {
    awk -v v="$1" -v limit="$2" 'BEGIN { if (v == "n/a") print "no figure"; else if (v + 0 <= limit) print "met"; else print "missed" }'
}
floor=minimal-sw
map_ratio="$(ratio "${m[q530,9]}" "${m[$floor,9]}")"
anon_ratio="$(ratio "${m[q530,10]}" "${m[$floor,10]}")"
# From the threads' own run time (nanoseconds, "fine"), to one decimal: clock
# ticks are 10 ms, so one tick more or less in the 10 s is 0.1 % by chance.
idle_cpu="$(awk -v v="${m[q530,5]}" 'BEGIN { if (v == "n/a") print v; else printf "%.1f", v }')"
echo
echo "Goals, against the software-renderer floor ($floor):"
echo "  window mapped within 1.5 x floor: $(goal "$map_ratio" 1.5) ($map_ratio x)"
echo "  private memory within 1.5 x floor: $(goal "$anon_ratio" 1.5) ($anon_ratio x)"
echo "  idle CPU 0.0 % over ${idle_cpu_s} s: $(goal "$idle_cpu" 0) ($idle_cpu %; ${m[q530,5]} % from the threads' run time, ${m[q530,4]} % in clock ticks)"

if [ "$trace" = 1 ] && [ -s "$work/trace" ] && [ -s "$work/trace-outside" ]; then
    echo
    echo "Breakdown of one traced q530 run: phases in order, ms since exec (+ since the phase before),"
    echo "CPU ms the marking thread used since its mark before, and RssAnon MB (+ since the phase before);"
    echo "the floor ($floor, medians) maps at ${m[$floor,9]} ms with ${m[$floor,anonmb]} MB private after 5 s;" \
        "the goals allow $(awk -v a="${m[$floor,9]}" -v b="${m[$floor,10]}" \
        'BEGIN { if (a == "n/a" || b == "n/a") print "n/a"; else printf "%.1f ms and %.1f MB", 1.5 * a, 1.5 * b / 1024 }')."
    # The program's own clocks: its first wall time anchors it to the exec,
    # the monotonic clock times the steps; the outside times are wall times.
    # Lines: wall_us mono_us anon_kb thread_cpu_us tid phase...
    awk 'NR == FNR { exec_us = $1; mapped = $2; seen = $3; next }
         FNR == 1 { wall0 = $1; mono0 = $2; gui = $5 }
         {
             name = $6; for (i = 7; i <= NF; ++i) name = name " " $i
             if ($5 != gui) name = name " [other thread]"
             n += 1; at[n] = (wall0 - exec_us + $2 - mono0) / 1000; kb[n] = $3; what[n] = name
             cpu[n] = ($4 - (($5 in lastcpu) ? lastcpu[$5] : 0)) / 1000; lastcpu[$5] = $4
         }
         END {
             if (mapped != "n/a") { n += 1; at[n] = (mapped - exec_us) / 1000; kb[n] = -1; what[n] = "window mapped (seen from outside)" }
             n += 1; at[n] = (seen - exec_us) / 1000; kb[n] = -1; what[n] = "first frame on screen (seen from outside)"
             for (i = 2; i <= n; ++i)
                 for (j = i; j > 1 && at[j - 1] > at[j]; --j) {
                     t = at[j]; at[j] = at[j - 1]; at[j - 1] = t
                     t = kb[j]; kb[j] = kb[j - 1]; kb[j - 1] = t
                     t = cpu[j]; cpu[j] = cpu[j - 1]; cpu[j - 1] = t
                     t = what[j]; what[j] = what[j - 1]; what[j - 1] = t
                 }
             printf "  %-64s %8s %7s %7s %7s %6s\n", "phase", "ms", "+ms", "CPU ms", "MB", "+MB"
             printf "  %-64s %8.1f\n", "exec", 0
             last_at = 0; last_kb = 0
             for (i = 1; i <= n; ++i) {
                 if (kb[i] < 0) {
                     printf "  %-64s %8.1f %7.1f\n", what[i], at[i], at[i] - last_at
                 } else {
                     printf "  %-64s %8.1f %7.1f %7.1f %7.1f %6.1f\n", what[i], at[i], at[i] - last_at, cpu[i], kb[i] / 1024, (kb[i] - last_kb) / 1024
                     last_kb = kb[i]
                 }
                 last_at = at[i]
             }
         }' "$work/trace-outside" "$work/trace"
fi
