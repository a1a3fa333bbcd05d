#!/usr/bin/env bash
# Soak test: drives the real program on its own X display with random mouse and key input for a while
# and fails when it crashes, stops answering or keeps growing in memory.
#
#   scripts/soak.sh MINUTES [BUILD_DIR] [ROOT]
#
#   MINUTES    how long to send input (a whole or decimal number: 0.5 is half a minute)
#   BUILD_DIR  the build folder holding src/taxel (default: build)
#   ROOT       the folder holding StudyTaxel/ (default: BUILD_DIR/sample; the full tree is BUILD_DIR/ndc9)
#
#   SOAK_SEED  seed of the input sequence (default: the current time); the same seed makes the same
#              sequence of choices, so a failure can be replayed with SOAK_SEED=N and the same arguments
#              (the windows may react at other moments, so a replay can part from the first run)
#   SOAK_LOG   the log (default: soak-SEED.log in the current folder, or in BUILD_DIR when the current
#              folder cannot be written)
#
# The program runs as a user starts it, `BUILD_DIR/src/taxel --root DIR`, on a private Xvfb display
# with openbox, a fresh temporary HOME, and a copy of ROOT's StudyTaxel (so saved progress never
# touches the data tree). Documents and web pages the program hands to the desktop go to a stand-in
# `xdg-open` that only writes them to the log, so no browser or viewer is started.
#
# The input: the main window's menu buttons open the study windows (about one event in twenty goes
# to the main window, never to its close button or title bar); in a study window, clicks, double and
# right clicks, drags and wheel turns at random points, typed texts (Japanese words, full-width and
# ASCII class numbers, punctuation, characters beyond code page 932, runs of 200 to 400 characters,
# empty), Return, Tab, Shift+Tab, arrows, Home/End, Page Up/Down, space and editing keys, resizing,
# and closing by Escape or the title-bar button; message boxes are answered by Return, Space,
# Escape or their OK button. 5 to 30 ms pass between events besides the time xdotool takes.
#
# Every input is one line of the log: wall-clock time, seconds since the start, event number, the
# window it was sent to and what was sent. Every 10 seconds the log gets the program's resident
# memory (VmRSS), its CPU share and process state, and the program is checked for answering.
#
# Failures (exit status 1, the reason on the last line):
#   - the program is gone (its exit status or the signal that ended it is given; a core file, where
#     the system writes one into the working folder, is kept beside the log);
#   - the program does not answer: every 10 seconds a Shift key press is sent to the focused window
#     and the program must show within 10 seconds that it took the press from the X server (a stuck
#     program is so found 10 to 20 seconds after it sticks). Qt writes the server time of every key
#     or button press it handles into the window's _NET_WM_USER_TIME property, so a change of that
#     property on any of its windows proves that its event loop is running; a blocked or busy-looping
#     main thread leaves it unchanged. (X requests about the window are answered by the X server
#     alone and would not notice a stuck program.) When the press finds no window of the program,
#     it is sent again straight to the active or the main window after 3 and 6 seconds;
#   - memory growth, measured at rest: every 30 seconds (every 10 for runs shorter than 3 minutes)
#     the script goes back to the main menu as a user does at the end of a lesson (Escape on the
#     study windows, Return on message boxes), waits 2 seconds and samples there the program's own
#     memory: VmRSS less RssShmem, the window images it shares with the X server, whose size follows
#     the sizes the soak gives the windows at random. What an open window holds while it is open (a
#     rules document keeps its rendered pages, several MB each, until the window closes; a large hit
#     list) so never counts, but memory that a window or an action leaves behind does. The baseline is the first sample at rest once the warm-up is over (after
#     2 minutes, or after 40 % of the run for shorter runs); the run fails when three samples at rest
#     in a row are over 110 % of it. The 10-second samples in between are logged, and the summary
#     gives their peak;
#   - after the time is up the script closes the open windows and then the main window through its
#     title-bar close button: the program must end within 15 seconds with exit status 0 and without
#     a sanitizer report in its output.
# Exit status 2: wrong arguments, missing tools, or no X display could be started.
#
# Needs (Debian 12): bash, coreutils, findutils, xvfb, x11-xkb-utils (xkbcomp, setxkbmap), openbox,
# xdotool, x11-utils (xprop).
set -u -o pipefail
export LC_ALL=C.UTF-8 # xdotool reads the text to type in the locale's encoding

usage() {
    sed -n '2,/^set -u/p' "$0" | sed '$d' | sed 's/^# \{0,1\}//'
    exit 2
}

[ $# -ge 1 ] && [ $# -le 3 ] || usage
case "$1" in -h | --help) usage ;; esac
minutes=$1
if ! [[ $minutes =~ ^([0-9]+)(\.([0-9]{1,3}))?$ ]] || [ "$minutes" = 0 ]; then
    echo "soak: MINUTES must be a positive number, not '$minutes'" >&2
    exit 2
fi
frac=${BASH_REMATCH[3]:-0}
frac=$(printf '%-3s' "$frac" | tr ' ' 0)
duration_ms=$((10#${BASH_REMATCH[1]} * 60000 + 10#$frac * 60))
[ "$duration_ms" -ge 1000 ] || { echo "soak: MINUTES is too short" >&2; exit 2; }

build_given=${2:+yes}
build_dir=${2:-build}
if [ -z "$build_given" ] && [ ! -d "$build_dir/src" ] && [ -d "$(dirname "$0")/../build/src" ]; then
    build_dir=$(dirname "$0")/../build # started from outside the checkout
fi
root=${3:-$build_dir/sample}
seed=${SOAK_SEED:-$(date +%s)}
if ! [[ $seed =~ ^[0-9]+$ ]]; then
    echo "soak: SOAK_SEED must be a whole number, not '$seed'" >&2
    exit 2
fi

missing=()
for tool in Xvfb xkbcomp setxkbmap openbox xdotool xprop timeout find; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "soak: missing ${missing[*]} (Debian packages: xvfb x11-xkb-utils openbox xdotool x11-utils coreutils findutils)" >&2
    exit 2
fi
if [ ! -d "$root/StudyTaxel" ]; then
    echo "soak: $root holds no StudyTaxel/ folder" >&2
    exit 2
fi

program=$build_dir/src/taxel
for _ in $(seq 120); do # the program may be being rebuilt just now
    [ -x "$program" ] && break
    sleep 1
done
if [ ! -x "$program" ]; then
    echo "soak: no program at $program (build first)" >&2
    exit 2
fi
program=$(cd "$(dirname "$program")" && pwd)/taxel

if [ -n "${SOAK_LOG:-}" ]; then
    log=$SOAK_LOG
elif [ -w . ]; then
    log=$PWD/soak-$seed.log
else
    log=$build_dir/soak-$seed.log
fi
log=$(cd "$(dirname "$log")" && pwd)/$(basename "$log")
: >"$log" || { echo "soak: cannot write $log" >&2; exit 2; }
exec {logfd}>>"$log"

# ---------------------------------------------------------------------------------------------------
# log, clock

now_ms() {
    local t=$EPOCHREALTIME
    NOW=$((${t%.*} * 1000 + 10#${t#*.} / 1000))
}

# one line of the log: wall-clock time, seconds since the start, the text
note() {
    local t=$EPOCHREALTIME wall
    printf -v wall '%(%H:%M:%S)T' "${t%.*}"
    local ms=$((10#${t#*.} / 1000))
    local el=$(((${t%.*} * 1000 + ms - start_ms) / 100))
    printf '%s.%03d %5d.%d %s\n' "$wall" "$ms" $((el / 10)) $((el % 10)) "$*" >&"$logfd"
}

say() {
    echo "$*"
    printf '%s\n' "$*" >&"$logfd"
}

now_ms
start_ms=$NOW run_start_ms=$NOW

# ---------------------------------------------------------------------------------------------------
# texts: picked with the event's own random numbers, so every event uses the same count of them

words=(日本 図書館 歴史 文学 日本史 東京都 小説 児童文学 会話 英語 伝記 地理 経済 哲学 数学 音楽 料理 学校図書館
    分類 件名 百科事典 新聞 雑誌 統計 法律 宗教 美術 スポーツ 言語 フランス 中国 アメリカ 北海道 沖縄 江戸時代
    明治 戦争 環境 コンピュータ ことわざ 俳句 詩 戯曲 随筆 しょうせつ ニホン 青森県 太平洋 宇宙 動物 植物)
numbers=(913.6 302.121 017 210.07 520.36 291.36 410.1 403 161 911.56 007.6 289.1 383.81 748 016.2 0 9 00 999
    999.999 1.2.3 .5 913. 913.60 302.1210 210.0001 914.6 933 S913.6 k12 A1 REI_0)
wide=(０１７．６ ９１３．６ ２１０．０７ ３０２．１２１ ０ ９９９ ．６ ５２０．３６ １２３４５６７８９０)
marks=('／' '/' '\' ',' '，' '、' '。' "'" '"' ';' '*' '?' '%' '$' '(' ')' '[' ']' '{' '}' '<' '>' '&' '|' '~'
    '^' '#' '@' '!' '…' '・' '：' '＠' '＋' '+' '=' '-' '_' '　' ' ' '%s%n' '../../' '*.*')
strange=('😀' '𠮷野家' '①②③' 'ｱｲｳｴｵ' 'ﾄｼｮｶﾝ' 'Ä ö ß' 'ünïcödé' '한국어' 'Ελληνικά' '∑∞≠' '♪♫' '〜～' '髙﨑')
long_units=(0 1 2 3 4 5 6 7 8 9 . ０ １ ２ ３ ４ ５ ６ ７ ８ ９ ． 図 書 館 歴 史 文 学 の ／ ' ' a Z 🙂 ①)

pick_text() { # pick_text R1 R2 R3: sets TEXT
    local r1=$1 r2=$2 r3=$3
    case $((r1 % 20)) in
    0 | 1 | 2 | 3) TEXT=${words[r2 % ${#words[@]}]} ;;
    4 | 5) TEXT="${words[r2 % ${#words[@]}]} ${words[r3 % ${#words[@]}]}" ;;
    6) TEXT="${words[r2 % ${#words[@]}]}／${words[r3 % ${#words[@]}]}" ;;
    7 | 8) TEXT=${wide[r2 % ${#wide[@]}]} ;;
    9 | 10 | 11 | 12) TEXT=${numbers[r2 % ${#numbers[@]}]} ;;
    13) TEXT="${marks[r2 % ${#marks[@]}]}${marks[r3 % ${#marks[@]}]}${marks[(r2 + r3) % ${#marks[@]}]}" ;;
    14) TEXT='' ;;
    15 | 16)
        # a long run of 200 to 399 characters from a small generator seeded with R2
        local n=$((200 + r3 % 200)) s=$r2 i
        TEXT=''
        for ((i = 0; i < n; i++)); do
            s=$(((s * 1103515245 + 12345) & 0x7fffffff))
            TEXT+=${long_units[(s >> 16) % ${#long_units[@]}]}
        done
        ;;
    17) TEXT=${strange[r2 % ${#strange[@]}]} ;;
    18) TEXT="${numbers[r2 % ${#numbers[@]}]} ${words[r3 % ${#words[@]}]}" ;;
    19) TEXT="  ${wide[r2 % ${#wide[@]}]}  ${numbers[r3 % ${#numbers[@]}]} " ;;
    esac
}


# ---------------------------------------------------------------------------------------------------
# the private desktop; everything started here is stopped again on exit

tmp=$(mktemp -d "${TMPDIR:-/tmp}/taxel-soak.XXXXXX")
xvfb_pid='' wm_pid='' app_pid='' app_status=''

stop_pid() { # stop_pid PID: TERM, then KILL after 3 seconds
    local pid=$1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    for _ in $(seq 30); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
}

cleanup() {
    stop_pid "$app_pid"
    stop_pid "$wm_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'say "soak: interrupted"; exit 130' INT TERM HUP

home=$tmp/home
mkdir -p "$home/.config" "$home/.local/share" "$home/.cache" "$home/.run" "$home/Desktop" "$tmp/bin" "$tmp/run"
chmod 700 "$home/.run"
cp -a "$root/StudyTaxel" "$tmp/run/" || { echo "soak: cannot copy $root/StudyTaxel" >&2; exit 2; }
touch "$tmp/started"

# the desktop's opener: the program hands documents and web pages to xdg-open
printf -v quoted_log '%q' "$log"
cat >"$tmp/bin/xdg-open" <<EOF
#!/bin/bash
printf '%s          desktop opener: %s\n' "\$(date +%H:%M:%S.%3N)" "\$*" >>$quoted_log
EOF
chmod +x "$tmp/bin/xdg-open"

base_env=(HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
    XDG_CACHE_HOME="$home/.cache" XDG_RUNTIME_DIR="$home/.run" PATH="$tmp/bin:/usr/local/bin:/usr/bin:/bin"
    LANG=C.UTF-8 USER="$(id -un)" LOGNAME="$(id -un)")

display=''
for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1400x900x24 -nolisten tcp -noreset >"$tmp/xvfb.out" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        kill -0 "$xvfb_pid" 2>/dev/null || break
        [ -e "/tmp/.X11-unix/X$n" ] && DISPLAY=:$n timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    if kill -0 "$xvfb_pid" 2>/dev/null && DISPLAY=:$n timeout 5 xdotool getdisplaygeometry >/dev/null 2>&1; then
        display=:$n
        break
    fi
    stop_pid "$xvfb_pid"
    xvfb_pid=''
done
if [ -z "$display" ]; then
    echo "soak: could not start Xvfb on any display :90..:199" >&2
    cat "$tmp/xvfb.out" >&2
    exit 2
fi
export DISPLAY=$display

# xdotool types a character missing from the keyboard map by binding it to a spare key for the one
# press; every such change makes each X client reload its keyboard map, which costs openbox about
# 70 ms a character (long texts left it seconds behind with focus and closing windows) and makes the
# program read a character with the next one's mapping when typed faster than that. So the characters
# of the texts are put on keys that the input never presses (keypad, F13 and up, multimedia, unused
# key codes), two to a key, before any client starts.
declare -A mapped=()
premap_keys() {
    local dump free=() chars=() c s i lines='' keymap
    dump=$(timeout 10 xkbcomp -xkb "$display" - 2>/dev/null) || return
    # the keypad but Enter, F13 and up, the multimedia and language keys, and the unnamed codes (Innn)
    local spare='KP[0-9]|KPDL|KPAD|KPSU|KPMU|KPDV|KPEQ|KPDC|KPSP|FK1[3-9]|FK2[0-4]|I[0-9]+|MUTE|VOL-|VOL\+|POWR'
    spare+='|STOP|AGAI|PROP|UNDO|FRNT|COPY|OPEN|PAST|FIND|CUT|HELP|LNFD|HKTG|AB11|JPCM|AE13|HENK|MUHE|KATA|HIRA'
    spare+='|HNGL|HJCV'
    mapfile -t free < <(printf '%s\n' "$dump" | sed -n '/^xkb_keycodes/,/^};/p' |
        sed -nE 's/^[[:space:]]*<([^>]+)>[[:space:]]*=[[:space:]]*([0-9]+);.*/\1 \2/p' |
        while read -r name code; do
            ((code <= 255)) && [[ $name =~ ^($spare)$ ]] && echo "$name"
        done)
    for s in "${words[@]}" "${wide[@]}" "${marks[@]}" "${strange[@]}" "${long_units[@]}"; do
        for ((i = 0; i < ${#s}; i++)); do
            c=${s:i:1}
            [[ $c == [[:ascii:]] ]] && continue
            [ -n "${mapped[$c]:-}" ] && continue
            mapped[$c]=1
            chars+=("$c")
        done
    done
    local k=0 a b
    for ((i = 0; i < ${#chars[@]} && k < ${#free[@]}; i += 2, k++)); do
        printf -v a 'U%04X' "'${chars[i]}"
        if [ $((i + 1)) -lt ${#chars[@]} ]; then
            printf -v b 'U%04X' "'${chars[i + 1]}"
        else
            b=$a
        fi
        lines+="    key <${free[k]}> { type=\"TWO_LEVEL\", [ $a, $b ] };"$'\n'
    done
    # characters beyond the spare keys stay unmapped (and are typed slowly)
    for ((; i < ${#chars[@]}; i++)); do unset "mapped[${chars[i]}]"; done
    keymap=$(timeout 10 setxkbmap -display "$display" -print 2>/dev/null) || return
    # `xkb_symbols { include "..." };` takes the keys after its include
    local line out=''
    while IFS= read -r line; do
        if [[ $line == *xkb_symbols*include*'};'* ]]; then
            out+="${line%\};*}"$'\n'"$lines"$'\t};\n'
        else
            out+="$line"$'\n'
        fi
    done <<<"$keymap"
    printf '%s' "$out" >"$tmp/keymap.xkb"
    # the map in force must hold the first character (the server runs with -noreset: the reset when
    # its last client leaves would bring back the old map)
    printf -v a 'U%04X' "'${chars[0]}"
    timeout 20 xkbcomp -w 0 "$tmp/keymap.xkb" "$display" >/dev/null 2>&1
    dump=$(timeout 10 xkbcomp -xkb "$display" - 2>/dev/null)
    [[ $dump == *"$a"* ]] || mapped=()
}
premap_keys

env -i "${base_env[@]}" DISPLAY="$display" openbox --sm-disable >"$tmp/openbox.out" 2>&1 &
wm_pid=$!
for _ in $(seq 100); do
    timeout 5 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# ---------------------------------------------------------------------------------------------------
# the program

{
    echo "# taxel soak test"
    echo "# seed=$seed minutes=$minutes build=$build_dir root=$root"
    echo "# replay: SOAK_SEED=$seed scripts/soak.sh $minutes $build_dir $root"
    echo "# started $(date '+%Y-%m-%d %H:%M:%S'), display $display, data copy $tmp/run/StudyTaxel"
    echo "# keyboard: ${#mapped[@]} characters of the texts on spare keys"
    echo "# lines: wall clock, seconds since start, event number, target window, input"
} >&"$logfd"

(
    cd "$tmp/run" || exit 1
    ulimit -c unlimited 2>/dev/null
    exec env -i "${base_env[@]}" DISPLAY="$display" QT_QPA_PLATFORM=xcb \
        ${ASAN_OPTIONS:+ASAN_OPTIONS="$ASAN_OPTIONS"} ${UBSAN_OPTIONS:+UBSAN_OPTIONS="$UBSAN_OPTIONS"} \
        "$program" --root "$tmp/run"
) >"$tmp/program.out" 2>&1 &
app_pid=$!
note "started $program --root $tmp/run (pid $app_pid)"

events=0 probes=0 probe_max=0 boxes=0
rss_start='' rss_base='' rss_peak=0 rss_end='' over=0 base_at='' rest_first='' rest_peak=0 rests=0
declare -A opened=()

program_output() {
    if [ -s "$tmp/program.out" ]; then
        echo "# program output (last 60 lines):"
        tail -n 60 "$tmp/program.out" | sed 's/^/#   /'
    fi
}

summary() {
    local status=$1 reason=$2
    now_ms
    {
        echo "soak summary"
        echo "  seed:           $seed (replay: SOAK_SEED=$seed scripts/soak.sh $minutes $build_dir $root)"
        echo "  duration:       $(((NOW - run_start_ms) / 1000)) s of input (planned $((duration_ms / 1000)) s)"
        echo "  events sent:    $events, plus $probes answer checks (slowest answer $probe_max ms)"
        local opens='' name
        for name in rules practice analysis search; do opens+="$name ${opened[$name]:-0}, "; done
        for name in "${!opened[@]}"; do
            [[ $name == other* ]] && opens+="$name ${opened[$name]}, "
        done
        echo "  windows opened: ${opens%, }"
        echo "  message boxes:  $boxes"
        echo "  resident (kB):  start ${rss_start:-?}, peak $rss_peak, end ${rss_end:-?}"
        echo "  own at rest:    $rests samples (kB): first ${rest_first:-?}, after warm-up ${rss_base:-?}${base_at:+ (at $base_at s)}, highest $rest_peak, last ${rest_last:-?}"
        local written
        written=$(cd "$tmp/run" && find StudyTaxel -newer "$tmp/started" -type f 2>/dev/null | sort | tr '\n' ' ')
        echo "  data written:   ${written:-none}"
        echo "  log:            $log"
    } | tee -a /dev/fd/"$logfd"
    program_output >&"$logfd"
    say "$reason"
    exit "$status"
}

fail() {
    note "FAIL: $*"
    summary 1 "FAIL: $*"
}

# how the program ended: sets app_status and HOW
ended_how() {
    if [ -z "$app_status" ]; then
        wait "$app_pid" 2>/dev/null
        app_status=$?
    fi
    local how
    if [ "$app_status" -gt 128 ]; then
        how="was killed by signal $(kill -l $((app_status - 128)) 2>/dev/null || echo $((app_status - 128)))"
    else
        how="exited with status $app_status"
    fi
    local core
    core=$(find "$tmp/run" -maxdepth 1 -name 'core*' -type f 2>/dev/null | head -n 1)
    if [ -n "$core" ]; then
        mv "$core" "$log.core" 2>/dev/null && how+=" (core dump: $log.core)"
    fi
    HOW=$how
}

check_alive() {
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then
        fail "the X server $display went away"
    fi
    if ! kill -0 "$app_pid" 2>/dev/null; then
        ended_how
        fail "the program $HOW while input was being sent"
    fi
}

# ---------------------------------------------------------------------------------------------------
# windows

rules_title='分類記号付与の学習'
practice_title='分類記号付与のチュートリアル'
analysis_title='分類細目の検索'
search_title='分類項目の検索'
box_title='taxel' # the message boxes carry the program's file name

main_win='' main_x=0 main_y=0 main_w=0 main_h=0
frame_l=1 frame_r=1 frame_t=20

for _ in $(seq 600); do
    check_alive
    for w in $(timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        [ "$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)" = Taxel ] && main_win=$w && break
    done
    [ -n "$main_win" ] && break
    sleep 0.1
done
[ -n "$main_win" ] || fail "the main window (title Taxel) did not appear within 60 s"
if ext=$(timeout 5 xprop -id "$main_win" _NET_FRAME_EXTENTS 2>/dev/null) && [[ $ext =~ =\ ([0-9]+),\ ([0-9]+),\ ([0-9]+), ]]; then
    frame_l=${BASH_REMATCH[1]} frame_r=${BASH_REMATCH[2]} frame_t=${BASH_REMATCH[3]}
fi

# W_ID W_NAME W_X W_Y (the client's top left on the screen) W_W W_H and W_KIND (main, box, study, none)
# of the active window
query_active() {
    local out line
    W_KIND=none W_ID='' W_NAME='' W_X=0 W_Y=0 W_W=1 W_H=1
    out=$(timeout 5 xdotool getactivewindow getwindowname getwindowgeometry --shell 2>/dev/null) || return
    W_NAME=${out%%$'\n'*}
    while IFS='=' read -r key value; do
        case $key in
        WINDOW) W_ID=$value ;;
        X) W_X=$value ;;
        Y) W_Y=$value ;;
        WIDTH) W_W=$value ;;
        HEIGHT) W_H=$value ;;
        esac
    done <<<"${out#*$'\n'}"
    [ -n "$W_ID" ] || return
    ((W_W > 0)) || W_W=1
    ((W_H > 0)) || W_H=1
    # xdotool reports a framed window's position plus the frame's left and top parts
    W_X=$((W_X - frame_l)) W_Y=$((W_Y - frame_t))
    if [ "$W_ID" = "$main_win" ]; then
        W_KIND=main main_x=$W_X main_y=$W_Y main_w=$W_W main_h=$W_H
    elif [ "$W_NAME" = "$box_title" ]; then
        W_KIND=box
    else
        case $W_NAME in
        "$rules_title" | "$practice_title" | "$analysis_title" | "$search_title") W_KIND=study ;;
        *) [ "$(timeout 5 xdotool getwindowpid "$W_ID" 2>/dev/null)" = "$app_pid" ] && W_KIND=study ;;
        esac
    fi
}

query_active
[ "$W_KIND" = main ] || {
    timeout 5 xdotool windowactivate "$main_win" >/dev/null 2>&1
    sleep 0.5
}
geometry=$(timeout 5 xdotool getwindowgeometry --shell "$main_win" 2>/dev/null)
[[ $geometry =~ X=([0-9-]+).*Y=([0-9-]+).*WIDTH=([0-9]+).*HEIGHT=([0-9]+) ]] &&
    main_x=$((BASH_REMATCH[1] - frame_l)) main_y=$((BASH_REMATCH[2] - frame_t)) \
        main_w=${BASH_REMATCH[3]} main_h=${BASH_REMATCH[4]}

# Screen points that end the program when clicked: the main window's close button and its title
# bar (close, maximise and iconify buttons). A click meant for another window can land on the main
# window when that window has just closed, so every click is kept away from them.
forbidden() { # forbidden X Y (screen coordinates)
    local x=$(($1 - main_x)) y=$(($2 - main_y))
    ((x >= 164 && x < 344 && y >= 386 && y < 452)) && return 0
    ((x >= -frame_l - 2 && x < main_w + frame_r + 2 && y >= -frame_t - 2 && y < 2)) && return 0
    return 1
}

# the study windows' short names in the log and the summary: sets LABEL
label() {
    case $1 in
    "$rules_title") LABEL=rules ;;
    "$practice_title") LABEL=practice ;;
    "$analysis_title") LABEL=analysis ;;
    "$search_title") LABEL=search ;;
    *) LABEL="other($1)" ;;
    esac
}

send() { # send DESCRIPTION XDOTOOL-ARGS...: one input event
    local what=$1
    shift
    events=$((events + 1))
    note "#$events $target $what"
    timeout 20 xdotool "$@" >/dev/null 2>&1 || note "   (xdotool failed: $*)"
}

# a click of BUTTON (1 left, 3 right, 4/5 wheel) REPEAT times at X Y inside the active window
click_in() {
    local x=$1 y=$2 button=${3:-1} repeat=${4:-1} ax ay
    ax=$((W_X + x)) ay=$((W_Y + y))
    if [ "$W_KIND" != main ] && forbidden "$ax" "$ay"; then
        y=$((W_H - 1 - y)) ay=$((W_Y + y))
        forbidden "$ax" "$ay" && y=2 ay=$((W_Y + 2))
        forbidden "$ax" "$ay" && return
    fi
    local name=click
    [ "$button" = 3 ] && name=right-click
    [ "$button" = 4 ] && name=wheel-up
    [ "$button" = 5 ] && name=wheel-down
    [ "$repeat" -gt 1 ] && name+="x$repeat"
    # (xdotool waits its --delay after a click too)
    local gap=10
    [ "$repeat" -gt 1 ] && gap=70
    send "$name $x,$y" mousemove "$ax" "$ay" click --repeat "$repeat" --delay "$gap" "$button"
}

drag_in() {
    local ax=$((W_X + $1)) ay=$((W_Y + $2)) bx=$((W_X + $3)) by=$((W_Y + $4))
    forbidden "$ax" "$ay" && return
    forbidden "$bx" "$by" && return
    send "drag $1,$2 -> $3,$4" mousemove "$ax" "$ay" mousedown 1 sleep 0.05 mousemove "$bx" "$by" sleep 0.05 mouseup 1
}

# keys that would end the program in the main window (space on its close button, Tab to reach it) are
# only sent when the window they are meant for is still the active one
key_in() { # key_in KEY [REPEAT]
    local key=$1 repeat=${2:-1}
    if [ "$W_KIND" != main ] && [[ $key == space || $key == *Tab ]]; then
        [ "$(timeout 5 xdotool getactivewindow 2>/dev/null)" = "$W_ID" ] || return
    fi
    if [ "$repeat" -gt 1 ]; then
        send "key $key x$repeat" key --repeat "$repeat" --delay 25 "$key"
    else
        send "key $key" key "$key"
    fi
}

type_text() {
    local delay=4 i c
    # a character outside the keyboard map is typed through a remapped key, which needs time
    for ((i = 0; i < ${#TEXT}; i++)); do
        c=${TEXT:i:1}
        [[ $c == [[:ascii:]] ]] || [ -n "${mapped[$c]:-}" ] || {
            delay=30
            break
        }
    done
    if [ -z "$TEXT" ]; then
        key_in Return
        return
    fi
    if [[ $TEXT == *' '* ]] && [ "$W_KIND" != main ]; then
        [ "$(timeout 5 xdotool getactivewindow 2>/dev/null)" = "$W_ID" ] || return
    fi
    send "type \"$TEXT\"" type --delay "$delay" -- "$TEXT"
}

study_keys=(Return Return Tab Tab Tab shift+Tab shift+Tab Up Down Down Left Right Home End space space Prior Next
    BackSpace Delete ctrl+a alt+Down F4 KP_Enter ctrl+z ctrl+c ctrl+v)
main_keys=(Up Down Left Right Home End Return Escape)
menu_y=(60 116 172 228)
menu_fails=0

# ---------------------------------------------------------------------------------------------------
# samples and the answer check

last_cpu='' last_cpu_ms=''
sample_memory() {
    local key value unit rss='' state='' line rest parts='' shmem=0
    while read -r key value unit; do
        case $key in
        VmRSS:) rss=$value ;;
        RssAnon:) parts+=" anon=$value" ;;
        RssFile:) parts+=" file=$value" ;;
        RssShmem:) parts+=" shmem=$value" shmem=$value ;;
        esac
    done 2>/dev/null <"/proc/$app_pid/status"
    [ -n "$rss" ] || return
    local cpu_text=''
    if read -r line 2>/dev/null <"/proc/$app_pid/stat"; then
        rest=${line##*) }
        read -r -a f <<<"$rest"
        state=${f[0]}
        local ticks=$((f[11] + f[12]))
        now_ms
        if [ -n "$last_cpu" ]; then
            cpu_text=" cpu=$(((ticks - last_cpu) * 1000 * 100 / clk_tck / (NOW - last_cpu_ms + 1)))%"
        fi
        last_cpu=$ticks last_cpu_ms=$NOW
    fi
    RSS=$rss OWN=$((rss - shmem))
    [ -z "$rss_start" ] && rss_start=$rss
    [ "$rss" -gt "$rss_peak" ] && rss_peak=$rss
    rss_end=$rss
    note "memory rss=$rss kB ($parts )$cpu_text state=$state"
}
clk_tck=$(getconf CLK_TCK 2>/dev/null || echo 100)

# the newest _NET_WM_USER_TIME over the program's windows
user_time() {
    local w value best=0
    for w in $(timeout 5 xdotool search --pid "$app_pid" 2>/dev/null); do
        value=$(timeout 5 xprop -id "$w" _NET_WM_USER_TIME 2>/dev/null)
        value=${value##*= }
        [[ $value =~ ^[0-9]+$ ]] && ((value > best)) && best=$value
    done
    UT=$best
}

check_answers() {
    local before sent_ms tries=0 focus
    user_time
    before=$UT
    now_ms
    sent_ms=$NOW
    probes=$((probes + 1))
    note "probe: key shift to the focused window"
    timeout 5 xdotool key shift >/dev/null 2>&1
    while :; do
        sleep 0.05
        check_alive
        user_time
        now_ms
        if [ "$UT" != "$before" ]; then
            local took=$((NOW - sent_ms))
            ((took > probe_max)) && probe_max=$took
            ((took > 1000)) && note "probe: answered after $took ms"
            return
        fi
        if ((NOW - sent_ms >= 10000)); then
            query_active
            focus=$(timeout 5 xdotool getwindowfocus getwindowname 2>/dev/null)
            fail "the program did not answer a key press within 10 s (active window: ${W_NAME:-none}, focus: ${focus:-none})"
        fi
        # the press may have gone to no window of the program (the window manager may not have handed
        # on the focus yet): send it straight to the active window, or else the main window
        if ((NOW - sent_ms >= (tries + 1) * 3000)); then
            tries=$((tries + 1))
            query_active
            local to=$main_win
            [ "$W_KIND" != none ] && to=$W_ID
            note "probe: key shift sent to window $to"
            timeout 5 xdotool key --window "$to" shift >/dev/null 2>&1
        fi
    done
}

if [ "$duration_ms" -ge 180000 ]; then
    warmup_ms=120000 rest_every=30000
else
    warmup_ms=$((duration_ms * 40 / 100)) rest_every=10000
fi

check_memory() {
    local elapsed=$1
    rests=$((rests + 1)) rest_last=$OWN
    [ -z "$rest_first" ] && rest_first=$OWN
    [ "$OWN" -gt "$rest_peak" ] && rest_peak=$OWN
    note "memory at rest: $OWN kB of its own ($RSS kB resident)"
    if [ -z "$rss_base" ]; then
        if ((elapsed >= warmup_ms)); then
            rss_base=$OWN base_at=$((elapsed / 1000))
            note "memory baseline at rest after warm-up: $rss_base kB (limit $((rss_base * 110 / 100)) kB)"
        fi
        return
    fi
    if ((OWN * 100 > rss_base * 110)); then
        over=$((over + 1))
        ((over >= 3)) && fail "memory at rest grew from $rss_base kB after warm-up to $OWN kB (over 10 % for $over samples in a row)"
    else
        over=0
    fi
}

# back_to_main: Escape on the study windows and Return on message boxes until the main window is
# the active one; false when it never becomes so
back_to_main() {
    for _ in $(seq 80); do
        check_alive
        query_active
        case $W_KIND in
        main) return 0 ;;
        box) target="box[$W_ID]" && key_in Return ;;
        study) label "$W_NAME" && target="$LABEL[$W_ID]" && key_in Escape ;;
        *) recover_focus ;;
        esac
        sleep 0.3
    done
    return 1
}

# rest_point ELAPSED: the memory at the main menu, after the program had 2 seconds to settle
rest_point() {
    note "rest: back to the main menu"
    back_to_main || fail "could not get back to the main window"
    read -r -t 2 -u "$idle_fd" _
    sample_memory
    check_memory "$1"
    previous_id='' previous_seen=main
}

recover_focus() {
    local w name best='' best_rank=0 rank
    for w in $(timeout 5 xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null); do
        name=$(timeout 5 xdotool getwindowname "$w" 2>/dev/null)
        case $name in
        "$box_title") rank=3 ;;
        Taxel) rank=1 ;;
        '' | 'Qt Selection Owner'*) rank=0 ;;
        *) rank=2 ;;
        esac
        ((rank > best_rank)) && best=$w best_rank=$rank
    done
    if [ -n "$best" ]; then
        note "   (no program window active: activating $best)"
        timeout 5 xdotool windowactivate "$best" >/dev/null 2>&1
    fi
    sleep 0.2
}

# ---------------------------------------------------------------------------------------------------
# the input loop

exec {idle_fd}<> <(:) # an empty pipe to wait on without starting sleep
RANDOM=$seed
now_ms
run_start_ms=$NOW
next_sample=$NOW
next_rest=$((NOW + rest_every))
note "input starts: $((duration_ms / 1000)) s, warm-up $((warmup_ms / 1000)) s"
previous_kind='' previous_id='' previous_seen=''

while :; do
    now_ms
    elapsed=$((NOW - run_start_ms))
    if ((NOW >= next_sample)); then
        sample_memory
        check_answers
        now_ms
        next_sample=$((next_sample + 10000))
        ((next_sample < NOW)) && next_sample=$((NOW + 10000))
    fi
    if ((NOW >= next_rest && elapsed < duration_ms)); then
        rest_point "$elapsed"
        now_ms
        next_rest=$((NOW + rest_every))
    fi
    ((elapsed >= duration_ms)) && break
    check_alive

    # the same count of random numbers for every event, whatever it becomes
    r0=$RANDOM r1=$RANDOM r2=$RANDOM r3=$RANDOM r4=$RANDOM r5=$RANDOM r6=$RANDOM

    query_active
    # a study window counts as opened when it follows the main window, a message box when it is new
    if [ "$W_ID" != "$previous_id" ]; then
        if [ "$W_KIND" = study ] && [ "$previous_seen" = main ]; then
            label "$W_NAME"
            opened[$LABEL]=$((${opened[$LABEL]:-0} + 1))
        fi
        [ "$W_KIND" = box ] && boxes=$((boxes + 1))
        previous_id=$W_ID
        [ "$W_KIND" != none ] && previous_seen=$W_KIND
    fi
    case $W_KIND in
    main) target="main" ;;
    box) target="box[$W_ID]" ;;
    study) label "$W_NAME" && target="$LABEL[$W_ID]" ;;
    *) target="none" ;;
    esac

    case $W_KIND in
    main)
        p=$((r0 % 100))
        if ((menu_fails >= 2)); then
            # the menu buttons did not open a window: the explanation panel lies over them; its link
            # at the top left shows and hides it
            menu_fails=0
            click_in $((40 + r1 % 140)) $((15 + r2 % 16))
        elif ((p < 72)); then
            [ "$previous_kind" = main-menu ] && menu_fails=$((menu_fails + 1))
            click_in $((62 + r1 % 384)) $((menu_y[r2 % 4] + 6 + r3 % 28))
            previous_kind=main-menu
            sleep 0.2 # the study window maps itself
        elif ((p < 82)); then
            x=$((r1 % W_W)) y=$((r2 % W_H))
            ((x >= 164 && x < 344 && y >= 386 && y < 452)) && y=$((y - 120))
            click_in "$x" "$y"
            previous_kind=main
        elif ((p < 92)); then
            key_in "${main_keys[r1 % ${#main_keys[@]}]}"
            previous_kind=main
        elif ((p < 96)); then
            send "resize $((509 + r1 % 600))x$((596 + r2 % 280))" windowsize "$W_ID" $((509 + r1 % 600)) $((596 + r2 % 280))
            previous_kind=main
        else
            send "resize 509x596" windowsize "$W_ID" 509 596
            previous_kind=main
        fi
        ;;
    box)
        previous_kind=box menu_fails=0
        p=$((r0 % 100))
        if ((p < 60)); then
            key_in Return
        elif ((p < 75)); then
            click_in $((W_W - 51)) $((W_H - 23))
        elif ((p < 83)); then
            key_in space
        elif ((p < 92)); then
            key_in Escape
        elif ((p < 96)); then
            pick_text "$r1" "$r2" "$r3"
            type_text
        else
            click_in $((r1 % W_W)) $((r2 % W_H))
        fi
        ;;
    study)
        previous_kind=study menu_fails=0
        p=$((r0 % 1000))
        x=$((r1 % W_W)) y=$((r2 % W_H))
        if ((p < 400)); then
            click_in "$x" "$y"
        elif ((p < 430)); then
            click_in "$x" "$y" 1 2
        elif ((p < 440)); then
            click_in "$x" "$y" 3
        elif ((p < 470)); then
            drag_in "$x" "$y" $((r3 % W_W)) $((r4 % W_H))
        elif ((p < 520)); then
            click_in "$x" "$y" $((4 + r3 % 2)) $((1 + r4 % 5))
        elif ((p < 700)); then
            pick_text "$r3" "$r4" "$r5"
            type_text
        elif ((p < 940)); then
            repeat=1
            ((r5 % 4 == 0)) && repeat=$((1 + r6 % 6))
            key_in "${study_keys[r3 % ${#study_keys[@]}]}" "$repeat"
        elif ((p < 965)); then
            key_in Escape
        elif ((p < 975)); then
            # the close button at the right end of the title bar
            ax=$((W_X + W_W + frame_r - 10)) ay=$((W_Y - frame_t / 2))
            if forbidden "$ax" "$ay"; then
                key_in Escape
            else
                send "title-bar close" mousemove "$ax" "$ay" click 1
            fi
        else
            ww=$((200 + r3 % 1200)) hh=$((150 + r4 % 730))
            send "resize ${ww}x$hh" windowsize "$W_ID" "$ww" "$hh"
        fi
        ;;
    *)
        previous_kind=none
        recover_focus
        ;;
    esac

    # 5 to 30 ms between events, on top of the 30 to 60 ms that finding the window and sending take
    printf -v pause '0.%03d' $((5 + r6 % 26))
    read -r -t "$pause" -u "$idle_fd" _
done

# ---------------------------------------------------------------------------------------------------
# the end: close what is open, then the main window through its title bar

note "input ends: closing the windows"
sample_memory
back_to_main || fail "could not get back to the main window to close the program"
target=main
send "title-bar close" mousemove $((main_x + main_w + frame_r - 10)) $((main_y - frame_t / 2)) click 1
for _ in $(seq 150); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    fail "the program did not end within 15 s after its main window's close button"
fi
ended_how
app_pid=''
[ "$app_status" = 0 ] || fail "the program $HOW when its main window was closed"
if grep -qE 'ERROR: (Address|Leak|Thread|Memory)Sanitizer|runtime error:' "$tmp/program.out"; then
    fail "the program's output holds a sanitizer report"
fi
note "the program ended with status 0"
summary 0 "OK: no crash, no hang, no memory growth over 10 %"
