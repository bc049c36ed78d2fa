#!/usr/bin/env bash
# Tests the Windows build (scripts/build-windows.sh) under wine, in a throwaway wine prefix and
# on a private Xvfb: the test programs through CTest (offscreen), the icon and version record
# that tarnyx.exe carries, and the real window: a window titled "TARNYX EQUATIONS", a system
# typed in and solved with Alt+A, the results read back through the clipboard, Alt+X to end.
# The window is driven by keys alone, and every wait polls for what it waits for, with a
# deadline. Every tool it calls is the windows role's.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/windows-root.sh "scripts/$(basename "$0")" "$@"
bash scripts/install-deps.sh windows >/dev/null
source scripts/processes.sh
exe=$PWD/build/windows/tarnyx.exe
[ -f "$exe" ] || { echo "test-windows: no $exe; run scripts/build-windows.sh" >&2; exit 1; }

scratch=$(mktemp -d)
export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# wineserver -k ends every wine process of this prefix.
trap 'wineserver -k 2>/dev/null || true; end_tracked; rm -rf "$scratch"' EXIT
fail() {
    echo "test-windows: $*" >&2
    exit 1
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
track "$!"
wait_for 10 test -s "$scratch/display" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$scratch/display")
wineboot --init >/dev/null 2>&1

# The Liberation fonts that the Linux build substitutes for the window's classic faces go into
# the prefix's Windows font folder (fonts-liberation2 puts them in liberation2 on Debian 12, in
# liberation on Debian 13), where the windows platform finds them; offscreen Qt on Windows reads
# its fonts from one folder, named by QT_QPA_FONTDIR: the same.
fonts=$WINEPREFIX/drive_c/windows/Fonts
find /usr/share/fonts/truetype -name 'Liberation*.ttf' -exec cp -t "$fonts" {} +
[ -n "$(find "$fonts" -name 'LiberationSans-Regular.ttf')" ] || fail "no Liberation fonts"

echo "== test programs under wine"
QT_QPA_FONTDIR=$(winepath -w "$fonts" 2>/dev/null) ctest --test-dir build/windows --output-on-failure

echo "== icon and version record"
# The record must carry the project's version, as the build configured it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
[ -n "$version" ] || fail "no project version in build/windows/CMakeCache.txt"
echo "  project version $version"
# Debian's own Python, which has python3-pefile (not a python3 earlier on the PATH).
/usr/bin/python3 - "$exe" "$version" <<'PY'
import sys
import pefile

pe = pefile.PE(sys.argv[1])
major, minor, patch = (int(part) for part in sys.argv[2].split("."))
record = f"{major}.{minor:02d}"
expected = {
    "CompanyName": ".", "ProductName": "Tarnyx", "FileVersion": record,
    "ProductVersion": record, "InternalName": "Tarnyx", "OriginalFilename": "Tarnyx.exe",
}
strings, translations = {}, []
for info in pe.FileInfo[0]:
    if info.Key == b"StringFileInfo":
        for table in info.StringTable:
            print(f"  string table {table.LangID.decode()}")
            strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    elif info.Key == b"VarFileInfo":
        for var in info.Var:
            # pefile gives each translation as text: "0x0409 0x04b0"
            for text in var.entry.values():
                language, codepage = (int(word, 16) for word in text.split())
                translations.append(f"{language:04X}{codepage:04X}")
for key, value in strings.items():
    print(f"  {key} = {value!r}")
fixed = pe.VS_FIXEDFILEINFO[0]
versions = {
    "file": (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
             fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF),
    "product": (fixed.ProductVersionMS >> 16, fixed.ProductVersionMS & 0xFFFF,
                fixed.ProductVersionLS >> 16, fixed.ProductVersionLS & 0xFFFF),
}
print(f"  fixed file version {versions['file']}, product version {versions['product']}")
print(f"  translation {translations}")
problems = [f"{k} is {strings.get(k)!r}, not {v!r}" for k, v in expected.items()
            if strings.get(k) != v]
problems += [f"fixed {k} version is {v}" for k, v in versions.items()
             if v != (major, minor, patch, 0)]
if translations != ["040904B0"]:
    problems.append(f"translation is {translations}")
sys.exit("\n".join(problems) if problems else 0)
PY
wrestool -x --type=14 --name=1 "$exe" >"$scratch/group1.ico" || fail "no icon group 1"
icons=$(icotool -l "$scratch/group1.ico")
echo "  icon group 1: $icons"
[ "$(echo "$icons" | wc -l)" -eq 1 ] && echo "$icons" | grep -q -- '--width=80 --height=80' ||
    fail "icon group 1 is not one 80x80 image"

echo "== the window under wine"
QT_QPA_PLATFORM=windows wine "$exe" &
app=$!
track "$app"
# Each search is tried again until the deadline, whatever an X error it meets (a window of wine's
# can vanish while xdotool reads it).
find_window() {
    window=$(xdotool search --name '^TARNYX EQUATIONS$' 2>/dev/null | head -1) || true
    [ -n "$window" ]
}
wait_for 60 find_window || fail "no window titled TARNYX EQUATIONS appeared"
echo "  window $window: $(xdotool getwindowname "$window")"
focused() {
    xdotool windowfocus "$window" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]
}
wait_for 30 focused || fail "the window did not take the focus"
# 2X + 3Y = 8, X + Y = 3, then Alt+A; the focus stays in the last box (c2).
xdotool key --delay 100 2 Tab 3 Tab 8 Tab 1 Tab 1 Tab 3 alt+a
# Each result is read back by Tab into its box (which selects its whole text) and Ctrl+C; wine
# hands the clipboard to X, where xclip reads it. From c2, Tab goes to Calculate, then to the Y
# result, then to the X result.
clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
copied=""
copy_next_box() { # Tab presses to the box; sets copied to its text, once the clipboard has it
    # The clipboard is emptied first, so that a copy is told by any text, the same as the last
    # one too (Y and X may be equal). xclip holds the empty text until the copy takes it over.
    xclip -quiet -selection clipboard -i /dev/null >/dev/null 2>&1 &
    track $!
    wait_for 10 eval '[ -z "$(clipboard)" ]' || fail "the clipboard could not be emptied"
    xdotool key --delay 100 $(printf 'Tab %.0s' $(seq "$1")) ctrl+c
    wait_for 10 eval '[ -n "$(clipboard)" ]' ||
        fail "nothing was copied from the box $1 Tab presses on"
    copied=$(clipboard)
}
copy_next_box 2
y=$copied
copy_next_box 1
x=$copied
import -window root "$PWD/build/windows/window.png" || fail "no screenshot of the window"
echo "  Y = '$y', X = '$x'"
[ "$y" = 2 ] && [ "$x" = 1 ] || fail "expected Y = 2 and X = 1"
xdotool key alt+x
status=0
timeout 30 tail --pid="$app" -f /dev/null || fail "the program did not end on Alt+X"
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "  Alt+X: exit status 0"

echo "== the window under wine, in German"
# wine takes its language from LANG, which needs a glibc locale: one made here, in a private
# LOCPATH, so the machine's locales stay as they are. In German the Calculate button's access key
# is Alt+B (Alt+A is no key there), and a result has a decimal comma.
mkdir -p "$scratch/locale"
localedef -i de_DE -f UTF-8 "$scratch/locale/de_DE.UTF-8" 2>/dev/null ||
    [ -d "$scratch/locale/de_DE.UTF-8" ] || fail "could not make the de_DE.UTF-8 locale"
LOCPATH=$scratch/locale LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 QT_QPA_PLATFORM=windows wine "$exe" &
app=$!
track "$app"
wait_for 60 find_window || fail "no German window appeared"
wait_for 30 focused || fail "the German window did not take the focus"
# 2X = 1, 4Y = 1: Y = 0,25 and X = 0,5.
xdotool key --delay 100 2 Tab 0 Tab 1 Tab 0 Tab 4 Tab 1 alt+b
copy_next_box 2
y=$copied
copy_next_box 1
x=$copied
import -window root "$PWD/build/windows/window-de.png" || fail "no screenshot of the German window"
echo "  Y = '$y', X = '$x'"
[ "$y" = "0,25" ] && [ "$x" = "0,5" ] || fail "expected Y = 0,25 and X = 0,5 in German"
xdotool key alt+e
timeout 30 tail --pid="$app" -f /dev/null || fail "the German program did not end on Alt+E"
echo "  Alt+E (Beenden): ended"
echo "test-windows: ok"
