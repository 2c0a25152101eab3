#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Flatpak manifest without building it (the build needs the Freedesktop runtime and SDK, which
# this machine cannot fetch): flatpak-builder parses it, it builds this source tree with no network on a
# runtime branch that is maintained today, asks for the display and audio sockets and nothing more, and
# its metainfo and launcher validate.
#
#   bash tools/ci/flatpak.sh
set -euo pipefail
cd "$(dirname "$0")/../.."

manifest=packaging/org.example.vargo.yml
metainfo=packaging/org.example.vargo.metainfo.xml

# shellcheck source=tools/packages.sh
source tools/packages.sh
install_missing flatpak-builder appstream desktop-file-utils python3

fail() {
  echo "flatpak check: $*" >&2
  exit 1
}

parsed=$(flatpak-builder --show-manifest "$manifest") || fail "flatpak-builder cannot read $manifest"
python3 - "$parsed" "$metainfo" <<'PY' || fail "the manifest breaks the rule above"
import datetime, json, sys, xml.etree.ElementTree as ET

manifest = json.loads(sys.argv[1])
# A Freedesktop runtime branch YY.08 comes out at the end of August of that year and is maintained for two
# years from then.
year, month = (int(part) for part in manifest["runtime-version"].split("."))
released = datetime.date(2000 + year, month + 1, 1)
maintained_until = released.replace(year=released.year + 2)
app_id = ET.parse(sys.argv[2]).getroot().findtext("id")
wanted = {"--socket=x11", "--share=ipc", "--socket=pulseaudio"}
args = set(manifest.get("finish-args", []))
rules = [
    (manifest["id"] == app_id, f"app id {manifest['id']}, metainfo id {app_id}: the same"),
    (args == wanted, f"finish-args {sorted(args)}: the display and audio sockets, nothing more"),
    (all("--share=network" not in m.get("build-options", {}).get("build-args", []) for m in manifest["modules"]),
     "no module builds with network"),
    (manifest["modules"][-1].get("sources", [{}])[0].get("type") == "dir", "the game builds from this source tree"),
    (all("sha256" in s for m in manifest["modules"] for s in m.get("sources", []) if s["type"] == "archive"),
     "every downloaded source has its checksum"),
    (released <= datetime.date.today() < maintained_until,
     f"runtime {manifest['runtime']}//{manifest['runtime-version']}: out and maintained today "
     f"({released} to {maintained_until})"),
]
for ok, rule in rules:
    print(("ok: " if ok else "FAILED: ") + rule)
sys.exit(0 if all(ok for ok, _ in rules) else 1)
PY
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate rejects $metainfo"
echo "flatpak check passed: $manifest"
