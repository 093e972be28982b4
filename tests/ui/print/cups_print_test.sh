#!/usr/bin/env bash
# A real print job: starts a private CUPS server (its own configuration, spool and
# socket in a temporary folder, so the machine's own server and queues play no
# part), adds a cups-pdf queue as its default printer, lets the program print the
# day view of a project on it and looks for the day's figures in the PDF that
# cups-pdf writes. Stops the server and removes what it made.
# Exits 77 (skipped) with a message where the server cannot be started.
#   cups_print_test.sh PRINT_DAY_VIEW PROJECT
set -euo pipefail
driver="$1"
project="$2"

skip() {
  echo "skipped: $*"
  exit 77
}

[ "$(id -u)" -eq 0 ] || skip "starting cupsd with the cups-pdf backend needs root"
for tool in cupsd lpadmin lpstat cupsreject pdftotext; do
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (scripts/setup installs cups and poppler-utils)"
done
backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$backend" ] && [ -f "$ppd" ] || skip "printer-driver-cups-pdf is not installed"

# cups-pdf writes into the folder its configuration names, for root ${HOME}/PDF.
home="$(getent passwd "$(id -un)" | cut -d: -f6)"
out="$(sed -n 's/^[[:space:]]*Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)"
out="${out:-\${HOME\}/PDF}"
out="${out//\$\{HOME\}/$home}"

# A short path: the server's socket must fit into a socket address.
root="$(mktemp -d /tmp/kontaro-cups-XXXXXX)"
cupsd_pid=""
written=""
cleanup() {
  if [ -n "$cupsd_pid" ]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  [ -n "$written" ] && rm -f "$written"
  rm -rf "$root"
}
trap cleanup EXIT
# A test run stopped from outside still stops the server.
trap "exit 1" INT TERM

# The filters run as the user lp: they need to pass through the folder and write
# their temporary files.
chmod 755 "$root"
mkdir -p "$root/spool" "$root/cache" "$root/state" "$root/log" "$root/ppd"
install -d -m 1777 "$root/tmp"
cat >"$root/cups-files.conf" <<CONF
ServerRoot $root
RequestRoot $root/spool
TempDir $root/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
Printcap $root/printcap
CONF
cat >"$root/cupsd.conf" <<CONF
Listen $root/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

# cups-pdf names its file after the job's number: a number of this run's own keeps
# another run's file apart from ours.
first_job=$(( (RANDOM << 8 | $$ % 256) % 900000 + 1000 ))
printf '# Job cache file for CUPS\nNextJobId %d\n' "$first_job" >"$root/cache/job.cache"

cupsd -f -c "$root/cupsd.conf" -s "$root/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
cupsd_pid=$!
for _ in $(seq 1 100); do
  [ -S "$root/cups.sock" ] && break
  kill -0 "$cupsd_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -S "$root/cups.sock" ]; then
  tail -n 5 "$root/log/cupsd.out" "$root/log/error_log" 2>/dev/null || true
  skip "cupsd could not be started"
fi

export CUPS_SERVER="$root/cups.sock"
unset PRINTER LPDEST
queue=KontaroPDF
# lpadmin warns that printer drivers are deprecated; cups-pdf comes with one.
# The PDF of a job passes PostScript on its way to cups-pdf; pdftocairo's
# PostScript keeps the fonts' text, so that pdftotext reads the page back.
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo 2>/dev/null
lpadmin -d "$queue"
lpstat -d | grep -q "$queue" || { echo "the queue $queue is not the default printer" >&2; exit 1; }

mkdir -p "$out"
"$driver" "$project" >"$root/figures.txt"
[ -s "$root/figures.txt" ] || { echo "the program wrote no figures" >&2; exit 1; }

# One job, and it completes; then its PDF appears in cups-pdf's folder.
for _ in $(seq 1 120); do
  lpstat -W completed -o "$queue" 2>/dev/null | grep -q . && break
  sleep 0.5
done
jobs="$(lpstat -W completed -o "$queue" | wc -l)"
if [ "$jobs" -ne 1 ]; then
  echo "expected one completed job, found $jobs" >&2
  lpstat -W all -o "$queue" >&2 || true
  tail -n 30 "$root/log/error_log" >&2
  exit 1
fi
job="$(lpstat -W completed -o "$queue" | sed -n "s/^$queue-\([0-9]*\) .*/\1/p")"
[ "$job" -ge "$first_job" ] || { echo "the job's number $job is not this server's" >&2; exit 1; }
for _ in $(seq 1 60); do
  written="$(find "$out" -maxdepth 1 -name "*-job_$job.pdf" | head -n 1)"
  [ -n "$written" ] && break
  sleep 0.5
done
if [ -z "$written" ]; then
  echo "no PDF of the job in $out" >&2
  tail -n 30 "$root/log/error_log" >&2
  exit 1
fi

# Each row's figures, in their order on one line of the page.
pdftotext -layout "$written" - | tr -s ' ' >"$root/printed.txt"
missing=0
while IFS= read -r figures; do
  if ! grep -qF -- "$figures" "$root/printed.txt"; then
    echo "not printed: $figures" >&2
    missing=1
  fi
done <"$root/figures.txt"
if [ "$missing" -ne 0 ]; then
  echo "--- the printed page:" >&2
  cat "$root/printed.txt" >&2
  exit 1
fi
echo "printed the $(wc -l <"$root/figures.txt") rows of the day on $queue: $written"

# A queue that refuses jobs: the program says so with the printing system's reason
# and reports no success.
cupsreject "$queue"
if "$driver" "$project" >/dev/null 2>"$root/refused.txt"; then
  echo "a refused job was taken for printed" >&2
  exit 1
fi
if ! grep -q "abgelehnt" "$root/refused.txt" || ! grep -qi "accepting" "$root/refused.txt"; then
  echo "the refusal was not shown with its reason:" >&2
  cat "$root/refused.txt" >&2
  exit 1
fi
echo "a refused job is shown as: $(grep -A1 abgelehnt "$root/refused.txt" | tr '\n' ' ')"
