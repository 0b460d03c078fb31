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
