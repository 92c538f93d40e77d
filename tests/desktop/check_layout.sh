#!/bin/sh
# Checks an installed copy under the prefix given (a DESTDIR's usr/): the program in bin/, the
# data it reads in share/lingvar/, its manual page, documents, menu entry, AppStream file, icons.
set -eu
cd "$1"
fail() { echo "layout: $*" >&2; exit 1; }

[ -f bin/lingvar ] && [ ! -L bin/lingvar ] && [ -x bin/lingvar ] || fail "bin/lingvar is not the program"
[ ! -e lib/lingvar ] || fail "lib/lingvar/ is still installed"
for file in Pitanja.dat Slike.dat; do
    [ -s "share/lingvar/$file" ] || fail "share/lingvar/$file is missing"
done
gzip -t share/man/man6/lingvar.6.gz || fail "share/man/man6/lingvar.6.gz is not a gzip file"
gzip -dc share/man/man6/lingvar.6.gz | grep -q '^\.TH LINGVAR 6 ' || fail "lingvar.6 is not a manual page of section 6"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    share/doc/lingvar/copyright || fail "share/doc/lingvar/copyright is not machine-readable"
gzip -dc share/doc/lingvar/changelog.gz | head -n 1 | grep -q '^lingvar (' || fail "no changelog"
for file in applications/rs.lingvar.Lingvar.desktop metainfo/rs.lingvar.Lingvar.metainfo.xml \
            icons/hicolor/48x48/apps/rs.lingvar.Lingvar.png \
            icons/hicolor/scalable/apps/rs.lingvar.Lingvar.svg; do
    [ -f "share/$file" ] || fail "share/$file is missing"
done
