#!/bin/sh
# CUPS backend "keep": device URI keep:/FOLDER. Keeps the data of each job,
# unchanged, as FOLDER/job-ID.pdf (the print clients of this project send PDF),
# and the job's user, title, copies and options as FOLDER/job-ID.info. The
# .pdf appears whole, by a rename, after the .info: once it is there, the job
# is done.
#
# Called by cupsd as: keep JOB-ID USER TITLE COPIES OPTIONS [FILE]; without
# arguments it names its device class for lpinfo.
set -u
if [ $# -eq 0 ]; then
  echo 'direct keep "Unknown" "Keep each job as it came"'
  exit 0
fi
if [ $# -lt 5 ]; then
  echo "ERROR: usage: keep JOB-ID USER TITLE COPIES OPTIONS [FILE]" >&2
  exit 1
fi
folder=${DEVICE_URI#keep:}
case $folder in
  /*) ;;
  *) echo "ERROR: device URI '$DEVICE_URI' names no absolute folder" >&2; exit 1 ;;
esac
part="$folder/.job-$1.part"
{
  printf 'user=%s\n' "$2"
  printf 'title=%s\n' "$3"
  printf 'copies=%s\n' "$4"
  printf 'options=%s\n' "$5"
} > "$folder/job-$1.info" || exit 1
if [ $# -ge 6 ]; then
  cat -- "$6" > "$part" || exit 1
else
  cat > "$part" || exit 1
fi
chmod 644 "$folder/job-$1.info" "$part"
mv -f -- "$part" "$folder/job-$1.pdf" || exit 1
echo "INFO: kept job $1 in $folder" >&2
exit 0
