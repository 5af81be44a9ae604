#!/usr/bin/env bash
# The installed package end to end: `cmake --install` into a DESTDIR, then
# `kartovex-cli --init` and a conversion in the laid-out installation with
# nothing from the build tree or the environment (no DATAFILE, no env.sh).
# Usage: installed_package.sh BUILD_DIR [CMAKE]
set -euo pipefail
build=$(cd "$1" && pwd)
cmake=${2:-cmake}
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in frontend/cli/kartovex-cli engine/orvandel/orvandel test-demo/KARTOVEX.INI; do
  [ -e "$build/$f" ] || fail "$build/$f is missing: build every target first"
done

tmp=$(mktemp -d "${TMPDIR:-/tmp}/kartovex_install_XXXXXX")
trap 'rm -rf "$tmp"' EXIT
DESTDIR="$tmp/root" "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" ||
  { cat "$tmp/install.log" >&2; fail "cmake --install"; }
usr="$tmp/root/usr"
for f in bin/kartovex-cli bin/orvandel bin/orvandel-coef bin/orvandel-fit lib/kartovex/quillon27 lib/kartovex/vesperan \
         lib/kartovex/lumbrix share/kartovex/demo/KARTOVEX.INI share/doc/kartovex/KARTOVEX_EN.HTM \
         share/applications/kartovex.desktop share/icons/hicolor/scalable/apps/kartovex.svg \
         share/man/man1/kartovex-cli.1 share/man/man1/orvandel.1 share/man/man1/orvandel-fit.1; do
  [ -f "$usr/$f" ] || fail "not installed: $f"
done
[[ "$("$usr/bin/orvandel-fit" --help)" == "usage: orvandel-fit "* ]] || fail "orvandel-fit --help"
# The template carries no program, work file or environment script.
for f in kartovex kartovex-cli env.sh BIN/orvandel BIN/lumbrix; do
  [ ! -e "$usr/share/kartovex/demo/$f" ] || fail "the template holds $f"
done

# Nothing from the build tree or the caller's environment.
unset DATAFILE
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/xdg"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
cd "$tmp"
cli="$usr/bin/kartovex-cli"
inst="$tmp/inst"

"$cli" --version | grep -Eq '^kartovex-cli [0-9.]+ \(built [0-9]{4}-[0-9]{2}-[0-9]{2}\)$' || fail "--version"
"$cli" --init "$inst" 2>"$tmp/init.err" || { cat "$tmp/init.err" >&2; fail "--init"; }
for f in KARTOVEX.INI BIN/orvandel BIN/quillon27 BIN/vesperan BIN/lumbrix BIN/RUN1.PIF BIN/NB2783.GSB \
         BIN/KARTOVEX_EN.HTM DATAFILE/TRNB2777.DAT INPUT/NB_LL.TXT; do
  [ -f "$inst/$f" ] || fail "--init did not lay out $f"
done
[ -d "$inst/WORKING" ] && [ -d "$inst/OUTPUT" ] || fail "--init: no WORKING or OUTPUT"
[ -w "$inst/BIN" ] || fail "BIN is not writable"
grep -q "^ROOT=$inst/" "$inst/KARTOVEX.INI" || fail "KARTOVEX.INI does not name $inst"
! grep -q "$build" "$inst/KARTOVEX.INI" || fail "KARTOVEX.INI still names the build tree"
set +e
"$cli" --init "$inst" 2>/dev/null
code=$?
set -e
[ "$code" -eq 2 ] || fail "--init on a folder that is not empty: exit $code, expected 2"

# NAD27 Lat,Long to ATS77 East,North on the New Brunswick sample.
cd "$inst"
"$cli" --ini KARTOVEX.INI --from NAD27:LL --to ATS77:EN --input INPUT/NB_LL.TXT --province NB \
  --report OUTPUT/NB.REP --data >"$tmp/out" 2>"$tmp/err" || { cat "$tmp/out" "$tmp/err" >&2; fail "conversion"; }
[ "$(tail -n 1 "$tmp/out")" = "The conversion has been completed !" ] || fail "results: $(cat "$tmp/out")"
check_txt() {
  local txt=$1 n=0 id east north
  [ -f "$txt" ] || fail "no $txt"
  # One line per input point, same names in the same order, on the NB grid.
  while IFS=, read -r id _; do
    [ -n "$id" ] || continue
    n=$((n + 1))
    IFS=, read -r name east north < <(sed -n "${n}p" "$txt" | tr -d '\r')
    [ "$name" = "$id" ] || fail "line $n of $txt: '$name', expected '$id'"
    awk -v e="$east" -v n="$north" 'BEGIN { exit !(e > 100000 && e < 600000 && n > 600000 && n < 1100000) }' ||
      fail "line $n of $txt: $east,$north is not on the New Brunswick grid"
  done < <(tr -d '\r' < INPUT/NB_LL.TXT)
  [ "$n" -gt 0 ] && [ "$(grep -c . "$txt")" -eq "$n" ] || fail "$txt has $(grep -c . "$txt") lines for $n points"
}
check_txt OUTPUT/NB.TXT
grep -q '\*    Modules: ORVANDEL' OUTPUT/NB.REP || fail "report without its Modules line"

# The configuration linked into the per-user folder, DATAFILE beside the real file, --quiet.
mkdir -p "$XDG_CONFIG_HOME/kartovex"
ln -s "$inst/KARTOVEX.INI" "$XDG_CONFIG_HOME/kartovex/KARTOVEX.INI"
"$cli" --quiet --from NAD27:LL --to ATS77:EN --input INPUT/NB_LL.TXT --province NB \
  --report OUTPUT/NB2.REP --data >"$tmp/out2" 2>"$tmp/err2" || { cat "$tmp/out2" "$tmp/err2" >&2; fail "linked run"; }
[ ! -s "$tmp/out2" ] && [ ! -s "$tmp/err2" ] || fail "--quiet printed: $(cat "$tmp/out2" "$tmp/err2")"
check_txt OUTPUT/NB2.TXT

# The Debian package: the same files under /usr, its name, maintainer and
# the dependencies dpkg-shlibdeps found.
cpack=$(dirname "$cmake")/cpack
"$cpack" -G DEB -B "$tmp/pkg" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; fail "cpack"; }
deb=$(ls "$tmp"/pkg/kartovex_*.deb)
dpkg-deb -c "$deb" | awk '{ print $6 }' >"$tmp/contents"
for f in bin/kartovex-cli bin/orvandel bin/orvandel-coef bin/orvandel-fit lib/kartovex/quillon27 lib/kartovex/vesperan \
         lib/kartovex/lumbrix share/kartovex/demo/KARTOVEX.INI share/kartovex/demo/DATAFILE/TRNB2777.DAT \
         share/kartovex/demo/DATAFILE/TRNB2777_FIT.TXT \
         share/kartovex/demo/INPUT/NB_LL.TXT share/doc/kartovex/KARTOVEX_FR.HTM \
         share/applications/kartovex.desktop share/icons/hicolor/scalable/apps/kartovex.svg \
         share/man/man1/kartovex-cli.1 share/man/man1/orvandel.1 share/man/man1/orvandel-fit.1; do
  grep -qx "./usr/$f" "$tmp/contents" || fail "the package does not hold /usr/$f"
done
[ "$(dpkg-deb -f "$deb" Package)" = kartovex ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "Kartovex developers" ] || fail "maintainer"
dpkg-deb -f "$deb" Depends | grep -q libproj || fail "Depends without libproj: $(dpkg-deb -f "$deb" Depends)"
echo "installed package: OK"
