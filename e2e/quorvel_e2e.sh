#!/usr/bin/env bash
# quorvel_e2e.sh <install prefix> <screenshot folder> <screen_probe> <device pixel ratio 1|2>
#
# Quorvel as a child uses it, on its own X server: clicks the younger band and presses Enter
# to start; answers 2 X 1 wrongly first and closes the "Try Again!" box, then answers all 20
# questions of the band in their order (2 X 1 .. 2 X 5, 3 X 1, .. 5 X 5) with products worked
# out here; selects the result window's message and copies it, checks it against the time this
# script measured; presses Exit, confirms, and sees the splash end the program about six
# seconds later. Every window must have its size in twips (15 to a device-independent pixel),
# at ratio 2 on twice as many screen pixels.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh" "$@"
name=quorvel-ratio$scale

start_x_server 1280x1024 "$SHOTS/$name-xvfb.log"

# px <twips>: screen pixels for a length in twips, 15 twips to the device-independent pixel
# rounded to the nearest, and each of those covering <ratio> screen pixels.
px() { echo $((scale * ((2 * $1 + 15) / 30))); }

# expect_size <window id> <what> <width in twips> <height in twips>
expect_size() {
    local width height
    read -r width height < <(window_size "$1")
    [[ $width -eq $(px "$3") && $height -eq $(px "$4") ]] ||
        fail "the $2 is ${width}x$height pixels, expected $(px "$3")x$(px "$4")"
}

start_program quorvel
grade_window=$(wait_for_window '^Quorvel$' 60)
expect_size "$grade_window" "grade window" 5070 2295

note "choosing the younger band with the mouse, Start with Enter"
# The option "1st - 3rd Grade": its frame at 240,240 twips, the option at 360,360 inside it.
click "$grade_window" "$(px 900)" "$(px 840)"
started=$(date +%s.%N)
press Return
question_window=$(wait_for_window '^Quorvel$' 30 "$grade_window")
expect_size "$question_window" "question window" 5880 4800
wait_until_gone "$grade_window" 30
focus "$question_window"
screenshot "$question_window" "$name-question" >/dev/null

note "a wrong answer first"
type_text 7
press Return
try_again=$(wait_for_window '^Quorvel$' 30 "$grade_window" "$question_window")
screenshot "$try_again" "$name-try-again" >/dev/null
press Return
wait_until_gone "$try_again" 30
focus "$question_window"

note "answering the 20 questions"
for a in 2 3 4 5; do
    for b in 1 2 3 4 5; do
        type_text $((a * b))
        press Return
    done
done
result_window=$(wait_for_window '^Quorvel$' 30 "$grade_window" "$question_window" "$try_again")
finished=$(date +%s.%N)
expect_size "$result_window" "result window" 5580 2520
wait_until_gone "$question_window" 30
focus "$result_window"

note "selecting and copying the time message"
# The message is centred on 2760 twips, its first line at 240 twips from the top.
click "$result_window" "$(px 2760)" "$(px 330)"
message=$(copy_to_clipboard ctrl+a ctrl+c | tr -d '\r')
screenshot "$result_window" "$name-result" >/dev/null
printf 'message: %s\n' "$message"
first_line=$(head -n1 <<<"$message")
second_line=$(sed -n 2p <<<"$message")
[[ $second_line == "to complete your multiplication table." ]] ||
    fail "the message's second line is '$second_line'"
[[ $first_line =~ ^It\ took\ you\ ([0-9]+)\ (minutes?)\ and\ ([0-9]+)\ (seconds?)$ ]] ||
    fail "the message's first line is '$first_line'"
minutes=${BASH_REMATCH[1]}
seconds=${BASH_REMATCH[3]}
[[ ${BASH_REMATCH[2]} == $( ((minutes == 1)) && echo minute || echo minutes) ]] ||
    fail "'${BASH_REMATCH[2]}' after $minutes"
[[ ${BASH_REMATCH[4]} == $( ((seconds == 1)) && echo second || echo seconds) ]] ||
    fail "'${BASH_REMATCH[4]}' after $seconds"
# The drill timed the run from Start to the result window; this script from just before the
# Enter that started it to just after that window showed.
awk -v m="$minutes" -v s="$seconds" -v from="$started" -v to="$finished" 'BEGIN {
    reported = 60 * m + s; measured = to - from
    if (reported > measured + 1 || reported < measured - 3) {
        printf "FAIL: the message reports %d s, the run took %.1f s\n", reported, measured
        exit 1
    }
    printf "reported %d s for a run of at most %.1f s\n", reported, measured
}' || fail "the time message is wrong"

note "Exit, confirmed with Enter"
# The Exit button at 3000,1680 twips, 1575 x 615.
click "$result_window" "$(px 3787)" "$(px 1987)"
confirm_box=$(wait_for_window '^Quorvel$' 30 "$grade_window" "$question_window" "$try_again" \
    "$result_window")
screenshot "$confirm_box" "$name-exit-question" >/dev/null
press Return
confirmed=$SECONDS

# The splash has no title: it is the program's window of its size.
splash=
deadline=$((SECONDS + 30))
while [[ -z $splash ]]; do
    for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null || true); do
        [[ $(window_size "$id") == "$(px 7320) $(px 4245)" ]] && splash=$id
    done
    [[ -n $splash ]] && break
    program_running || fail "the program ended without showing the splash"
    ((SECONDS < deadline)) || fail "no splash after Exit was confirmed"
    sleep "$E2E_STEP"
done
screenshot "$splash" "$name-splash" >/dev/null
wait_for_program_exit 30
((program_status == 0)) || fail "Quorvel ended with status $program_status"
stood=$((SECONDS - confirmed))
((stood >= 5 && stood <= 15)) || fail "the splash stood for about $stood s, not six"
echo "Quorvel at ratio $scale: 20 questions, result '$first_line', splash for about $stood s"
