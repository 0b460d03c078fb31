# A private Wayland desktop for the real-desktop tests: the wlroots compositor
# sway on its headless back end and, on request, waybar, whose tray is the
# desktop's StatusNotifier host. Source it after session.sh, inside a session
# bus of the test's own (on_own_session_bus); every wait is bounded.

# wayland_requirements: skips the test when the machine cannot run the desktop.
wayland_requirements() {
    local tool
    for tool in sway swaymsg waybar gdbus; do
        command -v "$tool" >/dev/null || skip "$tool is missing (see tools/debian-packages.txt)"
    done
    compgen -G "/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so" >/dev/null ||
        skip "Qt's Wayland platform plug-in is missing (package qt6-wayland)"
    # sway refuses to run as root; in a user namespace of its own it runs as nobody.
    if [ "$(id -u)" = 0 ]; then
        unshare --user true 2>/dev/null || skip "sway does not run as root, and user namespaces are not allowed"
        COMPOSITOR_WRAPPER=(unshare --user)
    else
        COMPOSITOR_WRAPPER=()
    fi
}

start_wayland_desktop() {
    WAYLAND_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR="$WAYLAND_DIR/runtime"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\n' >"$WAYLAND_DIR/sway.conf"
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        "${COMPOSITOR_WRAPPER[@]}" sway -c "$WAYLAND_DIR/sway.conf" >"$WAYLAND_DIR/sway.log" 2>&1 &
    SWAY_PID=$!
    wait_until 30 compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock" >/dev/null ||
        fail "sway did not start: $(cat "$WAYLAND_DIR/sway.log")"
    SWAYSOCK=$(compgen -G "$XDG_RUNTIME_DIR/sway-ipc.*.sock")
    export SWAYSOCK WAYLAND_DISPLAY=wayland-1 QT_QPA_PLATFORM=wayland
    unset DISPLAY
    wait_until 30 swaymsg -t get_outputs >/dev/null 2>&1 || fail "sway does not answer"
    trap 'stop_wayland_desktop; exit_hook' EXIT
}

# waybar with only its tray: it registers the StatusNotifierWatcher and is its host.
start_tray_host() {
    printf '{"layer": "top", "modules-right": ["tray"]}\n' >"$WAYLAND_DIR/waybar.json"
    waybar -c "$WAYLAND_DIR/waybar.json" >"$WAYLAND_DIR/waybar.log" 2>&1 &
    WAYBAR_PID=$!
    wait_until 30 tray_host_up ||
        fail "waybar's tray did not come up: $(cat "$WAYLAND_DIR/waybar.log")"
}

stop_tray_host() {
    if [ -n "${WAYBAR_PID:-}" ]; then
        kill "$WAYBAR_PID" 2>/dev/null || true
        wait "$WAYBAR_PID" 2>/dev/null || true
    fi
    WAYBAR_PID=
    wait_until 10 bash -c '! gdbus call --session -d org.freedesktop.DBus -o /org/freedesktop/DBus \
        -m org.freedesktop.DBus.GetNameOwner org.kde.StatusNotifierWatcher >/dev/null 2>&1' ||
        fail "the StatusNotifierWatcher stayed on the bus"
}

stop_wayland_desktop() {
    stop_tray_host
    kill "$SWAY_PID" 2>/dev/null || true
    wait "$SWAY_PID" 2>/dev/null || true
    rm -rf "$WAYLAND_DIR"
}

watcher_property() {
    gdbus call --session -d org.kde.StatusNotifierWatcher -o /StatusNotifierWatcher \
        -m org.freedesktop.DBus.Properties.Get org.kde.StatusNotifierWatcher "$1" 2>/dev/null
}

tray_host_up() { watcher_property IsStatusNotifierHostRegistered | grep -q true; }

# The registered StatusNotifier items, one "service/path" a line.
tray_items() {
    watcher_property RegisteredStatusNotifierItems | grep -o "'[^']*'" | tr -d "'" || true
}

# item_call ITEM METHOD ARGS...: calls a method of the item's StatusNotifierItem interface.
item_call() {
    local service=${1%%/*} path=/${1#*/}
    [[ "$1" == */* ]] || path=/StatusNotifierItem
    shift
    gdbus call --session -d "$service" -o "$path" -m "$@"
}

# Top-level windows on the desktop whose title is exactly NAME, shown or not.
wayland_window() {
    swaymsg -t get_tree | /usr/bin/python3 -c '
import json, sys
def walk(node):
    if node.get("name") == sys.argv[1] and node.get("pid"):
        print(node.get("visible"))
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))' "$1"
}
wayland_window_shown() { [ "$(wayland_window "$1")" = True ]; }
