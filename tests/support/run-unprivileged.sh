#!/usr/bin/env bash
# Runs a test program as an unprivileged user when started as root (as CI is), else as it is.
# Usage: run-unprivileged.sh PROGRAM [ARGUMENTS...]
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then
    exec "$@"
fi
export TMPDIR=/tmp HOME=/tmp
exec setpriv --reuid=nobody --regid=nogroup --clear-groups -- "$@"
