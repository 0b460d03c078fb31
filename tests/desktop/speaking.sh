# The program while it talks, for the real-desktop tests and benchmarks: what
# the private sound server plays, and how soon the About window comes. Source
# it after session.sh and sound.sh.

playing() { [ -n "$(pactl list short sink-inputs)" ]; }
silent() { ! playing; }
about_up() { [ -n "$(window_named horalo "Форма1")" ]; }
about_gone() { ! about_up; }

# about_ms WINDOW_TIMING MAIN_WINDOW: milliseconds from F2 in the main window
# to the About window on screen; the About window is closed again.
about_ms() {
    local from ms
    xdotool windowactivate --sync "$2"
    from=${EPOCHREALTIME/./}
    xdotool key F2
    ms=$("$1" mapped "Форма1" "$from" 10000) || fail "F2 opened no About window"
    close_about || fail "the About window did not close"
    echo "$ms"
}

# Alt+F4 to the About window until it has gone: on a busy machine the window
# manager can take the key before the window has the focus, and lose it.
close_about() {
    local try
    for try in 1 2 3 4 5; do
        xdotool windowactivate --sync "$(window_named horalo "Форма1")" key alt+F4
        wait_until 3 about_gone && return
    done
    return 1
}
