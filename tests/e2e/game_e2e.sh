#!/usr/bin/env bash
# The built game in a run folder of its own, played with real key presses.
# Usage: game_e2e.sh KARTONIK GFX-DIR CLOSEWINDOW
set -euo pipefail
Game=$1 Gfx=$2 CloseWindow=$3
. "$(dirname "$0")/lib.sh"
make_run_folder "$Gfx"
cd "$RunFolder"
Wall=$(picture_colour gfx/wall.bmp)
Box=$(picture_colour gfx/box.bmp)
Goal=$(picture_colour gfx/goal.bmp)
Cell() { echo $(($1 * 30 + 15)) $(($2 * 30 + 15)); }

echo "two levels solved with real key presses, then the game ends with status 0"
printf 'wwwwwwwwwwwwwwwwwwww\nwhbtwwwwwwwwwwwwwwww\n' > lvl/one.txt
printf 'wwwwwwwwwwwwwwwwwwww\nwwwwwwwwwwwwwwwtbhww\n' > lvl/two.txt
printf 'lvl/one.txt\nlvl/two.txt\n' > lvl/levelindex.txt
"$Game" & Pid=$!
Window=$(wait_window Kartonik)
[ -n "$Window" ] || fail "no game window"
wait_pixel "$Window" $(Cell 0 0) "$Wall"
wait_pixel "$Window" $(Cell 2 1) "$Box"
hold_key_until "$Window" Right $(Cell 3 1) "$Goal"
wait_pixel "$Window" $(Cell 16 1) "$Box"      # the second level after the pause
hold_key_until "$Window" Left $(Cell 15 1) "$Goal"
wait_exit $Pid 0

echo "a close request ends the game with status 0"
"$Game" & Pid=$!
Window=$(wait_window Kartonik)
wait_pixel "$Window" $(Cell 2 1) "$Box"
"$CloseWindow" "$Window"
wait_exit $Pid 0

echo "a resize keeps one pixel per pixel from the top-left corner"
"$Game" & Pid=$!
Window=$(wait_window Kartonik)
wait_pixel "$Window" $(Cell 2 1) "$Box"
xdotool windowsize "$Window" 700 450
wait_pixel "$Window" 650 420 "srgb(100,100,255)"
wait_pixel "$Window" $(Cell 2 1) "$Box"
wait_pixel "$Window" $(Cell 19 12) "$Wall"
"$CloseWindow" "$Window"
wait_exit $Pid 0

echo "a missing level index: status 1 and one line saying why"
rm lvl/levelindex.txt
Status=0
"$Game" 2> errors.txt || Status=$?
[ "$Status" = 1 ] || fail "status $Status with no level index"
grep -qx 'kartonik: cannot open level index "lvl/levelindex.txt": No such file or directory' errors.txt ||
    fail "message: $(cat errors.txt)"

echo "an empty level index ends the game at once with status 0"
: > lvl/levelindex.txt
"$Game"
echo PASS
