#!/usr/bin/env bash
# Regenerates all of the game's content: pictures and bitmaps under
# resources/, media files under data/. Deterministic: running it again gives
# the same files. Needs the packages of tools/content-packages.txt
# (tools/setup.sh tools/content-packages.txt); the game's build does not.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARIN_CONTENT_BUILD:-$root/build/content}
work=$build/work
fps=12

for tool in text2wave flite ffmpeg lame sox soxi; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: tools/setup.sh tools/content-packages.txt" >&2; exit 1; }
done

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKELVARIN_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --target kelvarin-contentgen -j2 >/dev/null
gen=$build/kelvarin-contentgen
rm -rf "$work"
mkdir -p "$work" "$root/data/intro" "$root/data/music" "$root/data/anim" "$root/data/fish" \
    "$root/data/post" "$root/data/fleamart"

echo "Pictures"
"$gen" pictures "$root"

echo "Help"
"$gen" help "$root"

echo "Speech"
"$gen" speech "$work"
synth() { # voice text out.wav
    case $1 in
    slt) printf '%s\n' "$2" | text2wave -eval "(voice_cmu_us_slt_arctic_hts)" -o "$3" ;;
    rms | awb) flite -voice "$1" -t "$2" -o "$3" ;;
    *) echo "unknown voice $1" >&2; exit 1 ;;
    esac
}
# Each line is spoken at its tempo and pitch, and a little faster if it would
# not fit. sox runs repeatably (-R) and without dither (-D).
while IFS=$'\t' read -r id voice tempo cents max_ms text; do
    synth "$voice" "$text" "$work/speech/$id-raw.wav"
    while :; do
        # Without the silence the voices leave before and after the words.
        sox -R -D "$work/speech/$id-raw.wav" -r 22050 "$work/speech/$id.wav" \
            pitch "$cents" tempo -s "$(awk "BEGIN { print $tempo / 100 }")" \
            silence 1 0.02 0.3% reverse silence 1 0.02 0.3% reverse norm -1
        ms=$(soxi -D "$work/speech/$id.wav" | awk '{ printf "%d", $1 * 1000 }')
        (( ms <= max_ms || tempo >= 140 )) && break
        tempo=$((tempo + 4))
    done
    echo "  $id: ${ms} ms, $voice at ${tempo}% and $cents cents"
done < "$work/speech/lines.tsv"

echo "Music and sounds"
"$gen" audio "$root" "$work"
mp3() { # in.wav out.mp3 bitrate [lame options]
    local in=$1 out=$2 rate=$3
    shift 3
    lame --quiet --noreplaygain --cbr -b "$rate" -q 2 "$@" "$in" "$out"
}
mp3 "$work/audio/intro-short.wav" "$root/data/intro/intro-short.mp3" 128
# The theme plays whenever the party travels or rests: FLAC's long blocks
# cost the player far less to decode than MP3's short frames (about 0.6 %
# of a core instead of 1.5 % while the trail screen waits).
ffmpeg -nostdin -loglevel error -y -i "$work/audio/Theme.wav" -map_metadata -1 \
    -fflags +bitexact -flags:a +bitexact -c:a flac -compression_level 8 "$root/data/music/Theme.flac"
mp3 "$work/audio/m03.wav" "$root/data/music/m03.mp3" 128
mp3 "$work/audio/mayi-short.wav" "$root/data/fleamart/mayi-short.mp3" 64 -m m
mp3 "$work/audio/closing.wav" "$root/data/intro/closing.mp3" 64 -m m

echo "Clips"
"$gen" frames "$root" "$work"
avi() { # frames-folder out.avi [audio.wav]
    local frames=$work/frames/$1 out=$2 audio=${3:-}
    local args=(-nostdin -v error -y -framerate "$fps" -i "$frames/%04d.png")
    [[ -n $audio ]] && args+=(-i "$audio" -c:a libmp3lame -b:a 48k -ar 22050 -ac 1 -flags:a +bitexact)
    args+=(-c:v mjpeg -q:v 3 -pix_fmt yuvj420p -flags:v +bitexact -fflags +bitexact
        -map_metadata -1 "$out")
    mkdir -p "$(dirname "$out")"
    ffmpeg "${args[@]}"
}
rm -f "$root"/data/anim/*.avi # a clip no town names any more goes
while IFS=$'\t' read -r frames out audio; do
    avi "$frames" "$out" "$audio"
done < <("$gen" clips "$root" "$work")

rm -f "$root/data/.keep"
echo "Content: $(du -cb "$root"/resources/pictures/* "$root"/resources/bitmaps/* $(find "$root/data" -type f) | tail -1 | cut -f1) bytes"
