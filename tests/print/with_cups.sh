#!/usr/bin/env bash
# Runs a command against a print service of its own: a private cupsd with one
# raw queue whose backend (keep_backend.sh) keeps every job's data as it came.
#
#   tests/print/with_cups.sh JOBDIR -- COMMAND [ARGS...]
#
# JOBDIR is made when missing and emptied of the jobs of an earlier run. It
# receives job-ID.pdf, the data of each job exactly as the client sent it (Qt
# sends PDF), and job-ID.info (user, title, copies, options); the .pdf appears
# whole, once the job is done. COMMAND runs with:
#   CUPS_SERVER               the cupsd's socket, so libcups and Qt's print
#                             support see this queue and no other
#   BLOWCOUNT_TEST_PRINTER    the queue's name; it is also the default
#                             destination (and PRINTER, LPDEST), so a print
#                             dialog opens on it
#   BLOWCOUNT_TEST_PRINT_JOBS JOBDIR as an absolute path
# print_jobs.h reads these and waits for a job to land. A test of the window's
# print buttons is registered the same way as cups_print_test (CMakeLists.txt
# here): COMMAND bash with_cups.sh JOBDIR -- $<TARGET_FILE:the_test>, with
# SKIP_RETURN_CODE 77.
#
# The script ends with COMMAND's exit status. It exits 77 (a skip for CTest's
# SKIP_RETURN_CODE) when it cannot run here: not root, or cupsd, lpadmin or
# lpstat missing. cupsd runs as root with its configuration, spool, logs and
# programs in a temporary folder, listening only on a socket there, sharing and
# browsing nothing; it is stopped and the folder removed when the script ends,
# and when the script is killed. On a failure cupsd's error log is shown.
set -euo pipefail

readonly SKIP=77
readonly QUEUE=blowcount-test

usage() { echo "usage: $0 JOBDIR -- COMMAND [ARGS...]" >&2; exit 2; }
[ $# -ge 3 ] && [ "$2" = "--" ] || usage
jobdir=$1
shift 2

if [ "$(id -u)" -ne 0 ]; then
  echo "with_cups: skipped: cupsd must be started as root" >&2
  exit $SKIP
fi
PATH=$PATH:/usr/sbin:/sbin
for tool in cupsd lpadmin lpstat; do
  if ! command -v "$tool" >/dev/null; then
    echo "with_cups: skipped: $tool is not installed (package cups)" >&2
    exit $SKIP
  fi
done

mkdir -p "$jobdir"
jobdir=$(cd "$jobdir" && pwd)
# Job ids start at 1 with every cupsd: jobs kept by an earlier run would pass
# for new ones.
rm -f "$jobdir"/job-*.pdf "$jobdir"/job-*.info "$jobdir"/.job-*.part
here=$(cd "$(dirname "$0")" && pwd)
system_bin=/usr/lib/cups

# Short, so that the socket path fits a sockaddr_un.
root=$(mktemp -d /tmp/blowcount-cups.XXXXXX)
chmod 755 "$root"
cupsd_pid=

stop() {
  local status=$?
  if [ -n "$cupsd_pid" ] && kill -0 "$cupsd_pid" 2>/dev/null; then
    kill "$cupsd_pid" 2>/dev/null || true
    for _ in $(seq 50); do kill -0 "$cupsd_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  if [ "$status" -ne 0 ] && [ "$status" -ne $SKIP ] && [ -s "$root/log/error_log" ]; then
    echo "with_cups: exit status $status; cupsd's error_log:" >&2
    tail -n 40 "$root/log/error_log" >&2
  fi
  rm -rf "$root"
  exit "$status"
}
trap stop EXIT
trap 'exit 130' INT TERM

mkdir -p "$root/etc/ppd" "$root/spool/tmp" "$root/log" "$root/cache" "$root/state" "$root/bin/backend"
# cupsd's programs: the system's, with our backend as the only one.
for sub in "$system_bin"/*; do
  name=$(basename "$sub")
  [ "$name" = backend ] || ln -s "$sub" "$root/bin/$name"
done
# Owned by root and readable by root only: cupsd then runs it as root, so it
# can write into any JOBDIR.
install -m 700 "$here/keep_backend.sh" "$root/bin/backend/keep"

socket=$root/cupsd.sock
cat > "$root/etc/cupsd.conf" <<CONF
LogLevel warn
MaxLogSize 0
Listen $socket
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
PreserveJobHistory No
PreserveJobFiles No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat > "$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
ServerBin $root/bin
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
FileDevice No
CONF

cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" >"$root/log/cupsd.out" 2>&1 &
cupsd_pid=$!
# Should this script be killed outright, cupsd and the folder go too.
( trap '' INT TERM
  while kill -0 $$ 2>/dev/null; do sleep 1; done
  if kill "$cupsd_pid" 2>/dev/null; then sleep 1; fi
  rm -rf "$root" ) </dev/null >/dev/null 2>&1 &

export CUPS_SERVER=$socket
ready=
for _ in $(seq 100); do
  if ! kill -0 "$cupsd_pid" 2>/dev/null; then break; fi
  if [ -S "$socket" ] && lpstat -r 2>/dev/null | grep -q "is running"; then ready=1; break; fi
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "with_cups: cupsd did not start" >&2
  cat "$root/log/cupsd.out" >&2 || true
  exit 1
fi

lpadmin -p "$QUEUE" -E -v "keep:$jobdir" -D "Blow Count test queue" -o printer-is-shared=false
lpadmin -d "$QUEUE"

export BLOWCOUNT_TEST_PRINTER=$QUEUE BLOWCOUNT_TEST_PRINT_JOBS=$jobdir PRINTER=$QUEUE LPDEST=$QUEUE
set +e
"$@"
status=$?
set -e
exit $status
