#!/bin/sh
# Runs lintian on the package that the deb_package test built; an error or a warning fails.
set -eu
command -v lintian >/dev/null || { echo "lintian is not installed"; exit 77; }
set -- "$1"/lingvar_*_*.deb
[ -f "$1" ] || { echo "no package was built (see the deb_package test)"; exit 77; }
exec lintian --fail-on error,warning "$1"
