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
synth() { # voice text out.wav stretch f0-hz f0-spread-hz
    local voice=$1 text=$2 out=$3 stretch=$4 f0=$5 spread=$6
    case $voice in
    slt) # Debian's Festival takes a speed for its HTS voice, and no pitch.
        printf '%s\n' "$text" | text2wave -o "$out" -eval "(begin (voice_cmu_us_slt_arctic_hts)
            (set! hts_engine_params (append hts_engine_params
                (list (list \"-r\" $(awk "BEGIN { print 1 / $stretch }"))))))" ;;
    rms | awb)
        local pitch=()
        (( f0 > 0 )) && pitch+=(--setf "int_f0_target_mean=$f0")
        (( spread > 0 )) && pitch+=(--setf "int_f0_target_stddev=$spread")
        flite -voice "$voice" --setf "duration_stretch=$stretch" "${pitch[@]}" -t "$text" -o "$out" ;;
    *) echo "unknown voice $voice" >&2; exit 1 ;;
    esac
}
# Each line is spoken at its pace, found from how fast the voice says it at
# its own, and a little faster if it would not fit. Pace and pitch are the
# synthesiser's own: sox only cuts the silence the voices leave before and
# after the words. sox runs repeatably (-R) and without dither (-D).
speak() { # speaks line $id at $stretch: sets $seconds and $ms
    synth "$voice" "$text" "$work/speech/$id-raw.wav" "$stretch" "$f0" "$spread"
    sox -R -D "$work/speech/$id-raw.wav" -r 22050 "$work/speech/$id.wav" \
        silence 1 0.02 0.3% reverse silence 1 0.02 0.3% reverse norm -1
    seconds=$(soxi -D "$work/speech/$id.wav")
    ms=$(awk "BEGIN { printf \"%d\", $seconds * 1000 }")
}
while IFS=$'\t' read -r id voice wpm f0 spread max_ms text; do
    words=$(wc -w <<<"$text")
    stretch=1
    speak
    if (( wpm > 0 )); then
        stretch=$(awk "BEGIN { printf \"%.3f\", $words * 60 / $seconds / $wpm }")
        speak
    fi
    while (( ms > max_ms )) && awk "BEGIN { exit !($stretch > 0.75) }"; do
        stretch=$(awk "BEGIN { printf \"%.3f\", $stretch * 0.95 }")
        speak
    done
    echo "  $id: ${ms} ms, $voice at $(awk "BEGIN { printf \"%d\", $words * 60 / $seconds }") words a minute (stretch $stretch)"
done < "$work/speech/lines.tsv"

echo "Music and sounds"
"$gen" audio "$root" "$work"
loudnorm() { # file.wav: to the loudness every spoken file shares, in place
    local file=$1 rate measured
    rate=$(soxi -r "$file")
    if awk "BEGIN { exit !($(soxi -D "$file") < 3) }"; then
        # ffmpeg's loudnorm needs three seconds: a shorter file gets the gain
        # it lacks, measured by ebur128, with sox's limiter on its peaks.
        measured=$(ffmpeg -nostdin -hide_banner -i "$file" -af ebur128 -f null - 2>&1 |
            awk '/I:.*LUFS/ { i = $2 } END { print i }')
        sox -R -D "$file" "$file.norm.wav" gain -l "$(awk "BEGIN { print $speechLufs - $measured }")"
        mv "$file.norm.wav" "$file"
        return
    fi
    measured=$(ffmpeg -nostdin -hide_banner -i "$file" -af "loudnorm=$speechLoudness:print_format=json" \
        -f null - 2>&1 | awk '/^\{/,/^\}/' | tr -d ' "\t,' | awk -F: '/^input_|^target_offset/ { printf "%s=%s:", $1, $2 }')
    measured=${measured//input_/measured_}
    measured=${measured//target_offset=/offset=}
    ffmpeg -nostdin -v error -y -i "$file" -af "loudnorm=$speechLoudness:${measured}linear=true" \
        -ar "$rate" -c:a pcm_s16le -fflags +bitexact -flags:a +bitexact "$file.norm.wav"
    mv "$file.norm.wav" "$file"
}
# Every file with spoken words is as loud as the others, by EBU R 128.
speechLufs=-18
speechLoudness="I=$speechLufs:TP=-1.5:LRA=20"
for file in "$work"/audio/{intro-short,mayi-short,closing}.wav "$root/data/fish/yeehaw.wav" \
    $("$gen" clips "$root" "$work" | cut -f3 | grep .); do
    loudnorm "$file"
done
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

echo "Speech check"
# The recogniser's verdict on every spoken line, then on the shipped files.
awk -F'\t' '{ print $1 ".wav\t" $7 }' "$work/speech/lines.tsv" > "$work/speech/said.tsv"
python3 "$root/tools/speechcheck.py" "$work/speech/said.tsv" || echo "  some spoken lines fail the speech check" >&2
python3 "$root/tools/speechcheck.py" --shipped "$root" "$gen" || echo "  some shipped files fail the speech check" >&2

rm -f "$root/data/.keep"
echo "Content: $(du -cb "$root"/resources/pictures/* "$root"/resources/bitmaps/* $(find "$root/data" -type f) | tail -1 | cut -f1) bytes"
