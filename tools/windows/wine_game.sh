#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs vargo.exe ($VARGO_EXE) under wine on the current X display, as the end-to-end tests run the Linux
# game. The wine prefix is the caller's ($WINEPREFIX); a wine server left from another display is ended
# first, or the new window would take that display's desktop. SDL on Windows keeps getenv answers in one
# buffer, so a disk audio delay would overwrite the audio file's name: the device plays at its own pace.
set -euo pipefail
wineserver -k 2>/dev/null && wineserver -w || true
exec env -u SDL_DISKAUDIODELAY WINEDEBUG=-all wine "${VARGO_EXE:?}" "$@"
