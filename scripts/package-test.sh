#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a private root and starts the installed program
# headless with a private home: it must show its main window, close, and write only into the
# per-user data folder. Then installs it with apt-get, starts it and removes it again. Usage: scripts/package-test.sh [BUILD-FOLDER] (default build).
# Exits non-zero when anything is wrong.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

fail() {
    echo "package test: $*" >&2
    exit 1
}

cmake --build "$build" --target package >/dev/null
debs=("$build"/kestrelon_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one kestrelon_*.deb in $build"
deb=${debs[0]}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
for dependency in libqt6widgets6 libqt6printsupport6 libqt6gui6 qt6-translations-l10n fonts-liberation2 \
    libgsf-1-114 libxml2 zlib1g; do
    [[ "$depends" == *"$dependency"* ]] || fail "Depends lacks $dependency: $depends"
done

lib=$root/usr/lib/kestrelon
for file in kestrelon kestrelon-export libkestrelon-printer.so Tel Pixels help/index.html; do
    [ -s "$lib/$file" ] || fail "missing /usr/lib/kestrelon/$file"
done
# Loaded at the first print: what it links must be there too.
! ldd "$lib/libkestrelon-printer.so" | grep -q 'not found' ||
    fail "the printer library lacks a library: $(ldd "$lib/libkestrelon-printer.so")"
[ -x "$root/usr/bin/kestrelon" ] || fail "missing launcher /usr/bin/kestrelon"
"$root/usr/bin/kestrelon-export" --help >/dev/null || fail "kestrelon-export does not run"

desktop=$root/usr/share/applications/kestrelon.desktop
grep -q '^Exec=kestrelon$' "$desktop" || fail "the desktop entry does not start the launcher"
grep -q '^Icon=kestrelon$' "$desktop" || fail "the desktop entry names no icon"
grep -q '^Name\[ru\]=Kestrelon — отчеты агента$' "$desktop" || fail "no Russian name"
grep -q '^Comment\[ru\]=.' "$desktop" || fail "no Russian comment"
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
icon=$root/usr/share/icons/hicolor/256x256/apps/kestrelon.png
file "$icon" | grep -q 'PNG image data, 256 x 256' || fail "the icon is not a 256x256 PNG"

"$root/usr/bin/kestrelon" --help | grep -q -- '--data-folder DIR' || fail "--help lacks --data-folder"
status=0
"$root/usr/bin/kestrelon" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exits with $status, not 2"

# The run: a private home whose data folder does not exist yet, and a record of the
# unpacked tree, which must not change.
home=$work/home
mkdir -p "$home"
listing() { (cd "$root" && find . -printf '%p %s %T@\n' | sort); }
listing >"$work/before"
HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$work/config \
    XDG_CACHE_HOME=$work/cache QT_QPA_PLATFORM=offscreen \
    "$root/usr/bin/kestrelon" --close-when-shown </dev/null ||
    fail "the installed program did not start and close cleanly"
listing >"$work/after"
diff -u "$work/before" "$work/after" >&2 || fail "the program wrote into its installed folders"

data=$home/.local/share/kestrelon
[ -d "$data" ] || fail "the per-user folder $data was not created"
# Its backups go beside the data folder, in the folder named after it with ".backups".
outside=$(cd "$home" && find . -mindepth 1 \! -path ./.local \! -path ./.local/share \
    \! -path './.local/share/kestrelon' \! -path './.local/share/kestrelon/*' \
    \! -path './.local/share/kestrelon.backups' \! -path './.local/share/kestrelon.backups/*')
[ -z "$outside" ] || fail "the program wrote outside its data folder and its backups: $outside"
ls "$home"/.local/share/kestrelon.backups/kestrelon-*.zip >/dev/null 2>&1 ||
    fail "closing the installed program made no backup of its new data folder"
# Closing the main window saves the window sizes, so the data folder must not stay empty.
[ -n "$(ls -A "$data")" ] || fail "nothing was written into $data"

# Installed for real: its Depends must name packages this release has, and the installed
# program must start. Done as root on a machine where Kestrelon is not installed already (one
# the user installed is left alone), and removed again; elsewhere apt only simulates it.
installed() { dpkg-query -W -f='${Status}' kestrelon 2>/dev/null | grep -q "install ok installed"; }
if [ "$(id -u)" -eq 0 ] && ! installed; then
    trap 'apt-get purge -y -qq kestrelon >/dev/null 2>&1 || true; rm -rf "$work"' EXIT
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$(realpath "$deb")" \
        >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "the package does not install"; }
    installed || fail "the package is not installed after apt-get install"
    home=$work/installed-home
    mkdir -p "$home"
    HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$work/config2 \
        XDG_CACHE_HOME=$work/cache2 QT_QPA_PLATFORM=offscreen kestrelon --close-when-shown </dev/null ||
        fail "the installed program did not start and close cleanly"
    [ -n "$(ls -A "$home/.local/share/kestrelon" 2>/dev/null)" ] ||
        fail "the installed program wrote nothing into its data folder"
    kestrelon-export --help >/dev/null || fail "the installed kestrelon-export does not run"
    apt-get purge -y -qq kestrelon >/dev/null 2>&1 || fail "the package does not uninstall"
    [ ! -e /usr/lib/kestrelon/kestrelon ] || fail "removing the package left the program behind"
    echo "package test: installed with apt-get, started, removed"
else
    apt-get install -s "$(realpath "$deb")" >"$work/install.log" 2>&1 ||
        { cat "$work/install.log" >&2; fail "the package's dependencies cannot be met"; }
    echo "package test: its dependencies can be met (installed already or not root: simulated)"
fi

echo "package test: $(basename "$deb") ($(stat -c %s "$deb") bytes) installs and runs"
