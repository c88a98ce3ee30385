#!/usr/bin/env bash
# The Windows installer under Wine, silently, as an administrator would run
# it:   installer.sh WINE-PREFIX SETUP.exe
# It puts the program under Program Files with a Start-menu entry and
# registers it; the installed program starts and ends; the uninstaller
# takes it all away again.
set -u
SETUP=$(realpath "$2")
if [ -x /usr/lib/wine/wine ] && ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "SKIPPED: the installer is a 32-bit program, and this machine cannot run 32-bit programs"
    exit 77
fi
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    echo "SKIPPED: the installer is a 32-bit program, and wine32 (i386) is not installed"
    exit 77
fi
. "$(dirname "$0")/../e2e/lib.sh"
. "$(dirname "$0")/wine.sh"
wine_on_display "$1"
DIR="$WINEPREFIX/drive_c/Program Files/Mudrovan"
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mudrovan'
menu_entries() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name 'Dazazirezir uraruvivo.lnk' 2>/dev/null | grep .; }
registered() { wine reg query "$KEY" /v "$1" 2>/dev/null | tr -d '\r' | awk -v v="$1" '$1 == v { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
# Nothing left over from an earlier run.
[ -e "$DIR/Uninstall.exe" ] && { wine "$DIR/Uninstall.exe" /S; wait_for 30 test ! -e "$DIR"; }

echo "a silent install"
wine "$SETUP" /S >"$WORK/setup.log" 2>&1 || fail "the installer failed with status $?"
[ -f "$DIR/mudrovan.exe" ] || fail "no mudrovan.exe under Program Files: $(ls "$WINEPREFIX/drive_c/Program Files")"
menu_entries >/dev/null || fail "no Start-menu entry"
[ "$(registered DisplayVersion)" = "1.00" ] || fail "installed programs list version '$(registered DisplayVersion)'"
[ "$(registered DisplayName)" = "Dazazirezir uraruvivo" ] || fail "installed programs list name '$(registered DisplayName)'"
registered DisplayIcon | grep -q -i 'mudrovan.exe' || fail "installed programs list no icon"
note "ok"

echo "the installed program"
wine_game 'C:\Program Files\Mudrovan\mudrovan.exe'
xdotool key shift+Tab shift+Tab shift+Tab Return   # from "Provera" to "Kraj"
wait_exit
[ "$STATUS" = "0" ] || fail "the installed program ended with status $STATUS"
note "ok"

echo "a silent uninstall"
wine "$DIR/Uninstall.exe" /S >"$WORK/uninstall.log" 2>&1 || fail "the uninstaller failed with status $?"
# It copies itself away and finishes in the background.
wait_for 30 test ! -e "$DIR" || fail "the uninstaller left $(ls "$DIR")"
wait_for 10 eval '! menu_entries' || fail "the uninstaller left the Start-menu entry $(menu_entries)"
[ -z "$(registered DisplayName)" ] || fail "the program is still in the installed programs list"
note "ok"
echo "1 passed, 0 failed"
