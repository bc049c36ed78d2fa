#!/usr/bin/env bash
# Runs a Windows program under wine with this environment's QT_* variables (QT_QPA_PLATFORM,
# QT_SCALE_FACTOR): wine drops every QT_* variable on the way in, so a batch file sets them
# again. Arguments that name existing files are given as Windows paths. CTest runs the
# cross-built tests through it. Usage: wine-run.sh <program.exe> [args]
set -euo pipefail
batch=$(mktemp --suffix=.bat)
trap 'rm -f "$batch"' EXIT
{
    env | grep '^QT_' | sed 's/.*/@set "&"/' || true
    printf '@"%s"' "$(winepath -w "$1" 2>/dev/null)"
    shift
    for arg in "$@"; do
        if [ -e "$arg" ]; then
            printf ' "%s"' "$(winepath -w "$arg" 2>/dev/null)"
        else
            printf ' %s' "$arg"
        fi
    done
    printf '\r\n@exit /b %%ERRORLEVEL%%\r\n'
} >"$batch"
wine cmd /c "$(winepath -w "$batch" 2>/dev/null)"
