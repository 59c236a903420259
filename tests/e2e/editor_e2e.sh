#!/usr/bin/env bash
# A level painted in the real editor with real mouse presses, saved with S, then played in the
# real game. Usage: editor_e2e.sh EDITOR GAME GFX-DIR CLOSEWINDOW
set -euo pipefail
Editor=$1 Game=$2 Gfx=$3 CloseWindow=$4
. "$(dirname "$0")/lib.sh"
make_run_folder "$Gfx"
cd "$RunFolder"
Back=$(picture_colour gfx/back.bmp)
Goal=$(picture_colour gfx/goal.bmp)
EditorCell() { echo $(($1 * 30 + 15)) $(($2 * 30 + 75)); }

# Chooses the brush with digit key $1, waits for the preview, then paints cell ($3, $4) with the
# left button, holding it until the cell shows picture $2.
paint() {
    local Colour
    Colour=$(picture_colour "gfx/$2.bmp")
    hold_key_until "$Window" "$1" 300 30 "$Colour"
    xdotool mousemove --window "$Window" $(EditorCell "$3" "$4")
    xdotool mousedown 1
    wait_pixel "$Window" $(EditorCell "$3" "$4") "$Colour"
    xdotool mouseup 1
}

echo "paint a level with the mouse and save it with S"
"$Editor" & Pid=$!
Window=$(wait_window "Edytor Kartonik")
[ -n "$Window" ] || fail "no editor window"
wait_pixel "$Window" $(EditorCell 0 0) "$Back"
paint 1 wall 1 2
paint 4 hero 2 2
paint 2 box 3 2
paint 3 target 4 2
paint 5 goal 6 2
paint 1 wall 7 2
xdotool mousemove --window "$Window" $(EditorCell 7 2)
xdotool mousedown 3
wait_pixel "$Window" $(EditorCell 7 2) "$Back"
xdotool mouseup 3
# Enlarged, the window shows the last row one pixel per pixel, and the pointer paints it.
xdotool windowsize "$Window" 600 450
wait_pixel "$Window" $(EditorCell 3 12) "$Back"
paint 1 wall 3 12
xdotool keydown s
Deadline=$((SECONDS + WaitLimit))
until [ -f save.txt ] && [ "$(stat -c %s save.txt)" = 273 ]; do
    [ $SECONDS -lt $Deadline ] || fail "no save.txt"
    sleep 0.1
done
xdotool keyup s
"$CloseWindow" "$Window"
wait_exit $Pid 0

Blank='                    '
{
    printf '%s\n' "$Blank" "$Blank" ' whbt g             '
    for Row in 3 4 5 6 7 8 9 10 11; do printf '%s\n' "$Blank"; done
    printf '%s\n' '   w                '
} > expected.txt
cmp save.txt expected.txt || fail "save.txt differs: $(od -c save.txt | head)"

echo "the game plays the saved level"
printf 'save.txt\n' > lvl/levelindex.txt
"$Game" & Pid=$!
Window=$(wait_window Kartonik)
[ -n "$Window" ] || fail "no game window"
hold_key_until "$Window" Right 135 75 "$Goal"
wait_exit $Pid 0

echo "keys typed into another window never save"
mkdir other
cp -r gfx other/
rm save.txt
"$Editor" & First=$!
FirstWindow=$(wait_window "Edytor Kartonik")
(cd other && exec "$Editor") & Second=$!
Deadline=$((SECONDS + WaitLimit))
until [ "$(xdotool search --onlyvisible --name '^Edytor Kartonik$' | wc -l)" = 2 ]; do
    [ $SECONDS -lt $Deadline ] || fail "no second editor window"
    sleep 0.1
done
SecondWindow=$(xdotool search --onlyvisible --name '^Edytor Kartonik$' | grep -vx "$FirstWindow")
xdotool windowfocus --sync "$SecondWindow"
xdotool keydown s
Deadline=$((SECONDS + WaitLimit))
until [ -f other/save.txt ]; do
    [ $SECONDS -lt $Deadline ] || fail "the focused editor did not save"
    sleep 0.1
done
xdotool keyup s
[ ! -e save.txt ] || fail "the editor without the focus saved"
"$CloseWindow" "$FirstWindow"
"$CloseWindow" "$SecondWindow"
wait_exit $First 0
wait_exit $Second 0
echo PASS
