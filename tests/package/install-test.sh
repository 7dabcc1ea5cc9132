#!/usr/bin/env bash
# The tool as its users get it: builds the Debian package from this source tree
# with dpkg-buildpackage, checks it with lintian, installs it with apt-get,
# starts the installed tool in simulator mode (no source or build tree left)
# until it announces the simulated device, validates the desktop entry, the
# AppStream metainfo and the udev rule, removes the package and checks that
# nothing of it is left.
#
#   install-test.sh SOURCE_DIR WORK_DIR
#
# Installing needs root. On a machine that already has the package installed
# the installation part is skipped (exit 77), so that a real installation is
# never replaced by a test.
set -euo pipefail
src=$(cd "$1" && pwd)
work=$2
package=velmora-upgrade

fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }
step() { printf '\n== %s\n' "$*"; }

rm -rf "$work"
mkdir -p "$work/src" "$work/scratch"
work=$(cd "$work" && pwd)
# The build and lintian keep their scratch files here, not in the system's
# temporary directory (lintian leaves some behind).
export TMPDIR="$work/scratch"

step "Copying the source tree"
# What git would commit (tracked, and new files not ignored): no build folders.
if git -C "$src" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  (cd "$src" && git ls-files -co --exclude-standard -z) \
    | while IFS= read -r -d '' file; do [ -e "$src/$file" ] && printf '%s\0' "$file"; done \
    | (cd "$src" && xargs -0 cp -P --parents -t "$work/src")
else
  (cd "$src" && tar --exclude='./build*' -cf - .) | (cd "$work/src" && tar -xf -)
fi

step "Building the package: dpkg-buildpackage -b -uc -us"
(cd "$work/src" && dpkg-buildpackage -b -uc -us) > "$work/build.log" 2>&1 \
  || { tail -n 40 "$work/build.log"; fail "the package does not build (log: $work/build.log)"; }
deb=$(ls "$work"/${package}_*.deb)
dpkg-deb -I "$deb" | grep -E '^ (Package|Version|Architecture|Depends):'
# The embedded dfu-util needs libusb at run time: its dependency must be computed too.
dpkg-deb -f "$deb" Depends | grep -q 'libusb-1.0-0' || fail "the dependency of the embedded dfu-util is missing"
# Qt loads its SQL drivers as plugins: no library dependency names them.
for driver in libqt5sql5-sqlite libqt5sql5-psql; do
  dpkg-deb -f "$deb" Depends | grep -q "$driver" || fail "the dependency on $driver (the history's driver) is missing"
done

step "lintian"
lintian --pedantic "$deb" > "$work/lintian.txt" 2>&1 || true
cat "$work/lintian.txt"
! grep -q '^E:' "$work/lintian.txt" || fail "lintian reports errors"

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: installing the package needs root"
  exit 77
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
  echo "SKIP: $package is installed on this machine already; not replacing it"
  exit 77
fi

step "Installing: apt-get install $deb"
# No source or build tree of the package remains: the tool must find all it needs installed.
rm -rf "$work/src"
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb" > "$work/install.log" 2>&1 \
  || { cat "$work/install.log"; fail "apt-get cannot install the package"; }
removed=0
cleanup() { [ "$removed" -eq 1 ] || DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "$package" > /dev/null 2>&1 || true; }
trap cleanup EXIT
dpkg -L "$package" > "$work/files.txt"

step "The installed tool in simulator mode"
mkdir -p "$work/home" "$work/run" "$work/tmp"
chmod 700 "$work/run"
# As a desktop menu starts it: by name, from the home folder, with a first-time
# simulator state.
(cd "$work/home" && exec env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
   TMPDIR="$work/tmp" QT_QPA_PLATFORM=offscreen velmora-upgrade -s -l) > "$work/tool.out" 2> "$work/tool.err" &
tool=$!
announced=0
for _ in $(seq 1 600); do
  if grep -q 'SM_B: entered B2: Conn. to (DFU-SE) dev. with diff. FW rev.' "$work/tool.err"; then announced=1; break; fi
  kill -0 "$tool" 2> /dev/null || break
  sleep 0.1
done
kill -TERM "$tool" 2> /dev/null || true
status=0
wait "$tool" || status=$?
grep -E 'Start  "[^"]*dfu-util_simulator.sh" \("--dfu-util-command", "upload_OTP"' "$work/tool.err" | head -n 1 || true
[ "$announced" -eq 1 ] || { tail -n 30 "$work/tool.err"; fail "the installed tool did not announce the simulated device"; }
[ "$status" -eq 0 ] || fail "the installed tool ended with status $status"
grep -q 'Start  "/usr/lib/velmora-upgrade/simulator/dfu-util_simulator.sh"' "$work/tool.err" \
  || fail "the installed tool did not use its installed simulator"
[ -z "$(ls -A "$work/tmp")" ] || fail "the installed tool left its working directory behind"
# The history in its default place, readable by the installed tool's driver.
[ -s "$work/home/.local/share/velmora-upgrade/history.sqlite" ] || fail "the installed tool made no history file"
header=$(env -i PATH=/usr/bin:/bin HOME="$work/home" velmora-upgrade --history csv | head -n 1 | tr -d '\r')
[ "$header" = "$(printf 'id,started,finished,station,user,tool_version,firmware_file,firmware_revision,firmware_sha256,serial,usb_path,product_type,model,revision_before,outcome,write_exit_code,read_exit_code,write_ms,read_ms,last_error')" ] \
  || fail "velmora-upgrade --history csv of the installed tool printed: $header"

step "Desktop entry, AppStream metainfo, icon"
desktop=/usr/share/applications/com.velmora.upgrade.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
echo "desktop-file-validate $desktop: no remarks"
appstreamcli validate --no-net /usr/share/metainfo/com.velmora.upgrade.metainfo.xml \
  || fail "appstreamcli rejects the metainfo"
[ "$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)" = velmora-upgrade ] || fail "the menu entry does not start velmora-upgrade"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for size in 16 24 32 48 64 128 256; do
  [ -s "/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png" ] || fail "no ${size}px icon $icon"
done

step "udev rule"
rule=/lib/udev/rules.d/60-velmora-upgrade.rules
[ -f "$rule" ] || fail "no udev rule at $rule"
grep -v '^#' "$rule" | grep -E 'SUBSYSTEM=="usb"' | grep -E 'ATTR\{idVendor\}=="0483"' \
  | grep -E 'ATTR\{idProduct\}=="df11"' | grep -q 'TAG+="uaccess"' \
  || fail "the rule does not tag 0483:df11 with uaccess"
# The tag is acted upon by 73-seat-late.rules: the rule must be read before it.
first=$(printf '%s\n' "$(basename "$rule")" 73-seat-late.rules | LC_ALL=C sort | head -n 1)
[ "$first" = "$(basename "$rule")" ] || fail "$rule sorts after 73-seat-late.rules"
echo "$rule tags 0483:df11 with uaccess, before 73-seat-late.rules"

step "Removing: apt-get purge $package"
DEBIAN_FRONTEND=noninteractive apt-get purge -y -q "$package" > "$work/remove.log" 2>&1 \
  || { cat "$work/remove.log"; fail "apt-get cannot remove the package"; }
removed=1
left=0
while IFS= read -r path; do
  [ -e "$path" ] && [ ! -d "$path" ] && { echo "left behind: $path"; left=1; }
done < "$work/files.txt"
for folder in /usr/lib/velmora-upgrade /usr/share/doc/$package; do
  [ -e "$folder" ] && { echo "left behind: $folder"; left=1; }
done
[ "$left" -eq 0 ] || fail "removing the package left files behind"
echo "nothing of $package is left"
echo "PASS"
