#!/bin/sh
# Writes mt.dat, Tallyra's sample results data file: Windows-1252 text with CR LF line ends,
# version 1.4, a few students and questionnaires with their question entries.
# Usage: make-sample.sh [OUTPUT]   (default: mt.dat beside this script)
set -eu
out=${1:-$(dirname "$0")/mt.dat}

# record NAME TYPE QUIZ SCORE TAKEN_AT LIMITED LIMIT RANDOM REVERSE, then entries read by question
record() {
  printf '%s\n' "$1" " $2" "$3" "" " $4" "$5" " $6" " $7" " $8" " $9"
}
# question THEME TITLE TEXT EXPECTED GIVEN SCORE START END (one answer pair, four empty ones)
question() {
  printf '%s\n' "$1" "$2" "$3" "$4" "$5" "" "" "" "" "" "" "" "" " $6" "$7" "$8"
}
last_index() { printf ' %s\n' "$1"; }

{
  echo "1.4"
  record "Jérôme Dupont" 0 "Code des couleurs" 75 "12/05/2004 14:30:00" 1 600 1 0
  last_index 1
  question "Résistances" "Quelle est la couleur du chiffre 4 ?" "Bande 1" "Jaune" "Jaune" 1 "14:30:05" "14:30:20"
  question "Résistances" "Quelle est la couleur du multiplicateur 10 ?" "Bande 3" "Marron" "Rouge" 0 "14:30:21" "14:31:02"

  record "Zoé Lefèvre" 2 "Loi d'Ohm" 100 "13/05/2004 09:15:42" 0 0 0 0
  last_index 0
  question "Électricité" "U = R × I ?" "Vrai ou faux" "Vrai" "Vrai" 1 "09:15:45" "09:15:58"

  record "JÉRÔME DUPONT" 2 "Loi d'Ohm" 50 "13/05/2004 10:02:11" 0 0 1 1
  last_index 0
  question "Électricité" "{\\rtf1\\ansi La puissance vaut P = U × I.}" "Vrai ou faux" "Vrai" "" 0 "10:02:15" "10:02:40"

  record "François Bœuf" 1 "Géographie : capitales" 85 "14/05/2004 16:45:00" 1 300 0 0
  last_index 2
  question "Europe" "Capitale de la Belgique ?" "" "Bruxelles" "Bruxelles" 1 "16:45:03" "16:45:15"
  question "Europe" "Capitale de l'Autriche ?" "" "Vienne" "Vienne" 1 "16:45:16" "16:45:30"
  question "Amérique" "Capitale du Québec ?" "" "Québec" "Montréal" 0 "16:45:31" "16:46:02"

  record "Zoé Lefèvre" 0 "Code des couleurs" 90 "14/05/2004 17:20:30" 1 600 1 0
  last_index 0
  question "Résistances" "Quelle est la couleur du chiffre 7 ?" "Bande 2" "Violet" "Violet" 1 "17:20:35" "17:20:50"

  record "François Bœuf" 0 "Code des couleurs" 40 "15/05/2004 08:05:12" 1 600 1 0
  last_index 0
  question "Résistances" "Quelle est la couleur de la tolérance 5 % ?" "Bande 4" "Or" "Argent" 0 "08:05:20" "08:06:01"
} | iconv -f UTF-8 -t WINDOWS-1252 | sed 's/$/\r/' > "$out"
