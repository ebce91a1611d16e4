#!/usr/bin/env bash
# lottavo_e2e.sh <install prefix> <screenshot folder> <screen_probe> <device pixel ratio 1|2>
#
# Lottavo as a person uses it, on its own X server at the device pixel ratio given, with the
# keyboard: Generate (Enter) and close the list's box, Copy and keep the list from the
# clipboard, Generate and Copy a second list, then Quit, which opens the cumulative list
# window; its menu saves the lists through the save dialog and exits. The generator must keep
# its width in dialog units; the saved file must hold exactly the header line and the two
# copied lists under their numbered headers, with bare line feeds; each list must be 16 values
# numbered from 00 whose decimal and hexadecimal forms agree.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh" "$@"
name=lottavo-ratio$scale

start_x_server 1280x1024 "$SHOTS/$name-xvfb.log"
work=$x_session_dir

start_program lottavo
generator=$(wait_for_window 'Random Integer Generator' 60)
# 240 dialog units across at 10 pixels to 4 units, and the dialog frame on both sides: 606
# device-independent pixels, each <ratio> screen pixels wide.
read -r width _ < <(window_size "$generator")
((width == 606 * scale)) || fail "the generator is $width pixels wide, expected $((606 * scale))"
focus "$generator"
screenshot "$generator" "$name-generator" >/dev/null

# generate_and_copy <list number>: Generate, close the list's box, Copy, keep the clipboard
# in $work/list<n>.txt and close the confirmation. Generate has the focus when it starts.
generate_and_copy() {
    local number
    number=$(printf '%03d' "$1")
    press Return # Generate, the default button
    local list_box
    list_box=$(wait_for_window "Random Number List #$number" 30)
    screenshot "$list_box" "$name-list$number" >/dev/null
    focus "$list_box"
    press Return
    wait_until_gone "$list_box" 30
    focus "$generator"
    copy_to_file "$work/list$1.txt" Tab space # Copy
    local copy_box
    copy_box=$(wait_for_window 'COPY to Clipboard' 30)
    focus "$copy_box"
    press Return
    wait_until_gone "$copy_box" 30
    focus "$generator"
    press shift+Tab # back to Generate
}

note "two lists, each generated and copied"
generate_and_copy 1
generate_and_copy 2

note "Quit: the cumulative list window"
press Tab Tab space # Copy, Quit
cumulated=$(wait_for_window 'Cumulated Random Integer Lists' 30)
focus "$cumulated"
screenshot "$cumulated" "$name-cumulated" >/dev/null

note "saving the lists through the menu and the save dialog"
saved=$SHOTS/$name-saved.txt
rm -f "$saved"
press alt+m s
save_dialog=$(wait_for_window '.' 30 "$generator" "$cumulated")
focus "$save_dialog"
type_text "$saved"
press Return
deadline=$((SECONDS + 30))
until [[ -s $saved ]]; do
    ((SECONDS < deadline)) || fail "no file $saved after the save dialog"
    sleep "$E2E_STEP"
done
wait_until_gone "$save_dialog" 30

note "Exit through the menu"
focus "$cumulated"
press alt+m x
wait_for_program_exit 30
((program_status == 0)) || fail "Lottavo ended with status $program_status"

note "comparing the saved file with the copied lists"
# Each list: 16 lines "NN  DDDDDDDDDD = HHHHHHHH" numbered 00..15 whose two forms agree, an
# empty line, "Printable:", then the printable characters.
for n in 1 2; do
    awk '
        function hex(h,    i, v) {
            v = 0
            for (i = 1; i <= length(h); ++i) v = v * 16 + index("0123456789ABCDEF", substr(h, i, 1)) - 1
            return v
        }
        NR <= 16 {
            well_formed = NF == 4 && $1 ~ /^[0-9][0-9]$/ && length($2) == 10 && $2 ~ /^[0-9]+$/ &&
                          $3 == "=" && length($4) == 8 && $4 ~ /^[0-9A-F]+$/ &&
                          $0 == $1 "  " $2 " = " $4
            if (!well_formed) { print "FAIL: line " NR ": " $0; bad = 1 }
            else if ($1 + 0 != NR - 1 || $2 + 0 != hex($4)) { print "FAIL: line " NR " disagrees: " $0; bad = 1 }
        }
        NR == 17 && $0 != "" { print "FAIL: no empty line after the values"; bad = 1 }
        NR == 18 && $0 != "Printable:" { print "FAIL: no Printable: line"; bad = 1 }
        END { if (NR < 18) { print "FAIL: only " NR " lines"; bad = 1 } exit bad }
    ' "$work/list$n.txt" || fail "list $n from the clipboard is malformed"
done
cmp -s "$work/list1.txt" "$work/list2.txt" && fail "the two lists are the same"
{
    printf 'Cumulated lists this session (save for proper format):  \n'
    printf '\n\nList #001:\n'
    cat "$work/list1.txt"
    printf '\n'
    printf '\n\nList #002:\n'
    cat "$work/list2.txt"
    printf '\n'
} >"$work/expected.txt"
if ! cmp "$work/expected.txt" "$saved"; then
    diff "$work/expected.txt" "$saved" | head -20
    fail "the saved file is not the header and the two copied lists"
fi
grep -q $'\r' "$saved" && fail "the saved file holds carriage returns"
echo "Lottavo: two lists generated, copied, cumulated and saved byte for byte ($saved)"
