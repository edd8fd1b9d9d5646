# End-to-end harness, sourced by the tests in this folder and by scripts/demo.
# It runs the real gestrix binary on a private Xvfb with a private home, settings and symbol
# folder, drives it with xdotool, and stops everything it started when the script exits.
# It never touches the real user's display, settings or shortcuts.

set -euo pipefail
# Each background job in a process group of its own, so that stopping it stops whatever it
# started too (a function run in the background is a subshell with children).
set -m
# Window titles are matched as UTF-8 whatever the machine's locale ("Création d'un …").
export LC_ALL=C.UTF-8 LANG=C.UTF-8

E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/gestrix-e2e.XXXXXX")
E2E_SYMBOLS="$E2E_TMP/symbol"
E2E_PIDS=()
E2E_GESTRIX_PID=""
E2E_SHOTS="${E2E_SHOTS:-$E2E_TMP/shots}"

# Stops every process group the test started, forcibly when one outlives a short wait.
e2e_cleanup() {
    local pid deadline=$((SECONDS + 3))
    for pid in "${E2E_PIDS[@]}"; do
        kill -- "-$pid" 2>/dev/null || kill "$pid" 2>/dev/null || true
    done
    for pid in "${E2E_PIDS[@]}"; do
        while { kill -0 -- "-$pid" || kill -0 "$pid"; } 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
            sleep 0.05
        done
        # A process that is no group's leader, and no longer handles its signals, is killed alone.
        kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

e2e_fail() {
    echo "FAIL: $*" >&2
    if [ -n "$E2E_GESTRIX_PID" ] && [ -s "$E2E_TMP/gestrix.log" ]; then
        echo "--- gestrix output:" >&2
        cat "$E2E_TMP/gestrix.log" >&2
    fi
    exit 1
}

# How long a desktop session may take to be ready: the first start on a fresh machine builds its
# caches, beside other tests.
E2E_SESSION_PATIENCE=90

# Waits up to $2 seconds (default 10) for the command in $1 to succeed.
e2e_wait_for() {
    local condition=$1 deadline=$((SECONDS + ${2:-10}))
    until eval "$condition"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}

# Starts a private X server; the server picks a free display and writes its number to fd 3.
# -noreset keeps the pointer state when the last client disconnects. E2E_SCREEN sets the size;
# the array E2E_XVFB_OPTIONS adds options (such as disabling an extension).
e2e_start_xvfb() {
    rm -f "$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1920x1080x24}" -nolisten tcp -noreset \
        ${E2E_XVFB_OPTIONS[@]+"${E2E_XVFB_OPTIONS[@]}"} \
        3>"$E2E_TMP/display" 2>"$E2E_TMP/xvfb.log" &
    E2E_PIDS+=($!)
    e2e_wait_for '[ -s "$E2E_TMP/display" ]' || e2e_fail "Xvfb did not start: $(cat "$E2E_TMP/xvfb.log")"
    export DISPLAY=":$(head -n 1 "$E2E_TMP/display")"
}

# Starts a D-Bus daemon of type $1 (session or system) listening in folder $2, that starts no
# service of its own: only what the test starts answers on it, whatever this machine has
# installed. Further arguments run it (as another user, say). Its address goes to $2/$1.address.
e2e_private_bus() {
    local type=$1 folder=$2
    shift 2
    mkdir -p "$folder/$type-services"
    cat >"$folder/$type.conf" <<XML
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>$type</type>
  <listen>unix:dir=$folder</listen>
  <servicedir>$folder/$type-services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
XML
    "$@" dbus-daemon --config-file="$folder/$type.conf" --nofork --nopidfile --print-address=1 \
        >"$folder/$type.address" 2>"$E2E_TMP/$type-bus.log" &
    E2E_PIDS+=($!)
    e2e_wait_for '[ -s "$folder/$type.address" ]' || e2e_fail "no $type bus: $(cat "$E2E_TMP/$type-bus.log")"
}

# Starts a stand-alone notification area (XEmbed) at the top of the screen.
e2e_start_tray() {
    trayer --edge top --align right --widthtype pixel --width 120 --heighttype pixel \
        --height 24 >"$E2E_TMP/trayer.log" 2>&1 &
    E2E_PIDS+=($!)
}

# Starts a window manager: minimising a window needs one. Its configuration binds nothing to
# the desktop (openbox's own opens a menu, and grabs the pointer, on a middle click there) and
# closes the active window with Alt+F4.
e2e_start_wm() {
    cat >"$E2E_TMP/openbox.xml" <<'XML'
<?xml version="1.0"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard><keybind key="A-F4"><action name="Close"/></keybind></keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
</openbox_config>
XML
    openbox --sm-disable --config-file "$E2E_TMP/openbox.xml" >"$E2E_TMP/openbox.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_wait_for 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        e2e_fail "openbox did not start"
}

# Starts gestrix ($1, further arguments passed on) with its home, settings, data and runtime
# folders inside the harness's temporary folder, and the symbol folder at $E2E_SYMBOLS.
e2e_start_gestrix() {
    local binary=$1
    shift
    mkdir -p "$E2E_TMP/home" "$E2E_TMP/config" "$E2E_TMP/data"
    mkdir -m 700 -p "$E2E_TMP/runtime"
    HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_DATA_HOME="$E2E_TMP/data" \
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" GESTRIX_SYMBOL_DIR="$E2E_SYMBOLS" \
        QT_LOGGING_RULES="${E2E_LOGGING_RULES:-}" "$binary" "$@" >>"$E2E_TMP/gestrix.log" 2>&1 &
    E2E_GESTRIX_PID=$!
    E2E_PIDS+=("$E2E_GESTRIX_PID")
}

# Prints the id of the visible window whose name matches $1, waiting up to $2 seconds.
e2e_wait_window() {
    local name=$1 id=""
    e2e_wait_for 'id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1); [ -n "$id" ]' \
        "${2:-10}" || e2e_fail "no window named '$name'"
    echo "$id"
}

# Writes window $1 (or the whole screen for "root") as a portable anymap to standard output.
e2e_grab() {
    local target=(-root)
    [ "$1" = root ] || target=(-id "$1")
    xwd -silent "${target[@]}" | xwdtopnm 2>/dev/null
}

# Saves a PNG of window $2 (default: the whole screen) as $E2E_SHOTS/$1.png and prints its path.
e2e_screenshot() {
    mkdir -p "$E2E_SHOTS"
    e2e_grab "${2:-root}" | pnmtopng >"$E2E_SHOTS/$1.png"
    echo "$E2E_SHOTS/$1.png"
}

# Prints "r g b" of the pixel at ($2, $3) of window $1 ("root": the screen).
e2e_pixel() {
    e2e_grab "$1" | pamcut -left "$2" -top "$3" -width 1 -height 1 | pnmtoplainpnm | tail -n +4 | xargs
}

# The Grid string of a horizontal bar through row 6: what a long horizontal stroke reduces to.
E2E_BAR_GRID="$(printf '0%.0s' {1..72})$(printf '1%.0s' {1..12})$(printf '0%.0s' {1..60})"

# Stores a shortcut: name $1, Grid string $2, program $3.
e2e_store_symbol() {
    mkdir -p "$E2E_SYMBOLS"
    printf '[Image]\nValue=%s\nRepertoire=%s\n' "$2" "$3" >"$E2E_SYMBOLS/$1.ini"
}

# Writes a program that creates the file $1 when it runs, and prints the program's path.
e2e_marker_program() {
    local program="$E2E_TMP/marker-$(basename "$1").sh"
    printf '#!/bin/sh\ntouch "%s"\n' "$1" >"$program"
    chmod +x "$program"
    echo "$program"
}

# Draws a horizontal stroke across the middle of the screen, from x = 300 to 1500 at y = 500.
e2e_draw_bar() {
    local x
    for x in $(seq 300 20 1500); do xdotool mousemove "$x" 500; done
}

# Counts the visible overlays.
e2e_overlays() {
    { xdotool search --onlyvisible --name "^Gestrix geste$" 2>/dev/null || true; } | wc -l
}

# Presses the middle button for $1 seconds where the pointer is: at least long enough to be a
# gesture rather than a quick click given back to the application.
e2e_middle_press() {
    xdotool mousedown 2
    sleep "$(awk -v held="$1" 'BEGIN { print (held < 0.35 ? 0.35 : held) }')"
    xdotool mouseup 2
}

# Clicks button $4 (default 1) at ($2, $3) of window $1.
e2e_click() {
    xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"
}
