# The program under test on the private desktop: its windows, its icon, its
# end. The test starts it and keeps its process id in PROGRAM_PID. Source it
# after session.sh.

program_ended() { ! kill -0 "$PROGRAM_PID" 2>/dev/null; }
main_window() { window_named horalo "$1"; }
main_is_mapped() {
    local id
    id=$(main_window "$1")
    [ -n "$id" ] && is_mapped "$id"
}
# A message of the program's on the screen: a window titled Horalo, as the
# main window is in English and the icon too, that the window manager shows.
message_box() {
    local id
    for id in $(xdotool search --class horalo 2>/dev/null); do
        if [ "$(xdotool getwindowname "$id" 2>/dev/null)" = Horalo ] && is_mapped "$id" &&
            xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state: Normal'; then
            echo "$id"
            return
        fi
    done
}
message_up() { [ -n "$(message_box)" ]; }
icon_docked() { [ -n "$(docked_icon horalo)" ]; }
click_icon() { xdotool mousemove --window "$(docked_icon horalo)" 8 8 click "$1"; }
# Clicks the icon with BUTTON until the main window titled TITLE is mapped: on
# a busy machine a click can come while the panel is still embedding a newly
# docked icon, and is lost, as it would be for a user. Bringing the window up
# again does nothing more, so a second click is harmless.
bring_by_icon() {  # button title
    local try
    for try in 1 2 3 4 5; do
        click_icon "$1"
        wait_until 3 main_is_mapped "$2" && return
    done
    return 1
}

# The copy that copy_program made, started in the background, its output in $work/horalo.log.
start_program() {
    "$work/horalo" >>"$work/horalo.log" 2>&1 &
    PROGRAM_PID=$!
}
# A test that ends early leaves no program and no folder behind; tests with more to clean redefine it.
exit_hook() {
    [ -z "${PROGRAM_PID:-}" ] || kill -9 "$PROGRAM_PID" 2>/dev/null || true
    rm -rf "$work"
}
