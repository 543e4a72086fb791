#!/usr/bin/env bash
# Starts a program offscreen and passes when it is still running after a few seconds.
set -u
QT_QPA_PLATFORM=offscreen timeout 4 "$@" >/dev/null 2>&1
status=$?
if [ "$status" -ne 124 ]; then
    echo "the program ended on its own with status $status"
    exit 1
fi
