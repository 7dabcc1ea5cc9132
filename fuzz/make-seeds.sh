#!/usr/bin/env bash
# Makes the seed corpora of the fuzz targets from our own generators and the
# recorded dfu-util transcripts: one folder per target in OUT.
#   fuzz/make-seeds.sh OUT IMAGEGEN FIRMWARE_DESCRIPTION TRANSCRIPTS_DIR LAYOUT_FILE
set -euo pipefail
out=$1 imagegen=$2 description=$3 transcripts=$4 layout=$5

rm -rf "$out"
mkdir -p "$out"/{otpinfo,fwinfo,devicelist,dfuprogress,guisettings}

# OTP blocks: our product, another, an unknown type, an empty block, an entry
# further in, and a block cut short.
"$imagegen" otp --type 30 --data 56454c3030303031 --output "$out/otpinfo/t30"
"$imagegen" otp --type 36 --data 56454c3430303037 --output "$out/otpinfo/t4"
"$imagegen" otp --type 7 --extra 010203 --data 56454c3030303939 --output "$out/otpinfo/unknown"
"$imagegen" otp --type 43 --offset 256 --output "$out/otpinfo/later-entry"
"$imagegen" otp --blank --output "$out/otpinfo/blank"
head -c 100 "$out/otpinfo/t30" > "$out/otpinfo/short"

# The first 2048 bytes of flash, as the tool reads them: the embedded build,
# an older one and another product's.
"$imagegen" firmware --description "$description" --output "$out/image"
"$imagegen" firmware --description "$description" --revision C2 --seed 3001 --output "$out/image-c2"
"$imagegen" firmware --description "$description" --type 36 --name "T4 application" --revision A4 --seed 3601 \
  --output "$out/image-t4"
for image in image image-c2 image-t4; do
  head -c 2048 "$out/$image" > "$out/fwinfo/$image"
  rm "$out/$image"
done

# Listings: standard output, a NUL byte, standard error.
for listing in "$transcripts"/*-list*.stdout "$transcripts"/*-upload-absent.stdout; do
  name=$(basename "$listing" .stdout)
  { cat "$listing"; printf '\0'; cat "${listing%.stdout}.stderr"; } > "$out/devicelist/$name"
done

# Progress: whole transcripts; the first byte chooses the piece size.
for transcript in "$transcripts"/*-download-*.stdout "$transcripts"/*-upload-*.stdout; do
  { printf '\007'; cat "$transcript"; } > "$out/dfuprogress/$(basename "$transcript" .stdout)"
done

cp "$layout" "$out/guisettings/settings_GUI.json"
printf '{"labels": [{"id": "status_noDev", "text": "no device"}], "circles": []}' > "$out/guisettings/minimal.json"
