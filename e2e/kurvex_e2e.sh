#!/usr/bin/env bash
# kurvex_e2e.sh <install prefix> <screenshot folder> <screen_probe> <device pixel ratio 1|2>
#
# Kurvex as a person uses it, on its own X server: clicks into the equation box, types sin(x),
# tabs to the limits -2 and 2 (times pi, the choice at start) and presses Go; copies MaxX and
# MaxY through the clipboard and compares them with the largest |sin x| over the same samples,
# computed here; clicks the Graph tab, photographs the window and checks the picture: only its
# own pure colours (no blur), at ratio 2 every picture pixel a sharp 2x2 block, the black axes
# across it, and the red curve above the axis where sin x > 0 and below it where sin x < 0.
# Last, Exit through the keyboard ends the program.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh" "$@"
name=kurvex-ratio$scale

# At ratio 2 the screen is 1024 x 768 device-independent pixels, the size the window is laid
# out for.
if ((scale == 2)); then
    screen_width=2048
    screen_height=1536
else
    screen_width=1280
    screen_height=800
fi
start_x_server "${screen_width}x$screen_height" "$SHOTS/$name-xvfb.log"

# The window's layout, in Qt's device-independent pixels: W = Round(0.99 x screen width)
# columns, a red band 78 high, a picture of W x (screen height - 108) with the X axis at half
# its height and, for limits symmetric about 0, the Y axis at column Round(W / 2).
logical_width=$((screen_width / scale))
logical_height=$((screen_height / scale))
W=$(awk -v s="$logical_width" 'BEGIN { printf "%.0f", 0.99 * s }')
band=78
axis_row=$(((logical_height - 108) / 2))
half=$((W / 2))
if ((W % 2 == 1 && half % 2 == 1)); then half=$((half + 1)); fi # halves round to even
zero_column=$half

start_program kurvex
window=$(wait_for_window '^Kurvex$' 60)
read -r width height < <(window_size "$window")
[[ $width -eq $((W * scale)) && $height -eq $((logical_height * scale)) ]] ||
    fail "the window is ${width}x$height, expected $((W * scale))x$((logical_height * scale))"

note "typing the equation and the limits, pressing Go"
click "$window" $((W / 4 * scale)) $((26 * scale)) # into the equation box
type_text 'sin(x)'
press Tab Tab # the specific X stays empty
type_text '-2'
press Tab
type_text '2'
press Tab space # Go
press Tab Tab   # the specific Y, then MaxX
max_x=$(copy_to_clipboard ctrl+a ctrl+c)
press Tab
max_y=$(copy_to_clipboard ctrl+a ctrl+c)
note "MaxX = $max_x, MaxY = $max_y"

# The scan: X = -2 pi + i (4 pi / W) for i = 1..W. The X shown is that of the largest |Y|, or
# its size when a negative Y wins; several samples may tie within rounding.
awk -v W="$W" -v mx="$max_x" -v my="$max_y" 'BEGIN {
    pi = atan2(0, -1); low = -2 * pi; step = 4 * pi / W; best = 0
    for (i = 1; i <= W; ++i) { y = sin(low + i * step); if (y < 0) y = -y; if (y > best) best = y }
    if (mx !~ /^-?[0-9]+\.[0-9]+$/ || my !~ /^-?[0-9]+\.[0-9]+$/) {
        print "FAIL: MaxX and MaxY are not numbers"; exit 1
    }
    if ((my - best) > 1e-9 || (best - my) > 1e-9) {
        printf "FAIL: MaxY is %s, the largest |sin x| is %.15f\n", my, best; exit 1
    }
    for (i = 1; i <= W; ++i) {
        x = low + i * step; y = sin(x); if (y < 0) y = -y
        if (best - y > 1e-12) continue
        d = mx - x; e = mx + x; if (d < 0) d = -d; if (e < 0) e = -e
        if (d < 1e-9 || (e < 1e-9 && mx >= 0)) { found = 1 }
    }
    if (!found) { printf "FAIL: MaxX %s is no X of the largest |sin x|\n", mx; exit 1 }
}' || fail "the Max boxes are wrong"

note "showing the Graph page and photographing the window"
click "$window" $((30 * scale)) $((band * scale + 12 * scale)) # the Graph tab
shot=
deadline=$((SECONDS + 20))
while true; do
    shot=$(screenshot "$window" "$name")
    measure "$shot" 0 $((band * scale)) "$width" $((height - band * scale))
    ((${M[columns.red]} > W * scale / 2)) && break
    ((SECONDS < deadline)) || fail "no curve on the Graph page (see $shot)"
    sleep "$E2E_STEP"
done

# Where the picture lies in the window: found from its axes.
top=$(((band * scale + ${M[row.black.at]}) / scale - axis_row))
left=$((${M[column.black.at]} / scale - zero_column))
((top >= band && top <= band + 60 && left >= 0 && left <= 10)) ||
    fail "the axes are not where the picture's should be (top $top, left $left; see $shot)"
visible_width=$((W - left - 4))
visible_height=$((logical_height - 30 - 4 - top)) # the page control ends 30 above the bottom

# region <first column> <last column> <first row> <last row>: picture pixels, in device pixels.
region() { echo $((($left + $1) * scale)) $((($top + $3) * scale)) \
    $((($2 - $1) * scale)) $((($4 - $3) * scale)); }

measure "$shot" $(region 0 "$visible_width" 0 "$visible_height")
echo "picture: ${M[width]}x${M[height]} device pixels; red ${M[pixels.red]}," \
    "black ${M[pixels.black]}, white ${M[pixels.white]}, other ${M[pixels.other]}," \
    "uneven 2x2 blocks ${M[blocks.uneven]}"
((${M[pixels.other]} == 0)) ||
    fail "${M[pixels.other]} picture pixels are blends, not the picture's own colours"
if ((scale == 2)); then
    ((${M[blocks.uneven]} == 0)) ||
        fail "${M[blocks.uneven]} picture pixels are not shown as sharp 2x2 blocks"
fi
((${M[row.black.max]} >= ${M[width]} * 95 / 100)) || fail "no X axis across the picture"
((${M[column.black.max]} >= ${M[height]} * 90 / 100)) || fail "no Y axis down the picture"
((${M[columns.red]} >= ${M[width]} * 70 / 100)) ||
    fail "the curve covers only ${M[columns.red]} of ${M[width]} columns"

# Columns where X runs from 0.25 pi to 0.75 pi (sin x > 0.7), and from -0.75 pi to -0.25 pi.
positive=($((W * 9 / 16 + 2)) $((W * 11 / 16 - 2)))
negative=($((W * 5 / 16 + 2)) $((W * 7 / 16 - 2)))
above=(0 $((axis_row - 60)))
below=($((axis_row + 60)) "$visible_height")
red_in() {
    measure "$shot" $(region "$@")
    echo "${M[pixels.red]}"
}
(($(red_in "${positive[@]}" "${above[@]}") > 0)) || fail "no curve above the axis for sin x > 0"
(($(red_in "${positive[@]}" "${below[@]}") == 0)) || fail "red below the axis for sin x > 0"
(($(red_in "${negative[@]}" "${above[@]}") == 0)) || fail "red above the axis for sin x < 0"
(($(red_in "${negative[@]}" "${below[@]}") > 0)) || fail "no curve below the axis for sin x < 0"

note "Exit through the keyboard"
press Tab Tab Tab space # from MaxY: the units choice, Clear, Exit
wait_for_program_exit 30
((program_status == 0)) || fail "Kurvex ended with status $program_status"
echo "Kurvex at ratio $scale: Go, Max boxes, picture and Exit right; screenshot $shot"
