# Helpers for driving the real programs under a virtual display with xdotool.
# Every wait is for something observable, with a generous limit: machines may be slow.
WaitLimit=${KARTONIK_E2E_WAIT:-120}

fail() { echo "FAIL: $*" >&2; exit 1; }

# A fresh run folder with the given pictures; the caller adds its own lvl/.
make_run_folder() {
    RunFolder=$(mktemp -d)
    trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$RunFolder"' EXIT
    cp -r "$1" "$RunFolder/gfx"
    mkdir -p "$RunFolder/lvl"
}

# Prints the id of the window titled $1 once it is mapped.
wait_window() {
    timeout "$WaitLimit" xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# The colour at window pixel ($2, $3) of window $1, as ImageMagick names it; empty if gone.
pixel() {
    import -window "$1" png:- 2>/dev/null |
        convert - -format "%[pixel:p{$2,$3}]" info: 2>/dev/null || true
}

# The colour at the middle of a 30 x 30 picture file.
picture_colour() { convert "$1" -format '%[pixel:p{15,15}]' info:; }

# Waits until window pixel ($2, $3) shows colour $4.
wait_pixel() {
    local Deadline=$((SECONDS + WaitLimit)) Seen
    while :; do
        Seen=$(pixel "$1" "$2" "$3")
        [ "$Seen" = "$4" ] && return 0
        [ $SECONDS -ge $Deadline ] && fail "pixel ($2, $3) is '$Seen', not '$4'"
        sleep 0.1
    done
}

# Waits for process $1 to end and checks its exit status is $2.
wait_exit() {
    local Deadline=$((SECONDS + WaitLimit))
    while kill -0 "$1" 2>/dev/null; do
        [ $SECONDS -ge $Deadline ] && fail "process $1 did not end"
        sleep 0.1
    done
    local Status=0
    wait "$1" || Status=$?
    [ "$Status" = "$2" ] || fail "exit status $Status, not $2"
}

# Holds key $2 down until window pixel ($3, $4) shows colour $5.
hold_key_until() {
    xdotool keydown "$2"
    wait_pixel "$1" "$3" "$4" "$5"
    xdotool keyup "$2"
}
