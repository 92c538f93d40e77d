#!/bin/sh
# Builds the Debian package from the build folder given, unpacks it into a temporary root and
# checks its fields, its layout, and that the unpacked program starts with the data it finds in
# share/lingvar, writing only to the user's data folder. The package is left in the output
# folder for the lintian test.
set -eu
build=$1 out=$2 here=$(cd "$(dirname "$0")" && pwd)
for tool in dpkg-deb dpkg-shlibdeps file; do
    command -v $tool >/dev/null || { echo "$tool is not installed: no package can be built"; exit 77; }
done
fail() { echo "deb: $*" >&2; exit 1; }

rm -rf "$out" && mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack failed"; }
set -- "$out"/lingvar_*_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "no lingvar_<version>_<arch>.deb in $out"
deb=$1
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section is not games"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libstdc++6 fonts-liberation2; do
    echo "$depends" | grep -q "\\b$package\\b" || fail "Depends lacks $package: $depends"
done

root=$out/root home=$out/home
mkdir -p "$root" "$home"
dpkg-deb -x "$deb" "$root"
"$here/check_layout.sh" "$root/usr"

# Started as a user would, with nothing to go on but the package's own files.
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" XDG_RUNTIME_DIR="$home" \
    QT_QPA_PLATFORM=offscreen "$root/usr/bin/lingvar" >"$out/stdout" 2>"$out/stderr" &
pid=$!
sleep 3
if ! kill -0 $pid 2>/dev/null; then
    wait $pid || true
    cat "$out/stderr"; fail "the unpacked program stopped at once"
fi
kill $pid; wait $pid 2>/dev/null || true
# A bank that cannot be read is told on stderr, and the message box waits for a player.
if grep 'lingvar:' "$out/stderr"; then fail "the unpacked program did not find its data"; fi
[ -d "$home/.local/share/lingvar" ] || fail "the user's data folder was not made"
[ "$(ls -A "$root/usr/share/lingvar")" = "$(printf 'Pitanja.dat\nSlike.dat')" ] ||
    fail "something was written into share/lingvar"
echo "package $deb checked"
