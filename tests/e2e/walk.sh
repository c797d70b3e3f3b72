#!/usr/bin/env bash
# walk.sh BIN OUT: the whole program walked through as a user would. Starts BIN/dravel.exe under
# wine (WINEPREFIX and DISPLAY from the caller) with the journaling stand-ins and a table file of
# three tables, drives it with xdotool only (mouse, keys, context menu), reads what it shows
# from outside (dravel-probe and screenshots, kept in OUT), and checks the exit status and the
# plug-in calls in order.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
bin=$(cd "$1" && pwd)
out=$2
rm -rf "$out"
mkdir -p "$out/work/configs"
cd "$out/work"
export WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= LC_ALL=C
export DRAVEL_STANDIN_JOURNAL=journal.txt
unset DRAVEL_STANDIN_FAIL

# Positions and table numbers differ in the last two rows, so "Open" (the position) and the
# double-click (the table number) on the same row open different tables. The stand-in takes
# every number it is given as a position.
printf '[table_00]\r\nname=Alpha\r\n[table_02]\r\nname=Beta\r\n[table_01]\r\nname=Gamma\r\n' \
  >configs/lorvane.ini

shots=0
fail() {
  echo "walk: FAILED: $*" >&2
  shot failure || true
  exit 1
}
step() { echo "walk: $*"; }
shot() {
  shots=$((shots + 1))
  import -window root "$out/$(printf %02d "$shots")-$1.png"
}
probe() { wine "$bin/dravel-probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# The rows as "text=number" words, in list order.
rows() { probe rows | awk -F'\t' '{ printf "%s%s=%s", (NR > 1 ? " " : ""), $2, $3 }'; }
row_point() { probe rows | awk -F'\t' -v row="$1" '$1 == row { sub(",", " ", $5); print $5 }'; }
# until SECONDS COMMAND...: waits for COMMAND to succeed, polling.
until_true() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}
rows_are() { [ "$(rows)" = "$1" ]; }
expect_rows() { until_true "${2:-3}" rows_are "$1" || fail "rows are '$(rows)', expected '$1'"; }
has_window() { probe windows | grep -qx -- "$1"; }
menu_open() { probe menu >/dev/null; }

# The states of the open pop-up menu's four items, read from a screenshot of its inside once the
# menu has drawn them all.
menu_states() {
  local left top width height states deadline=$((SECONDS + 3))
  until_true 3 menu_open || fail "no pop-up menu opened"
  while :; do
    read -r left top width height < <(probe menu)
    states=$(import -window root -crop "$((width - 6))x$((height - 6))+$((left + 3))+$((top + 3))" \
      +repage -type TrueColor -depth 8 txt:- | awk -f "$here/menu_states.awk")
    [ "$(wc -w <<<"$states")" -ne 4 ] && [ $SECONDS -lt $deadline ] || break
    sleep 0.2
  done
  echo "$states"
}
expect_menu() {
  local states
  states=$(menu_states)
  [ "$states" = "$1" ] || fail "pop-up items are '$states', expected '$1' (New, Open, Rename, Remove)"
}
click_row() { # click_row ROW BUTTON [REPEAT]
  local x y
  read -r x y < <(row_point "$1") || true
  [ -n "$x" ] || fail "no row $1"
  xdotool mousemove "$x" "$y" click --repeat "${3:-1}" --delay 120 "$2"
}

step "start with three tables"
wine "$bin/dravel.exe" &
program=$!
# A walk that stops early ends the program it started.
trap 'kill "$program" 2>/dev/null || true' EXIT
until_true 30 has_window "ZUVEN - TARRO - Table List" || fail "the window did not appear"
expect_rows "Alpha=0 Beta=2 Gamma=1" 10
shot started

step "pop-up at an entry: New disabled, the rest enabled"
click_row 1 3
expect_menu "disabled enabled enabled enabled"
shot popup-at-entry
xdotool key Escape

step "pop-up on empty space: New enabled, the rest disabled"
read -r x y < <(row_point 2) || fail "no row 2"
xdotool mousemove "$x" $((y + 60)) click 3
expect_menu "enabled disabled disabled disabled"
shot popup-on-empty-space
xdotool key Escape

step "pop-up from the keyboard at the selected entry, then Open"
click_row 2 1
xdotool key shift+F10
expect_menu "disabled enabled enabled enabled"
xdotool key o
until_true 3 has_window "Table table_01" || fail "Open on position 2 did not show table_01"

step "double-click on the same row opens by its table number"
click_row 2 1 2
until_true 3 has_window "Table table_02" || fail "the double-click with 1 did not show table_02"
shot opened

step "rename in place with F2; the name stays after the next refresh"
click_row 1 1
xdotool key F2
sleep 0.5
xdotool type --delay 50 "Feed"
xdotool key Return
expect_rows "Alpha=0 Feed=2 Gamma=1"
sleep 1.5
expect_rows "Alpha=0 Feed=2 Gamma=1"
grep -q '^name=Feed' configs/lorvane.ini || fail "the table file does not hold the new name"
shot renamed

step "a rename emptied and then cancelled with Escape changes nothing"
xdotool key F2
sleep 0.5
xdotool key BackSpace Escape
sleep 0.5
expect_rows "Alpha=0 Feed=2 Gamma=1"

step "Table > New... appends a row within two seconds"
xdotool key alt+t n
expect_rows "Alpha=0 Feed=2 Gamma=1 Table 03=3" 2
shot created

step "pop-up Remove takes the first row for good"
click_row 0 3
expect_menu "disabled enabled enabled enabled"
xdotool key e
expect_rows "Feed=2 Gamma=1 Table 03=3" 1
sleep 1.5
expect_rows "Feed=2 Gamma=1 Table 03=3"
! grep -q 'table_00' configs/lorvane.ini || fail "table_00 is still in the table file"
shot removed

step "Manager > Open... shows the setup window; Manager > Close closes the table windows"
xdotool key alt+m o
until_true 3 has_window "Motor driver setup" || fail "no setup window"
shot setup
xdotool key alt+m c
until_true 3 bash -c "! wine '$bin/dravel-probe.exe' windows 2>/dev/null | grep -q '^Table '" ||
  fail "table windows still open"

step "close the window"
xdotool key alt+F4
status=0
wait "$program" || status=$?
trap - EXIT
[ "$status" -eq 0 ] || fail "exit status $status"

expected='InitPlugin()
ShowTableWindow(2)
ShowTableWindow(1)
ShowTableWindow(1)
SaveTableSettings(1, "Feed")
ShowTableWindow(-1)
ShowTableWindow(0)
RemoveTable(0)
ShowSetupWin()
Exit()
CloseTableWin()
CloseSetupWin()'
journal=$(cat journal.txt)
if [ "$journal" != "$expected" ]; then
  diff <(echo "$expected") <(echo "$journal") >&2 || true
  fail "the plug-in calls differ"
fi
step "passed; screenshots in $out"
