#!/usr/bin/env bash
# The built program in a real window under Xvfb, driven only as a student
# would drive it: typing into the start-up boxes, clicking buttons at their
# places in the window, typing into the answer box. The record files it
# leaves are then compared with what the instructor must find in them.
#
#   exam_walk.sh PROGRAM SOURCE_DIR CASE
#
# CASE "walk": the whole exam (six responses, a note, a line passed over
# without recording, "display notes", "display everything", "quit program").
# CASE "invalid-assignment": an assignment the program does not hold ends it
# and leaves no file.
#
# A failing case leaves a screenshot in the working directory.
set -euo pipefail

program=$1
source_dir=$2
case_name=$3
expected=$source_dir/tests/e2e/expected
log_dir=$PWD

tmp=$(mktemp -d /tmp/answerbook-e2e-XXXXXX)
drives=$tmp/drives
xvfb_pid=""
app_pid=""

cleanup() {
  local status=$?
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; wait "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$tmp"
  exit "$status"
}
trap cleanup EXIT
# A test stopped from outside still takes its display and program with it.
trap 'exit 143' TERM INT HUP

fail() {
  echo "FAIL ($case_name): $*" >&2
  local shot=$log_dir/e2e-$case_name-failure.png
  if [ -n "${DISPLAY:-}" ] && import -window root "$shot" 2>/dev/null; then
    echo "screenshot: $shot" >&2
  fi
  if [ -s "$tmp/xvfb.log" ]; then
    echo "--- the X server's output:" >&2
    cat "$tmp/xvfb.log" >&2
  fi
  if [ -s "$tmp/app.log" ]; then
    echo "--- the program's output:" >&2
    cat "$tmp/app.log" >&2
  fi
  exit 1
}

# Polls until a command succeeds: waits for conditions instead of guessing
# how long things take.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting for $what"
    sleep 0.05
  done
}

# --- a display of the test's own -------------------------------------------
# -noreset: by default the server resets whenever its last client leaves, and
# a client that connects during the reset (the program, while xdotool comes
# and goes) is turned away.
exec {display_fd}>"$tmp/display"
Xvfb -displayfd "$display_fd" -noreset -screen 0 1024x768x24 -dpi 96 -nolisten tcp >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
exec {display_fd}>&-
wait_for 20 "Xvfb" test -s "$tmp/display"
export DISPLAY=:$(tr -d '[:space:]' <"$tmp/display")
wait_for 20 "the display to take clients" xdpyinfo

# --- the program -------------------------------------------------------------
mkdir -m 700 "$tmp/runtime"
ANSWERBOOK_DRIVES=$drives XDG_RUNTIME_DIR=$tmp/runtime QT_QPA_PLATFORM=xcb \
  "$program" >"$tmp/app.log" 2>&1 &
app_pid=$!

running() { kill -0 "$app_pid" 2>/dev/null; }
visible() { { xdotool search --onlyvisible --name "$1" 2>/dev/null || true; } | head -n 1; }

# Waits for a new box (the boxes carry the program's name as their title)
# that has the keyboard focus, and prints its window.
last_box=""
next_box() {
  local box=""
  local deadline=$((SECONDS + 20))
  while :; do
    running || fail "the program ended while a box was awaited"
    box=$(visible '^answerbook$')
    if [ -n "$box" ] && [ "$box" != "$last_box" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$box" ]; then
      break
    fi
    [ "$SECONDS" -lt "$deadline" ] || fail "gave up waiting for a box"
    sleep 0.05
  done
  last_box=$box
}

answer_box() {
  next_box
  xdotool type --delay 8 -- "$1"
  xdotool key Return
}

ok_message() {
  next_box
  xdotool key Return
  wait_for 20 "the message box to close" test -z "$(visible '^answerbook$')"
}

# The centre of a control, in pixels inside the window, from its place in
# twips in the program's control table (15 twips to a pixel at 96 dpi).
centre_of() {
  local layout
  layout=$(grep -E "^ *\{\"$1\"," "$source_dir/src/window/control_table.h") || fail "no control $1"
  # {"name", Kind, "caption", left, top, width, height},
  local numbers
  numbers=$(sed -E 's/.*"[^"]*", *([0-9]+), *([0-9]+), *([0-9]+), *([0-9]+)\}.*/\1 \2 \3 \4/' <<<"$layout")
  read -r left top width height <<<"$numbers"
  echo "$(((left + width / 2) / 15)) $(((top + height / 2) / 15))"
}

click() {
  running || fail "the program ended before clicking $1"
  read -r x y <<<"$(centre_of "$1")"
  xdotool mousemove --window "$window" "$x" "$y" click 1
}

# Types into the answer box as a student does: clicks into it first. A line
# break is the Return key.
type_answer() {
  click txt_answer
  local first=1 line
  while IFS= read -r line; do
    [ "$first" -eq 1 ] || xdotool key Return
    first=0
    xdotool type --delay 8 -- "$line"
  done <<<"$1"
}

size_of() { stat -c %s "$1" 2>/dev/null || echo 0; }
grown() { [ "$(size_of "$1")" -gt "$2" ]; }

work=$drives/c/zelmwork
master=$work/masterFile_Ada_Lovelace_Byron.txt
notes=$work/notes_Ada_Lovelace_Byron.txt

# Records what the answer box holds and waits until the click is over: the
# master record file has grown.
record() {
  local before
  before=$(size_of "$master")
  click "$1"
  wait_for 20 "the entry in the master record file" grown "$master" "$before"
}

the_program_ends() {
  local deadline=$((SECONDS + 20))
  while running; do
    [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end"
    sleep 0.05
  done
  local status=0
  wait "$app_pid" || status=$?
  app_pid=""
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}

# The record file as the instructor reads it, with what changes from run to
# run masked: the code line, the problem order, dates and times. Every line
# must end in CR LF.
masked() {
  local file=$1
  [ -f "$file" ] || fail "no file $(basename "$file")"
  [ "$(tail -c 2 "$file" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "$(basename "$file") does not end in CR LF"
  if LC_ALL=C grep -qv $'\r$' "$file"; then fail "$(basename "$file") has a line not ended by CR LF"; fi
  LC_ALL=C sed -e 's/\r$//' "$file" |
    LC_ALL=C awk '/^Student Name:  / { held = "<code line>" }
                  NR > 1 { print held }
                  { held = $0 }
                  END { print held }' |
    LC_ALL=C sed -E -e 's/[0-9]{2}:[0-9]{2}:[0-9]{2}/hh:mm:ss/g' \
      -e 's/[0-9]{2}-[0-9]{2}-[0-9]{4}/mm-dd-yyyy/g' \
      -e 's/is ([A-F][1-4], ){5}[A-F][1-4]\.  Copy/is <problem order>.  Copy/'
}

same_as() {
  local file=$1 want=$2
  if ! diff -u "$want" <(masked "$file") >"$tmp/diff"; then
    cat "$tmp/diff" >&2
    fail "$(basename "$file") differs from $(basename "$want")"
  fi
}

# --- the four start-up boxes ----------------------------------------------------
answer_box 1
answer_box "Ada Lovelace Byron"
answer_box ALB

case $case_name in
  invalid-assignment)
    answer_box 7
    ok_message
    the_program_ends
    [ -z "$(find "$drives" -type f)" ] || fail "files were left behind: $(find "$drives" -type f)"
    echo "ok: an invalid assignment ended the program and left no file"
    exit 0
    ;;
  walk) answer_box 1 ;;
  *) fail "no such case" ;;
esac

wait_for 20 "the main window" test -n "$(visible '^Form1$')"
window=$(visible '^Form1$')

for problem in 1 2 3 4 5 6; do
  click cmdNextQuestion
  if [ "$problem" -eq 3 ]; then
    type_answer "Check the units in problem 3 again"
    before=$(size_of "$notes")
    record cmd_save_as_notes
    wait_for 20 "the notes file" grown "$notes" "$before"
  fi
  if [ "$problem" -eq 2 ]; then
    type_answer $'Answer to problem 2\nworked on paper, checked twice'
  else
    type_answer "Answer to problem $problem"
  fi
  record cmd_enter_response
done

# The closing line needs no answer: the student types a draft and moves on
# without recording it. The prompt text takes the draft's place, and the
# script has ended, which the program says in a message.
click cmdNextQuestion
type_answer "a draft I will not send"
click cmdNextQuestion
ok_message
# The answer box now holds exactly the prompt text: Enter Response records
# nothing (a draft or an empty response would show in the files).
click cmd_enter_response

click cmd_display_note_file
click cmd_displayCumulativeText
running || fail "the program ended before quit program"
click cmd_quit
the_program_ends

send_files=("$work"/send_*Ada_Lovelace_Byron.txt)
[ "${#send_files[@]}" -eq 1 ] && [ -f "${send_files[0]}" ] || fail "no single send record file"
send=${send_files[0]}
case "$(basename "$send")" in
  "send_$(date +%m%d)Ada_Lovelace_Byron.txt" | "send_$(date -d yesterday +%m%d)Ada_Lovelace_Byron.txt") ;;
  *) fail "the send record file is not named after today: $(basename "$send")" ;;
esac

same_as "$master" "$expected/masterFile.txt"
same_as "$send" "$expected/send.txt"
same_as "$notes" "$expected/notes.txt"
orders=$(LC_ALL=C grep -aoE 'is ([A-F][1-4], ){5}[A-F][1-4]\.' "$master" "$send" "$notes" | cut -d: -f2- | sort -u | wc -l)
[ "$orders" -eq 1 ] || fail "the problem order changed within the run"
[ "$(find "$drives" -type f | wc -l)" -eq 3 ] || fail "other files were made: $(find "$drives" -type f)"
echo "ok: the whole exam is in the record files"
