#!/usr/bin/env bash
# The pages against their pictures on a desktop whose own Carlito and Liberation Sans are of
# another version, with other line metrics, and where Debian's copies of them are missing: the
# window must draw with the faces it carries, so not a line moves.
# Usage: desktop_faces.sh TST_SCREENS
set -euo pipefail
tst_screens=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/faces"

# The desktop's faces: the carried ones under their own names, their vertical metrics changed
# as a newer release of Carlito changed them (ascender 1950, descender -550, no line gap).
/usr/bin/python3 - "$(dirname "$0")/../fonts" "$work/faces" <<'PY'
import pathlib, struct, sys
source, target = map(pathlib.Path, sys.argv[1:])
for face in sorted(source.glob("*.ttf")):
    data = bytearray(face.read_bytes())
    (count,) = struct.unpack_from(">H", data, 4)
    for entry in range(12, 12 + 16 * count, 16):
        tag, _, offset, _ = struct.unpack_from(">4sIII", data, entry)
        if tag == b"hhea":
            struct.pack_into(">hhh", data, offset + 4, 1950, -550, 0)
    (target / face.name).write_bytes(bytes(data))
PY

cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  <dir>$work/faces</dir>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$work/cache</cachedir>
</fontconfig>
CONF

# Only the faces given above exist for this run.
FONTCONFIG_FILE="$work/fonts.conf" fc-list : family | sort -u | sed 's/^/installed: /'
FONTCONFIG_FILE="$work/fonts.conf" "$tst_screens" looksAsReviewed textsShowWhole
