#!/bin/bash
# Replays five everyday situations of the main window under Xvfb with twm and takes screenshots:
# start values kept after a click into the editor, a new model runs with the shown values, a
# faulty line runs nothing, a single step after a grid edit starts at 1, closing a changed model
# asks Ja/Nein/Abbrechen. For looking at, not a test: the pauses are for the eye.
bin=$1; out=$2; dn=$3
# usage: scripts/vorfuehren.sh PROGRAM OUTDIR DISPLAYNUMBER   (needs xvfb twm xdotool imagemagick)
mkdir -p "$out"
export DISPLAY=:$dn
Xvfb :$dn -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
sleep 1
twm >/dev/null 2>&1 & tpid=$!
sleep 0.5
shot() { sleep 0.8; import -window root PNG24:"$out/$1.png"; }
k() { xdotool key --delay 60 "$@"; sleep 0.3; }
t() { xdotool type --delay 40 "$1"; sleep 0.2; }
c() { xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
start() {
  tmp=$(mktemp -d); cd "$tmp"
  "$bin" >/dev/null 2>&1 & qpid=$!
  sleep 2
  w=$(xdotool search --name '^Quintor' | head -1)
  xdotool windowmove "$w" 192 120; sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$w")"
  OX=$X; OY=$Y
}
stop() { kill $qpid 2>/dev/null; wait $qpid 2>/dev/null; }
# window-relative positions (client area origin = OX,OY)
ed() { c 380 400; }
zelle() { c 693 $((263+20*$1)); }
iteration() { c 634 557; }
einzel() { c 702 517; }
wiederhole() { xdotool mousemove 335 231 click --repeat 3 1; sleep 0.2; k ctrl+a; t "$1"; }
wert() { zelle $1; t "$2"; k Return; }
modell() { ed; k ctrl+a; k BackSpace; t "$1"; k Return; t "$2"; }

# 1: values stay after a click into the editor and back
start
modell "X:=X+V*DT" "V:=V-X*DT"
wert 1 1; wert 2 0; wert 3 0,1; shot 1a-werte-getippt
ed; zelle 1; shot 1b-editor-und-zurueck
stop

# 2: New + new model: the run uses the shown values
start
wiederhole 3
modell "N:=N+1" "M:=M+2"
wert 1 100; wert 2 34; iteration; sleep 2
k ctrl+Escape
c 218 170; k n  # Datei > Neu
sleep 0.5; shot 2a-neu-frage; k n; sleep 0.8
modell "N:=N+1" "M:=M+2"
shot 2b-neues-modell; iteration; sleep 3; shot 2c-nach-iteration
stop

# 3: failed scan: no run, the message again, cursor on the faulty line
start
modell "X:=X+1" "Y:=X"
zelle 1; wert 1 5; ed; k ctrl+End; k End; k Return; t "Z=X"; zelle 1; shot 3a-scanfehler; k Return; sleep 0.5
iteration; sleep 2; shot 3b-iteration-nach-fehler; k Return; sleep 1; shot 3c-danach
stop

# 4: single step after a grid edit
start
modell "X:=X+1" "Y:=X*2"
wert 1 0; for i in 1 2 3 4 5; do einzel; done; shot 4a-fuenf-schritte
wert 1 10; einzel; shot 4b-einzelschritt-nach-aenderung
stop

# 5: a saved model, then only a start value changed: closing asks Ja / Nein / Abbrechen
start
modell "X:=X+1" "Y:=X*2"
zelle 1; c 218 170; k u; sleep 1; t "$tmp/wachstum.sim"; k Return; sleep 1
wert 1 5; shot 5a-startwert-geaendert
c 218 170; k b; sleep 1; shot 5b-beenden
k Escape; sleep 1; shot 5c-nach-abbrechen
stop

kill $tpid $xpid 2>/dev/null
