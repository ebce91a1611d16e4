# Sourced by the end-to-end scripts: a private X server (Xvfb) and the means to start a program
# on it, find its windows, drive them with synthetic input (xdotool), read the clipboard (xclip)
# and take screenshots (screen_probe). Every wait polls against a deadline, in steps of a tenth
# of a second; nothing sleeps for a fixed long time.
#
# Sourced with the script's own arguments:
#   <install prefix> <screenshot folder> <screen_probe> [device pixel ratio, 1 when not given]
# which become prefix, SHOTS, PROBE and scale; the screenshot folder is made here.

prefix=$1
SHOTS=$2
PROBE=$3
scale=${4:-1}
mkdir -p "$SHOTS"

E2E_STEP=0.1

note() { echo "-- $*"; }

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

x_server_pid=
program_pid=
x_session_dir=

stop_x_session() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    [[ -n $x_server_pid ]] && kill "$x_server_pid" 2>/dev/null
    [[ -n $x_server_pid ]] && wait "$x_server_pid" 2>/dev/null
    [[ -n $x_session_dir ]] && rm -rf "$x_session_dir"
    return 0
}
trap stop_x_session EXIT

# start_x_server WIDTHxHEIGHT <log file>: an Xvfb of that size on a display number it picks
# itself.
start_x_server() {
    x_session_dir=$(mktemp -d)
    chmod 700 "$x_session_dir"
    export XDG_RUNTIME_DIR=$x_session_dir
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset \
        3>"$x_session_dir/display" 2>"$2" &
    x_server_pid=$!
    local deadline=$((SECONDS + 30))
    until [[ -s $x_session_dir/display ]]; do
        kill -0 "$x_server_pid" 2>/dev/null || fail "Xvfb did not start (see $2)"
        ((SECONDS < deadline)) || fail "Xvfb gave no display number within 30 s"
        sleep "$E2E_STEP"
    done
    export DISPLAY=":$(head -n1 "$x_session_dir/display")"
    until xdotool getdisplaygeometry >/dev/null 2>&1; do
        ((SECONDS < deadline)) || fail "display $DISPLAY does not answer"
        sleep "$E2E_STEP"
    done
    note "Xvfb on $DISPLAY, $(xdotool getdisplaygeometry)"
}

# start_program <name>: starts bin/<name> of the installed tree on the X server at the device
# pixel ratio given, with Qt on X11 (the test suite runs Qt offscreen) and a fixed locale; its
# output goes to $SHOTS/<log name>.log, the log name being $name where the script sets one.
start_program() {
    note "starting $prefix/bin/$1 at device pixel ratio $scale"
    env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" LANG=C.UTF-8 LC_ALL=C.UTF-8 \
        "$prefix/bin/$1" >"$SHOTS/${name:-$1}.log" 2>&1 &
    program_pid=$!
}

# wait_for_program_exit <seconds>: waits for the program to end; its exit status goes into
# program_status.
program_status=
wait_for_program_exit() {
    local deadline=$((SECONDS + $1))
    while kill -0 "$program_pid" 2>/dev/null; do
        ((SECONDS < deadline)) || fail "the program did not end within $1 s"
        sleep "$E2E_STEP"
    done
    program_status=0
    wait "$program_pid" || program_status=$?
    program_pid=
}

program_running() { [[ -n $program_pid ]] && kill -0 "$program_pid" 2>/dev/null; }

# visible_windows <title regex>: the ids of the shown windows whose title matches.
visible_windows() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null || true
}

# wait_for_window <title regex> <seconds> [ids to pass over...]: prints the id of a shown
# window with a matching title that is none of the ids given.
wait_for_window() {
    local regex=$1 deadline=$((SECONDS + $2))
    shift 2
    while true; do
        local id known
        for id in $(visible_windows "$regex"); do
            known=0
            for other in "$@"; do [[ $id == "$other" ]] && known=1; done
            if ((!known)); then
                echo "$id"
                return 0
            fi
        done
        program_running || fail "the program ended while a window '$regex' was awaited"
        ((SECONDS < deadline)) || fail "no new window '$regex' within the time allowed"
        sleep "$E2E_STEP"
    done
}

# wait_until_gone <window id> <seconds>
wait_until_gone() {
    local deadline=$((SECONDS + $2))
    while visible_windows . | grep -qx "$1"; do
        ((SECONDS < deadline)) || fail "window $1 is still shown after $2 s"
        sleep "$E2E_STEP"
    done
}

# window_size <window id>: "WIDTH HEIGHT" in pixels of the screen.
window_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "$WIDTH $HEIGHT"
}

# focus <window id>: gives the window the keyboard, as a window manager gives a new window.
focus() { xdotool windowfocus --sync "$1"; }

# click <window id> <x> <y>: a left click at a point of the window.
click() { xdotool mousemove --window "$1" --sync "$2" "$3" click 1; }

press() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 40 -- "$1"; }

# copy_to_file <file> <keys...>: empties the clipboard, presses the keys that copy something,
# and writes the clipboard's text, byte for byte, to the file once the program has put it there.
copy_to_file() {
    local file=$1
    shift
    printf "" | xclip -selection clipboard -i >/dev/null 2>&1
    press "$@"
    local deadline=$((SECONDS + 10))
    while true; do
        xclip -selection clipboard -o >"$file" 2>/dev/null || true
        [[ -s $file ]] && return 0
        ((SECONDS < deadline)) || fail "nothing came onto the clipboard after: $*"
        sleep "$E2E_STEP"
    done
}

# copy_to_clipboard <keys...>: as copy_to_file, and prints the text.
copy_to_clipboard() {
    copy_to_file "$x_session_dir/clipboard" "$@"
    cat "$x_session_dir/clipboard"
}

# screenshot <window id> <name>: saves the window as $SHOTS/<name>.png and prints that path.
screenshot() {
    local file=$SHOTS/$2.png
    env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=xcb "$PROBE" grab "$1" "$file" ||
        fail "no screenshot of window $1"
    echo "$file"
}

# measure <png> [x y w h]: the measurements of screen_probe stats of the picture or a region
# of it, into the array M (M[pixels.red], M[columns.red], ...).
declare -A M
measure() {
    local name value
    M=()
    while read -r name value; do
        M[$name]=$value
    done < <(env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=offscreen "$PROBE" stats "$@")
    [[ -n ${M[width]:-} ]] || fail "no measurements of $1"
}
