#!/usr/bin/env bash
# payload.zip through independent readers: Info-ZIP's unzip -t and zipinfo,
# then the raw fields with Python (payload_zip_check.py).
#   payload_zip_check.sh PAYLOAD_ZIP STAGE_DIR
set -uo pipefail
zip=$1 stage=$2
here=$(cd "$(dirname "$0")" && pwd)
status=0
fail() { echo "FAILED: $1"; status=1; }

unzip -tq "$zip" >/dev/null || fail "unzip -t"
info=$(zipinfo -v "$zip") || fail "zipinfo"
[ "$(grep -c 'file system or operating system of origin: *NTFS' <<<"$info")" -eq 5 ] || fail "zipinfo: made on NTFS (host 11)"
[ "$(grep -c 'minimum software version required to extract: *2.0' <<<"$info")" -eq 5 ] || fail "zipinfo: version needed 2.0"
[ "$(grep -c 'compression method: *deflated' <<<"$info")" -eq 5 ] || fail "zipinfo: deflated"
[ "$(grep -c 'length of extra field: *0 bytes' <<<"$info")" -eq 5 ] || fail "zipinfo: no extra fields"
[ "$(grep -c 'apparent file type: *text' <<<"$info")" -eq 1 ] || fail "zipinfo: one text entry"
grep -q 'There is no zipfile comment' <<<"$info" || fail "zipinfo: no archive comment"
names=$(zipinfo -1 "$zip" | tr '\n' ' ')
[ "$names" = "uninstall.exe sample.bvt readme.txt Brivanta.chm Brivanta.exe " ] || fail "entry order: $names"
# The help file, through 7-Zip's CHM reader: every page and the contents
# are there, byte for byte.
help=$(mktemp -d)
trap 'rm -rf "$help"' EXIT
if 7z x -y -o"$help" "$stage/Brivanta.chm" >/dev/null; then
  for source in "$here"/../../../payload/help/*.html "$here"/../../../payload/help/*.hhc "$here"/../../../payload/help/style.css; do
    cmp -s "$source" "$help/$(basename "$source")" || fail "Brivanta.chm: $(basename "$source")"
  done
else
  fail "7z cannot read Brivanta.chm"
fi
python3 "$here/payload_zip_check.py" "$zip" "$stage" || status=1
exit $status
