# A private Xvfb display for a test run. Source it, then `xvfb_start DIR`: DISPLAY and
# XVFB_PID are set, and DIR/display holds the number.
#
# Xvfb picks the first free number itself (-displayfd) and writes it once it accepts
# connections. A number chosen here instead could be taken by another run at the same moment;
# the second server then takes seconds to give up, and both runs share one display.
xvfb_start() {
  local file=$1/display end=$((SECONDS + 10))
  mkdir -p "$1"
  rm -f "$file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  while [ ! -s "$file" ]; do
    if [ $SECONDS -ge $end ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
      echo "no X display" >&2
      return 1
    fi
    sleep 0.05
  done
  export DISPLAY=":$(tr -d '\n' <"$file")"
}
