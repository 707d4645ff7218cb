#!/usr/bin/env bash
# Packs a built tree into its Debian package and checks the package as a user
# meets it: name, contents, dependencies, lintian, the desktop entry, the
# AppStream metainfo, the icons, the manual pages, and the programs it unpacks.
#   scripts/check-package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "package check: $*" >&2
  exit 1
}

version=$(scripts/version.sh)
deb=$(scripts/make-deb.sh "$build" "$work")
want_name="veltrane_${version}_$(dpkg --print-architecture).deb"
[[ $(basename "$deb") == "$want_name" ]] || fail "made $(basename "$deb"), expected $want_name"

outside=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v -e '^\./$' -e '^\./usr/' || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"

depends=$(dpkg-deb -f "$deb" Depends)
for dep in fonts-wqy-microhei libc6 libqt6widgets6; do
  [[ $depends == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == *tzdata* ]] || fail "Recommends lacks tzdata (--tz reads its zones)"
if ! apt-get install --simulate -qq "$deb" >"$work/apt.txt" 2>&1; then
  cat "$work/apt.txt" >&2
  fail "apt cannot install $want_name"
fi

if ! lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1; then
  cat "$work/lintian.txt" >&2
  fail "lintian reports errors"
fi

# Built as Debian builds its packages: fortified, stack-protected, PIE, full RELRO.
hardening=$(lintian --display-info \
  --tags hardening-no-fortify-functions,hardening-no-bindnow,hardening-no-relro,hardening-no-pie \
  "$deb" 2>/dev/null || true)
[[ -z $hardening ]] || fail "programs lack hardening: $hardening"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entry is not valid"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml >"$work/appstream.txt" 2>&1 ||
  { cat "$work/appstream.txt" >&2; fail "AppStream metainfo is not valid"; }

# Width and height from a PNG's header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8}'
}
for size in 48 256; do
  icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/veltrane.png
  [[ -f $icon ]] || fail "no ${size} px icon"
  [[ $(png_size "$icon") == "${size}x${size}" ]] || fail "$icon is $(png_size "$icon")"
done
[[ -f $root/usr/share/icons/hicolor/scalable/apps/veltrane.svg ]] || fail "no scalable icon"

for page in veltrane veltrane-chart; do
  file=$root/usr/share/man/man1/$page.1.gz
  [[ -f $file ]] || fail "no manual page $page(1)"
  warnings=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)
  [[ -z $warnings ]] || fail "$page(1): $warnings"
done

tool=$root/usr/bin/veltrane-chart
# The manual page keeps up with the options the tool takes.
manual=$(MANWIDTH=200 man -l "$root/usr/share/man/man1/veltrane-chart.1.gz" 2>/dev/null)
for option in $("$tool" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
  [[ $manual == *"$option"* ]] || fail "veltrane-chart(1) does not describe $option"
done
[[ -x $root/usr/bin/veltrane ]] || fail "no veltrane program"
missing=$(ldd "$root/usr/bin/veltrane" "$tool" | grep "not found" || true)
[[ -z $missing ]] || fail "libraries not found: $missing"
[[ $("$tool" --version) == "veltrane-chart $version" ]] || fail "--version says $("$tool" --version)"
chart=$("$tool" 2001-12-27 04:00)
[[ $chart == "$("$build/src/app/veltrane-chart" 2001-12-27 04:00)" && $chart == *辛巳庚子甲子丙寅* && $chart == *阳遁一局* ]] ||
  fail "the unpacked veltrane-chart does not print the chart of 2001-12-27 04:00"
echo "package check: $want_name passed"
