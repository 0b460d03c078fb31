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
