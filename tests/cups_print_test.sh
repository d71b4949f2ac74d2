#!/usr/bin/env bash
# Prints the chart page through a real CUPS server: starts its own cupsd in a temporary folder
# with a cups-pdf queue as the default printer, prints chart 1 on it and checks the PDF that
# comes out (one landscape page with the form, the chart data and the society lines). The PDF
# and its text stay in the artefact folder. Needs root, to run cupsd and its PDF backend.
set -euo pipefail
tool="$1"
data="$2"
artifacts="${3:-$(pwd)/cups-artifacts}"
if [ "$(id -u)" != 0 ]; then
    echo "SKIP: the CUPS print test starts its own cupsd and must run as root"
    exit 77
fi
for need in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf \
    /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd; do
    [ -e "$need" ] || { echo "FAIL: $need missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
done
mkdir -p "$artifacts"

root=$(mktemp -d /tmp/velumbra-cups.XXXXXX)
instance="velumbra$$"
# cups-pdf reads the configuration of a queue named by its device URI from its own folder.
pdfconf="/etc/cups/cups-pdf-$instance.conf"
cupsd_pid=""
cleanup() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -f "$pdfconf"
    [ -n "${KEEP_CUPS_ROOT:-}" ] || rm -rf "$root"
}
trap cleanup EXIT
mkdir -p "$root"/{etc/ppd,log,cache,run,spool/tmp,out}
chmod 755 "$root" "$root"/*
chmod 1777 "$root/spool/tmp" "$root/out"
socket="$root/cups.sock"
cat >"$root/etc/cupsd.conf" <<CONF
Listen $socket
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
cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
CacheDir $root/cache
StateDir $root/run
RequestRoot $root/spool
TempDir $root/spool/tmp
ServerBin /usr/lib/cups
DataDir /usr/share/cups
SystemGroup root
Printcap $root/run/printcap
CONF
cat >"$pdfconf" <<CONF
Out $root/out
AnonDirName $root/out
UserPrefix
Label 0
CONF

/usr/sbin/cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER="$socket"
for _ in $(seq 50); do [ -S "$socket" ] && lpstat -r >/dev/null 2>&1 && break; sleep 0.2; done
lpstat -r || { echo "FAIL: cupsd did not start" >&2; cat "$root/log/error_log" >&2 || true; exit 1; }
lpadmin -p VelumbraPDF -E -v "cups-pdf:/$instance" -P /usr/share/ppd/cups-pdf/CUPS-PDF_noopt.ppd
lpadmin -d VelumbraPDF
# Cairo keeps the fonts' text in the PDF the queue writes, so pdftotext can read it back.
lpadmin -p VelumbraPDF -o pdftops-renderer-default=pdftocairo
lpstat -d

QT_QPA_PLATFORM=offscreen "$tool" "$data"

pdf=""
for _ in $(seq 150); do
    pdf=$(find "$root/out" -name '*.pdf' -size +1k | head -n 1)
    [ -n "$pdf" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && break
    sleep 0.2
done
cp "$root/log/error_log" "$artifacts/cups-error_log" 2>/dev/null || true
if [ -z "$pdf" ]; then
    echo "FAIL: no PDF came out of the cups-pdf queue" >&2
    tail -n 30 "$root/log/error_log" >&2 || true
    exit 1
fi
cp "$pdf" "$artifacts/cups-carta.pdf"
pdfinfo "$pdf" | tee "$artifacts/cups-carta-pdfinfo.txt"
pdftotext -layout "$pdf" "$artifacts/cups-carta.txt"
pdftoppm -r 60 -png -singlefile "$pdf" "$artifacts/cups-carta-page"

fail=0
grep -q '^Pages: *1$' "$artifacts/cups-carta-pdfinfo.txt" || { echo "FAIL: not one page" >&2; fail=1; }
# A landscape page: wider than high, or turned by 90 degrees, or, as CUPS puts a landscape
# document on the portrait sheets of the queue, its lines running up the sheet.
read -r w h rot < <(awk '/^Page size:/ { w = $3; h = $5 } /^Page rot:/ { r = $3 }
    END { print w, h, r + 0 }' "$artifacts/cups-carta-pdfinfo.txt")
pdftotext -bbox "$pdf" "$artifacts/cups-carta-bbox.html"
read -r tw th < <(sed -n 's/.*xMin="\([0-9.]*\)" yMin="\([0-9.]*\)" xMax="\([0-9.]*\)" yMax="\([0-9.]*\)">TALVIK<.*/\1 \2 \3 \4/p' \
    "$artifacts/cups-carta-bbox.html" | awk '{ print $3 - $1, $4 - $2 }')
if ! awk -v w="$w" -v h="$h" -v r="$rot" -v tw="${tw:-0}" -v th="${th:-0}" \
    'BEGIN { wide = (r % 180 == 0) ? w > h : h > w; exit !(wide || th > tw) }'; then
    echo "FAIL: the page is not landscape ($w x $h, rotated $rot, TALVIK ${tw} x ${th})" >&2
    fail=1
fi
echo "page $w x $h, rotated $rot; TALVIK box ${tw} x ${th}"
squeezed=$(tr -s ' ' <"$artifacts/cups-carta.txt")
for text in "FECHA:" "Centro de la carta (J2000)." "KELVARO" "SECCION DE METEOROS" \
    "Fecha de radiantes: 12 de Agosto"; do
    grep -qF "$text" <<<"$squeezed" || { echo "FAIL: '$text' not on the printed page" >&2; fail=1; }
done
exit "$fail"
