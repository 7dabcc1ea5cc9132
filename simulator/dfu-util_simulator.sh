#!/usr/bin/env bash
# dfu-util_simulator.sh - stands in for dfu-util 0.9 and a Velmora device in the
# STM32F4 boot loader (DfuSe), so that velmora-upgrade can run without hardware.
#
#   dfu-util_simulator.sh --dfu-util-command SUB [--fast-progress] [dfu-util arguments]
#
# SUB is one of version, list, upload_OTP, upload_FW, download_FW and
# setup_prepared_config NAME. The output, the files written and the exit codes
# are those of dfu-util 0.9 for the same command line; the timing is that of a
# real device over full-speed USB unless --fast-progress is given.
#
# The simulated device lives in a state directory: $DFU_UTIL_SIMULATOR_STATE,
# or ~/.local/state/velmora-dfu-util-simulator. "current" in it links to the
# configuration in force; every change replaces a whole file or that link by a
# rename, so an interrupted command never leaves half-written state.
#
# Each configuration is one device. A command talks to the device that was
# attached when it started: linking "current" to another configuration swaps
# the device, and a transfer then in progress fails as dfu-util's does when its
# device is unplugged. "-S SERIAL" selects the device as dfu-util does. Every
# transfer is recorded in the device's transfers.log ("upload_OTP 512",
# "upload_FW 2048", "download_FW 91136"), so tests can tell which device was
# read or written.
#
# setup_prepared_config builds its OTP blocks and firmware images with
# velmora-imagegen ($VELMORA_IMAGEGEN, the PATH, this folder as installed with
# the tool, or the build/ folder beside this one) from the tool's firmware
# description ($DFU_UTIL_SIMULATOR_FIRMWARE_DESCRIPTION, this folder as
# installed, or ../software/resources/). A state directory that does not exist
# yet starts with the "upgradable" device, so the tool's simulator mode shows a
# device on first use.
# A file "fault" in the state directory makes one run misbehave, whatever the
# device does: "KIND COMMAND", taken (renamed to "fault.done") by the first run
# of COMMAND (list, otp, fwinfo, download, readback). KIND is crash (SIGSEGV;
# a transfer at its tenth block), hang (35 s, past the tool's first wait, then
# on as usual), garbage or silent (binary noise or nothing, exit 0, nothing
# done), short (a read ends early, exit 0), vanish (the device leaves in the
# transfer) or full (the disk fills during a read). The emulated USB bus reads
# the same file.
# $DFU_UTIL_SIMULATOR_ABSENT_SECONDS (default 4) is how long the device stays
# away after leaving boot mode before it is back, as if the user had restarted
# it in boot mode. $DFU_UTIL_SIMULATOR_FAST=1 makes every command on the device
# immediate, as --fast-progress does. Both are read when a configuration is
# prepared. $DFU_UTIL_SIMULATOR_SERIAL (default 3276356C3236) is the
# serial of the device prepared (the first one of two-devices).

set -u
export LC_ALL=C

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
state_dir=${DFU_UTIL_SIMULATOR_STATE:-${XDG_STATE_HOME:-$HOME/.local/state}/velmora-dfu-util-simulator}
current="$state_dir/current"
fast=0

# sysexits, as dfu-util uses them
EX_USAGE=64
EX_NOINPUT=66
EX_IOERR=74

prepared_names="upgradable up-to-date blank blank-otp other-product unknown-product firmware-mismatch
no-device two-devices invalid-device bad-serial no-access beside-no-access otp-read-fails download-fails
verify-fails unplug-during-download leave-status-lost"

serial_a=${DFU_UTIL_SIMULATOR_SERIAL:-3276356C3236}
serial_b=206F39A54E42

alt_names=("@Internal Flash  /0x08000000/04*016Kg,01*064Kg,07*128Kg"
           "@Option Bytes  /0x1FFFC000/01*016 e"
           "@OTP Memory /0x1FFF7800/01*512 e,01*016 e"
           "@Device Feature/0xFFFF0000/01*004 e")

banner() {
  printf 'dfu-util 0.9\n\n'
  printf 'Copyright 2005-2009 Weston Schmidt, Harald Welte and OpenMoko Inc.\n'
  printf 'Copyright 2010-2016 Tormod Volden and Stefan Schmidt\n'
  printf 'This program is Free Software and has ABSOLUTELY NO WARRANTY\n'
  printf 'Please report bugs to http://sourceforge.net/p/dfu-util/tickets/\n\n'
}

fail() { # exit code, message: dfu-util's way of giving up
  printf 'dfu-util: %s\n' "$2" >&2
  exit "$1"
}

pause() { # seconds; nothing with --fast-progress
  [ "$fast" -eq 1 ] || sleep "$1"
}

now_ms() { date +%s%3N; }

# --- state -------------------------------------------------------------------

declare -A conf=()
device=""   # the configuration this command talks to, resolved once at its start

# Reads the device's device.conf (key=value lines) without executing anything.
load_config() {
  conf=([serials]="" [denied]="" [lines]=4 [access]=ok [otp_read]=ok [download]=ok [write]=ok [leave]=ok
        [absent_seconds]=4 [fast]=0)
  device=$(readlink -f "$current" 2>/dev/null) || device=""
  [ -n "$device" ] && [ -f "$device/device.conf" ] || { device=""; return; }
  local key value
  while IFS='=' read -r key value; do
    case "$key" in
      serials|denied|lines|access|otp_read|download|write|leave|absent_seconds|fast) conf[$key]=$value ;;
    esac
  done < "$device/device.conf"
}

# The device this command started with is still the one attached: no other
# configuration has been linked in since (a shell test, no process started).
still_attached() {
  [ "$current" -ef "$device" ]
}

# A transfer whose device was unplugged, as dfu-util reports it: a download
# also says that it failed, an upload only what libusb answered.
device_gone() { # what was being done: upload or download
  printf '\n'
  local failed="dfuse_$1: libusb_control_transfer returned -4 (LIBUSB_ERROR_NO_DEVICE)"
  if [ "$1" = download ]; then
    printf 'dfu-util: %s\n' "$failed" >&2
    fail $EX_IOERR "Error during download"
  fi
  fail $EX_IOERR "$failed"
}

record_transfer() { # sub-command, bytes
  printf '%s %s\n' "$1" "$2" >> "$device/transfers.log"
}

# Replaces a file of the device's configuration by a rename.
replace_file() { # name, then the content on standard input
  local tmp
  tmp=$(mktemp "$device/.$1.XXXXXX") || fail $EX_IOERR "simulator state $device cannot be written"
  cat > "$tmp" && mv -f "$tmp" "$device/$1"
}

absent_until() { # serial
  local value=0
  [ -f "$device/absent_until.$1" ] && read -r value < "$device/absent_until.$1"
  printf '%s' "${value:-0}"
}

# The serials on the bus now: those of the devices that are not away.
present_serials() {
  local now serial_on_bus
  now=$(now_ms)
  for serial_on_bus in ${conf[serials]}; do
    [ "$now" -lt "$(absent_until "$serial_on_bus")" ] || printf '%s ' "$serial_on_bus"
  done
}

# The serials dfu-util can use: a device it cannot open (no access rights) it
# does not list, and says so on standard error, as 0.11 does. Every device
# keeps its device number (its place on the bus), as in the listing.
visible_serials() {
  local serials devnum=4 listed shown=""
  serials=" $(present_serials) "
  for listed in ${conf[serials]}; do
    devnum=$(( devnum + 1 ))
    case "$serials" in *" $listed "*) ;; *) continue ;; esac
    if [ "${conf[access]}" = denied ] || case " ${conf[denied]} " in *" $listed "*) true ;; *) false ;; esac; then
      printf 'dfu-util: Cannot open DFU device 0483:df11 found on devnum %d (LIBUSB_ERROR_ACCESS)\n' "$devnum" >&2
      continue
    fi
    shown+="$listed "
  done
  serials=$shown
  # A serial that cannot be read: dfu-util says so once per interface it lists.
  if [ "$serials" = "UNKNOWN " ]; then
    local i
    for (( i = 0; i < conf[lines]; i++ )); do
      printf 'dfu-util: Failed to retrieve string descriptor 3\n' >&2
    done
  fi
  printf '%s' "$serials"
}

# The device this command talks to (the one selected, or the only one) is
# off the bus for a while.
leave_for_a_while() {
  local gone=$serial
  [ -n "$gone" ] || gone=$(visible_serials 2>/dev/null)
  gone=${gone%% *}
  printf '%s\n' $(( $(now_ms) + ${conf[absent_seconds]} * 1000 )) | replace_file "absent_until.$gone"
}

# --- faults of the run itself ----------------------------------------------------

fault=""        # this run's fault, once taken
strike_block=0  # the data block a transfer fault strikes at (1-based)

take_fault() {
  local file="$state_dir/fault" kind="" command="" this
  [ -f "$file" ] || return 0
  read -r kind command < "$file" || true
  case "$sub" in
    list) this=list ;;
    upload_OTP) this=otp ;;
    upload_FW) if [ "$length" = 2048 ]; then this=fwinfo; else this=readback; fi ;;
    download_FW) this=download ;;
    *) return 0 ;;
  esac
  [ "$command" = "$this" ] || return 0
  mv -f "$file" "$file.done" 2>/dev/null || return 0
  fault=$kind
  strike_block=1
  case "$this" in download|readback) strike_block=10 ;; esac
  case "$fault" in
    hang) sleep 35; fault="" ;;
    garbage)
      printf 'Found DFU: [0483:df11] ver=\r\377\376\000\001\200\303(\033[2J'
      for (( i = 0; i < 256; i++ )); do printf "\\$(printf '%03o' $(( (i * 73 + 11) & 255 )))"; done
      exit 0 ;;
    silent) exit 0 ;;
    crash) [ "$this" = list ] && crash ;;
  esac
  return 0
}

crash() {
  kill -SEGV $$
}

# --- output ------------------------------------------------------------------

# One line of dfu-util's progress bar, preceded by a carriage return.
progress() { # description, bytes done, bytes in all
  local done=$2 total=$3 percent=100 filled=25 bar
  if [ "$total" -gt 0 ]; then
    percent=$(( done * 100 / total ))
    filled=$(( done * 25 / total ))
  fi
  bar=$(printf '%*s' "$filled" '' | tr ' ' '=')$(printf '%*s' $(( 25 - filled )) '')
  printf '\r%s\t[%s] %3d%% %12d bytes' "$1" "$bar" "$percent" "$done"
}

opening() { # alternate setting
  printf 'Opening DFU capable USB device...\nID 0483:df11\nRun-time device DFU version 011a\n'
  printf 'Claiming USB DFU Interface...\nSetting Alternate Setting #%s ...\n' "$1"
  printf 'Determining device status: state = dfuIDLE, status = 0\ndfuIDLE, continuing\n'
  printf 'DFU mode device DFU version 011a\nDevice returned transfer size 2048\n'
  local name=${alt_names[$1]#@}
  printf 'DfuSe interface name: "%s"\n' "${name%%/*}"
}

# --- dfu-util's command line ---------------------------------------------------

alt="" address="" length="" upload_file="" download_file="" serial="" want_list=0 want_version=0

parse_dfu_arguments() {
  while [ $# -gt 0 ]; do
    case "$1" in
      -d|-S|-a|-s|-U|-D)
        [ $# -ge 2 ] || fail $EX_USAGE "option requires an argument -- '${1#-}'"
        case "$1" in
          -S) serial=$2 ;;
          -a) alt=$2 ;;
          -s) address=${2%%:*}; [ "$2" != "$address" ] && length=${2#*:} ;;
          -U) upload_file=$2 ;;
          -D) download_file=$2 ;;
        esac
        shift 2 ;;
      -l) want_list=1; shift ;;
      -V) want_version=1; shift ;;
      *) fail $EX_USAGE "invalid option -- '$1'" ;;
    esac
  done
}

# dfu-util talks only to a single device in DFU mode: the one with the serial
# given with -S, or the only one attached. No device with that serial reads
# exactly like no device at all.
require_one_device() {
  local serials matching=""
  serials=$(visible_serials)
  if [ -n "$serial" ]; then
    for candidate in $serials; do
      [ "$candidate" = "$serial" ] && matching="$matching $candidate"
    done
    serials=$matching
  fi
  [ -n "$serials" ] || fail $EX_IOERR "No DFU capable USB device available"
  set -- $serials
  [ $# -eq 1 ] || fail $EX_IOERR "More than one DFU capable USB device found! Try \`--list' and specify the serial number or disconnect all but one device"
}

# Writes count bytes of a memory image to the upload file, 0xFF past its end
# (erased flash), with dfu-util's progress.
upload_from() { # memory file, count, seconds per 2048-byte block
  local memory=$1 count=$2 block_time=$3 done=0 have=0
  # dfu-util opens the upload file exclusively; 0.9 fails with EX_IOERR.
  [ -e "$upload_file" ] && fail $EX_IOERR "Cannot open file $upload_file for writing"
  [ -f "$memory" ] && have=$(stat -c %s "$memory")
  {
    head -c "$count" "$memory" 2>/dev/null
    if [ "$have" -lt "$count" ]; then head -c $(( count - have )) /dev/zero | tr '\0' '\377'; fi
  } > "$upload_file" || fail $EX_IOERR "Cannot open file $upload_file for writing"
  progress Upload 0 "$count"
  local block=0
  while [ "$done" -lt "$count" ]; do
    pause "$block_time"
    if ! still_attached; then
      truncate -s "$done" "$upload_file"
      device_gone upload
    fi
    block=$(( block + 1 ))
    if [ "$block" -eq "$strike_block" ]; then
      case "$fault" in
        crash) truncate -s "$done" "$upload_file"; crash ;;
        vanish) truncate -s "$done" "$upload_file"; leave_for_a_while; device_gone upload ;;
        full) truncate -s "$done" "$upload_file"; fail $EX_IOERR "Could not write 2048 bytes to file 3" ;;
        short)
          # A short block: dfu-util takes it for the end of the memory.
          local last=$(( count - done )); [ "$last" -gt 2048 ] && last=2048
          done=$(( done + last / 2 ))
          truncate -s "$done" "$upload_file"
          progress Upload "$done" "$done"
          printf '\nUpload done.\n'
          return ;;
      esac
    fi
    done=$(( done + 2048 ))
    [ "$done" -gt "$count" ] && done=$count
    progress Upload "$done" "$count"
  done
  printf '\nUpload done.\n'
}

# Erase time of the STM32F4 flash sector that starts at offset, 0 if none does.
sector_erase_time() {
  case "$1" in
    0|16384|32768|49152) echo 0.5 ;;
    65536) echo 1.1 ;;
    *) if [ "$1" -ge 131072 ] && [ $(( ($1 - 131072) % 131072 )) -eq 0 ]; then echo 2.6; else echo 0; fi ;;
  esac
}

# The first offset past the sectors a write of size bytes erases.
erased_end() {
  local size=$1 end=0
  for boundary in 16384 32768 49152 65536 131072; do
    end=$boundary
    [ "$size" -le "$boundary" ] && { echo $end; return; }
  done
  echo $(( (size + 131071) / 131072 * 131072 ))
}

# --- sub-commands ------------------------------------------------------------

cmd_version() {
  banner
}

cmd_list() {
  banner
  local serials devnum=4 port=0 listed
  serials=" $(visible_serials) "
  # Each device keeps its place on the bus (device number, port) while
  # another is away.
  for listed in ${conf[serials]}; do
    devnum=$(( devnum + 1 )); port=$(( port + 1 ))
    case "$serials" in *" $listed "*) ;; *) continue ;; esac
    # A device with fewer interfaces lacks the last ones (alt 3 first).
    for a in 3 2 1 0; do
      [ "$a" -lt "${conf[lines]}" ] || continue
      printf 'Found DFU: [0483:df11] ver=2200, devnum=%d, cfg=1, intf=0, path="1-%d", alt=%d, name="%s", serial="%s"\n' \
        "$devnum" "$port" "$a" "${alt_names[$a]}" "$listed"
    done
  done
}

cmd_upload_otp() {
  [ -n "$upload_file" ] || fail $EX_USAGE "You need to specify one of -D or -U"
  banner
  require_one_device
  printf "dfu-util: Non-valid multiplier ' ', assuming bytes\n" >&2
  printf "dfu-util: Non-valid multiplier ' ', assuming bytes\n" >&2
  opening 2
  record_transfer upload_OTP "${length:-512}"
  if [ "${conf[otp_read]}" = fail ]; then
    # The boot loader stalls the first read; dfu-util has created the file.
    : > "$upload_file"
    progress Upload 0 "${length:-512}"
    printf '\n'
    fail $EX_IOERR "dfuse_upload: libusb_control_transfer returned -9 (LIBUSB_ERROR_PIPE)"
  fi
  upload_from "$device/otp.bin" "${length:-512}" 0.005
}

cmd_upload_fw() {
  [ -n "$upload_file" ] || fail $EX_USAGE "You need to specify one of -D or -U"
  banner
  require_one_device
  opening 0
  record_transfer upload_FW "${length:-1048576}"
  # Without a length dfu-util reads until the device sends a short block: the
  # whole flash. Reads take about 4.5 ms per KiB.
  upload_from "$device/flash.bin" "${length:-1048576}" 0.009
}

cmd_download_fw() {
  [ -n "$download_file" ] || fail $EX_USAGE "You need to specify one of -D or -U"
  banner
  [ -r "$download_file" ] || fail $EX_NOINPUT "Cannot open file $download_file for reading"
  require_one_device
  printf 'dfu-util: Invalid DFU suffix signature\n' >&2
  printf 'dfu-util: A valid DFU suffix will be required in a future dfu-util release!!!\n' >&2
  opening 0
  local size done=0 block_end stop_at
  size=$(stat -c %s "$download_file")
  record_transfer download_FW "$size"
  printf 'Downloading to address = %s, size = %d\n' "${address:-0x08000000}" "$size"
  progress Download 0 "$size"

  if [ "${conf[download]}" = fail ]; then
    # The first erase is refused: nothing in flash has changed.
    pause 0.5
    printf '\n'
    fail $EX_IOERR 'ERASE_PAGE not correctly executed'
  fi

  stop_at=$size
  [ "${conf[download]}" = unplug ] && stop_at=$(( size * 2 / 5 / 2048 * 2048 ))
  case "$fault" in
    crash|vanish) [ "$size" -gt $(( (strike_block - 1) * 2048 )) ] && stop_at=$(( (strike_block - 1) * 2048 )) ;;
  esac

  # Erase and program block by block, as the boot loader does.
  local image
  image=$(mktemp "$device/.flash.XXXXXX") || fail $EX_IOERR "simulator state $device cannot be written"
  # The sectors the image touches are erased; flash beyond them keeps its bytes.
  local erased
  erased=$(erased_end "$size")
  {
    head -c "$erased" /dev/zero | tr '\0' '\377'
    [ -f "$device/flash.bin" ] && tail -c +$(( erased + 1 )) "$device/flash.bin"
  } > "$image"
  while [ "$done" -lt "$stop_at" ]; do
    local erase
    erase=$(sector_erase_time "$done")
    [ "$erase" != 0 ] && pause "$erase"
    block_end=$(( done + 2048 ))
    [ "$block_end" -gt "$size" ] && block_end=$size
    pause 0.106
    still_attached || break
    done=$block_end
    progress Download "$done" "$size"
  done
  dd if="$download_file" of="$image" bs=2048 count=$(( done / 2048 + (done % 2048 > 0) )) conv=notrunc status=none

  if [ "$done" -lt "$size" ] && [ "$fault" = crash ]; then
    # The blocks sent are written; the rest of the erased sectors stays empty.
    mv -f "$image" "$device/flash.bin" 2>/dev/null
    crash
  fi
  if [ "$done" -lt "$size" ]; then
    # The cable was pulled: a half-written flash, and the device is gone until
    # it is restarted in boot mode.
    mv -f "$image" "$device/flash.bin" 2>/dev/null
    still_attached && leave_for_a_while
    device_gone download
  fi

  if [ "${conf[write]}" = corrupt ]; then
    # One bit of one byte in the middle of the image does not stick.
    local offset=$(( size / 2 )) byte
    byte=$(od -An -tu1 -j "$offset" -N1 "$download_file" | tr -d ' ')
    printf "\\$(printf '%03o' $(( byte ^ 0x10 )))" | dd of="$image" bs=1 seek="$offset" conv=notrunc status=none
  fi
  mv -f "$image" "$device/flash.bin"
  printf '\nDownload done.\nFile downloaded successfully\n'
  if [ "$length" = leave ] && [ "${conf[leave]}" = lost ]; then
    # The device resets before it answers the last status request: the
    # firmware is written, but dfu-util reports an error.
    leave_for_a_while
    fail $EX_IOERR "Error during download get_status"
  fi
  printf 'Transitioning to dfuMANIFEST state\n'
  if [ "$length" = leave ]; then
    leave_for_a_while
  fi
}

find_imagegen() {
  local candidate
  for candidate in "${VELMORA_IMAGEGEN:-}" "$(command -v velmora-imagegen 2>/dev/null)" \
                   "$script_dir/velmora-imagegen" "$script_dir/../build/tools/imagegen/velmora-imagegen"; do
    [ -n "$candidate" ] && [ -x "$candidate" ] && { printf '%s' "$candidate"; return 0; }
  done
  return 1
}

cmd_setup_prepared_config() {
  local name=${1:-}
  case " $(echo $prepared_names) " in
    *" $name "*) ;;
    *) printf 'dfu-util_simulator: unknown configuration "%s"; the prepared configurations are:\n  %s\n' \
         "$name" "$(echo $prepared_names)" >&2
       exit $EX_USAGE ;;
  esac

  local imagegen description
  imagegen=$(find_imagegen) || {
    printf 'dfu-util_simulator: velmora-imagegen not found: set VELMORA_IMAGEGEN or build the project in %s\n' \
      "$script_dir/../build" >&2
    exit $EX_NOINPUT
  }
  description=${DFU_UTIL_SIMULATOR_FIRMWARE_DESCRIPTION:-}
  if [ -z "$description" ]; then
    description=$script_dir/firmware-description.json
    [ -r "$description" ] || description=$script_dir/../software/resources/firmware-description.json
  fi
  [ -r "$description" ] || { printf 'dfu-util_simulator: no firmware description at %s\n' "$description" >&2; exit $EX_NOINPUT; }

  mkdir -p "$state_dir" || exit $EX_IOERR
  local new
  new=$(mktemp -d "$state_dir/config.XXXXXX") || exit $EX_IOERR

  # Device contents: the T30 the tool is for, with an older build, the build
  # the tool carries, a T4, and OTP entries with the device's identity.
  local t30_old=(firmware --description "$description" --revision C2 --seed 3001 --output)
  local t30_new=(firmware --description "$description" --output)
  local t4=(firmware --description "$description" --type 36 --name "T4 application" --revision A4 --seed 3601 --output)
  local otp_t30=(otp --type 30 --data 56454c3030303031 --output)
  local otp_t4=(otp --type 36 --data 56454c3430303037 --output)
  local otp_unknown=(otp --type 7 --extra 010203 --data 56454c3030303939 --output)
  local otp_blank=(otp --blank --output)

  local otp=("${otp_t30[@]}") flash=("${t30_old[@]}")
  local serials=$serial_a denied="" lines=4 access=ok otp_read=ok download=ok write=ok leave=ok
  case "$name" in
    up-to-date) flash=("${t30_new[@]}") ;;
    blank) otp=("${otp_blank[@]}"); flash=() ;;
    blank-otp) otp=("${otp_blank[@]}") ;;
    other-product) otp=("${otp_t4[@]}"); flash=("${t4[@]}") ;;
    unknown-product) otp=("${otp_unknown[@]}") ;;
    firmware-mismatch) flash=("${t4[@]}") ;;
    no-device) serials="" ;;
    two-devices) serials="$serial_a $serial_b" ;;
    invalid-device) lines=3 ;;
    bad-serial) serials=UNKNOWN ;;
    no-access) access=denied ;;
    beside-no-access) serials="$serial_a $serial_b"; denied=$serial_b ;;
    leave-status-lost) leave=lost ;;
    otp-read-fails) otp_read=fail ;;
    download-fails) download=fail ;;
    verify-fails) write=corrupt ;;
    unplug-during-download) download=unplug ;;
  esac

  "$imagegen" "${otp[@]}" "$new/otp.bin" || { rm -rf "$new"; exit $EX_IOERR; }
  if [ ${#flash[@]} -gt 0 ]; then
    "$imagegen" "${flash[@]}" "$new/flash.bin" || { rm -rf "$new"; exit $EX_IOERR; }
  else
    : > "$new/flash.bin" # erased: reads as 0xFF
  fi
  {
    printf 'name=%s\nserials=%s\ndenied=%s\nlines=%s\naccess=%s\notp_read=%s\ndownload=%s\nwrite=%s\nleave=%s\n' \
      "$name" "$serials" "$denied" "$lines" "$access" "$otp_read" "$download" "$write" "$leave"
    printf 'absent_seconds=%s\nfast=%s\n' "${DFU_UTIL_SIMULATOR_ABSENT_SECONDS:-4}" "${DFU_UTIL_SIMULATOR_FAST:-0}"
  } > "$new/device.conf"
  chmod 755 "$new"

  # Switch to the new configuration in one rename, then drop the old ones.
  ln -sfn "$(basename "$new")" "$state_dir/.current.new" && mv -Tf "$state_dir/.current.new" "$current" \
    || { rm -rf "$new"; exit $EX_IOERR; }
  local old
  for old in "$state_dir"/config.*; do
    [ "$old" = "$new" ] || rm -rf "$old"
  done
  printf 'Simulated device: %s\n' "$name"
}

# --- main ----------------------------------------------------------------------

[ "${1:-}" = "--dfu-util-command" ] && [ $# -ge 2 ] \
  || { printf 'usage: %s --dfu-util-command SUB [--fast-progress] [dfu-util arguments]\n' "$0" >&2; exit $EX_USAGE; }
sub=$2
shift 2
if [ "${1:-}" = "--fast-progress" ]; then
  fast=1
  shift
fi

case "$sub" in
  setup_prepared_config) cmd_setup_prepared_config "$@"; exit ;;
esac

parse_dfu_arguments "$@"
# First use: a simulated device to upgrade. Its messages would be taken for dfu-util's.
if [ "$sub" != version ] && [ ! -e "$state_dir" ]; then
  ( cmd_setup_prepared_config upgradable ) > /dev/null 2>&1
fi
load_config
[ "${conf[fast]}" = 1 ] && fast=1
take_fault
case "$sub" in
  version) cmd_version ;;
  list) cmd_list ;;
  upload_OTP) cmd_upload_otp ;;
  upload_FW) cmd_upload_fw ;;
  download_FW) cmd_download_fw ;;
  *) fail $EX_USAGE "unknown simulator command '$sub'" ;;
esac
exit 0
