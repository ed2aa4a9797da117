#!/usr/bin/env bash
# Runs $WINDOWS_EXE under Wine with the given arguments. Its text-mode line
# ends ("\r\n") come out as "\n", so the Linux checks read its output as is.
set -o pipefail
wine "${WINDOWS_EXE:?WINDOWS_EXE must name a Windows program}" "$@" | tr -d '\r'
