#!/usr/bin/env bash
# Prepares real printing for the test suite: a CUPS scheduler listening on
# loopback only, with a cups-pdf virtual printer as the default queue that
# writes every job to a PDF file under /var/spool/cups-pdf/<user>/.
# Needs root (the scheduler and the cups-pdf backend run as root). Safe to run
# again: a running scheduler is kept, the queue is re-created.
set -euo pipefail

queue=Quorvane-PDF
out_root=/var/spool/cups-pdf

if [ "$(id -u)" -ne 0 ]; then
  exec sudo "$0" "$@"
fi

# Loopback only: the scheduler must never listen on or browse a network.
conf=/etc/cups/cupsd.conf
if grep -Ev '^\s*Listen\s+(localhost:631|127\.0\.0\.1:631|\[::1\]:631|/\S+)\s*$' "$conf" |
  grep -Eq '^\s*(Port|Listen)\s'; then
  echo "print-setup: $conf listens beyond loopback; limiting it to loopback" >&2
  sed -i -E 's/^\s*(Port|Listen)\s.*$/# &/' "$conf"
  printf 'Listen localhost:631\nListen /run/cups/cups.sock\n' >>"$conf"
fi
sed -i -E 's/^\s*Browsing\s+(On|Yes)/Browsing No/I' "$conf"

# Each user's jobs in one known folder instead of a home directory.
sed -i -E "s|^\s*#?\s*Out\s.*$|Out $out_root/\${USER}|" /etc/cups/cups-pdf.conf
mkdir -p "$out_root" /run/cups

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  # Daemon mode: cupsd detaches once it listens.
  /usr/sbin/cupsd
  for _ in $(seq 1 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.2
  done
fi
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  echo "print-setup: the CUPS scheduler did not start" >&2
  exit 1
fi

ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
lpadmin -x "$queue" 2>/dev/null || true
lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd"
lpadmin -d "$queue"
cupsenable "$queue"
cupsaccept "$queue"
echo "print-setup: default printer $(lpstat -d | sed 's/.*: //'), PDFs in $out_root"
