#!/usr/bin/env bash
# A user in Germany takes two holidays from the German set of the Holidays
# page, imports a birthday from an iCalendar file, and prints May 2027: the
# printed page shows Ascension on 6 May, Whit Monday on 17 May and the
# birthday on 20 May with the years since the birth.
source "$(dirname "$0")/lib.bash" "$1"
shots=${ALMANARK_SHOTS:-$WORK}
print_job holidays

start_program
sleep 1
open_insert_date Feiertage
# The Holidays tab; Alt+S and G choose the set "Germany".
xdotool mousemove --window "$dlg" 194 45 click 1
sleep 0.3
xdotool key alt+s g
sleep 0.5
# Line 10 is Christi Himmelfahrt (EASTER+39): Apply; line 12 Pfingstmontag (EASTER+50): OK.
xdotool mousemove --window "$dlg" 39 86 click 1
for _ in $(seq 10); do xdotool key Down; done
sleep 0.3
screenshot "$shots/german-set.png"
xdotool mousemove --window "$dlg" 242 294 click 1
sleep 1
xdotool mousemove --window "$dlg" 39 86 click 1
for _ in $(seq 12); do xdotool key Down; done
sleep 0.6
xdotool key Return
eventually 10 gone '^Insert Date$' || fail "the Insert Date dialog did not close on Enter"
expected=$'[Events]\n0=EASTER+39;Christi Himmelfahrt\n1=EASTER+50;Pfingstmontag'
holds() { [ "$(tr -d '\r' 2>/dev/null <Feiertage.evn)" = "$1" ]; }
eventually 10 holds "$expected" ||
    { cat Feiertage.evn 2>/dev/null || true; screenshot "$shots/noholidays.png"; fail "Feiertage.evn does not hold the two holidays"; }
# The set chosen last is kept for the next start.
[ "$(ini_value Almanark 'Holiday Set')" = Germany ] || fail "Almanark.ini does not keep the German set"

# File > Import Events with a birthdays calendar.
printf '%s\r\n' BEGIN:VCALENDAR VERSION:2.0 BEGIN:VEVENT 'DTSTART;VALUE=DATE:19410520' \
    RRULE:FREQ=YEARLY SUMMARY:Oma CATEGORIES:BIRTHDAY END:VEVENT END:VCALENDAR >"$WORK/Geburtstage.ics"
press "$frame" alt+f
sleep 0.5
xdotool key e
open=$(wait_window '^Open$' 20) || { screenshot "$shots/noopen.png"; fail "no file dialog"; }
sleep 0.5
xdotool type --delay 30 "Z:${WORK//\//\\}\\Geburtstage.ics"
xdotool key Return
box=$(wait_window '^Almanark$' 20) || { screenshot "$shots/nomessage.png"; fail "no message after the import"; }
sleep 0.5
screenshot "$shots/imported.png"
xdotool key Return
eventually 10 holds "$expected"$'\n2=May 20 *1941;Oma' || { cat Feiertage.evn; fail "the birthday was not added"; }

# May 2027 on the Calendar page: the month list from January, the year list from 1970.
press "$frame" alt+c
sleep 0.5
xdotool key Home Down Down Down Down Tab Home
for _ in $(seq 57); do xdotool key Down; done
sleep 1
screenshot "$shots/may2027.png"
# Saved under this run's name, so that the printed job carries it.
press "$frame" ctrl+s
save=$(wait_window '^Save As$' 20) || { screenshot "$shots/nosave.png"; fail "no Save As dialog"; }
sleep 0.5
xdotool type --delay 30 "$job"
xdotool key Return
wait_window "^$job" 20 >/dev/null || { screenshot "$shots/notsaved.png"; fail "the calendar was not saved"; }
open_print_dialog
xdotool key Return
pdf=$(wait_pdf "$job*.pdf" "$WORK/started") || fail "no printed page"

# Each caption in the box of its day: the column of its weekday, below
# that day's number and above the number of the same weekday a week later.
pdftotext -bbox "$pdf" "$WORK/words.html"
check() { # caption-word weekday day
    awk -v word="$1" -v weekday="$2" -v day="$3" '
        match($0, /xMin="[0-9.]+" yMin="[0-9.]+" xMax="[0-9.]+" yMax="[0-9.]+">[^<]*</) {
            split(substr($0, RSTART, RLENGTH), f, "\"")
            sub(/^>/, "", f[9]); sub(/<$/, "", f[9])
            x = (f[2] + f[6]) / 2; y = f[4]
            if (f[9] == weekday) wx = x
            if (f[9] ~ /day$/) hx[++n] = x
            if (f[9] == word) { cx = x; cy = y }
            if (f[9] == day) { dx[++nd] = x; dy[nd] = y }
            if (f[9] == day + 7) { nx[++nn] = x; ny[nn] = y }
        }
        END {
            if (cx == "") { print "no " word; exit 1 }
            half = 1e9
            for (i = 1; i <= n; i++) if (hx[i] != wx && (d = hx[i] - wx) * d < half * half) half = (d < 0 ? -d : d) / 2
            if ((cx - wx) * (cx - wx) > half * half) { print word " is not under " weekday; exit 1 }
            for (i = 1; i <= nd; i++) if ((dx[i] - wx) * (dx[i] - wx) <= half * half) top = dy[i]
            for (i = 1; i <= nn; i++) if ((nx[i] - wx) * (nx[i] - wx) <= half * half) bottom = ny[i]
            if (top == "" || bottom == "" || cy <= top || cy >= bottom) { print word " is not in the box of " day; exit 1 }
        }' "$WORK/words.html"
}
text=$(pdftotext -layout "$pdf" - 2>/dev/null)
grep -q "May 2027" <<<"$text" || { echo "$text"; fail "not the page of May 2027"; }
check Himmelfahrt Thursday 6 || { echo "$text"; fail "Christi Himmelfahrt is not on 6 May"; }
check Pfingstmontag Monday 17 || { echo "$text"; fail "Pfingstmontag is not on 17 May"; }
check "(86)" Thursday 20 || { echo "$text"; fail "the birthday with its years is not on 20 May"; }
grep -q "Oma (86)" <<<"$text" || { echo "$text"; fail "the birthday caption is not Oma (86)"; }
echo "holiday_sets: ok"
