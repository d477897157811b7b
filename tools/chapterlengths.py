#!/usr/bin/python3
"""How long each part of the trail takes to hear.

    chapterlengths.py [ROOT]

For each of the trail's parts (src/shell/chapters.{h,cpp}: seven towns
each), the time a party that listens to every story spends hearing its
towns, read from the game's own tables and measured in the shipped files:

  - the spirit of every town with one: the clip of its appearance and the
    clip of its story, as src/trail/towncontent.cpp names them;
  - the route drawn on arrival: one tick of Durations::RouteTick
    (src/shell/durations.h) for every 20 pixels of x along the town's
    segment (routeSegment(town), src/trail/routetable.cpp), the last tick
    reaching or passing the segment's end;
  - the fixed clips heard on the way: the campfire's narration before the
    first town, the snakebite's music on leaving the first spirit's town,
    and Sedora's closing words after the last town.

Durations come from ffprobe. What pupils do besides listening (shopping,
trading, fishing, reading the journal and answering its questions) is not
measured here.
"""

import os
import re
import subprocess
import sys


def constant(text, name):
    """The value of `constexpr int NAME = 123;` in a C++ source."""
    match = re.search(r"constexpr\s+int\s+%s\s*=\s*(-?\d+)\s*;" % re.escape(name), text)
    if not match:
        raise ValueError("no constant %s" % name)
    return int(match.group(1))


def route_ticks(start_x, end_x, eastward):
    """The ticks that draw a route from start_x to end_x, as advanceRoute()
    draws it: 20 pixels of x a tick, until x reaches or passes the end."""
    x, ticks = start_x, 0
    while True:
        x += 20 if eastward else -20
        ticks += 1
        if (x >= end_x) if eastward else (x <= end_x):
            return ticks


def route_segments(routetable_cpp, town_count):
    """Town -> (start x, end x, eastward), from the route table of towns
    2..town_count: {slope, startX, endX, startY, eastward} in order."""
    table = re.search(r"RouteTable\{\{(.*?)\}\};", routetable_cpp, re.S)
    if not table:
        raise ValueError("no route table")
    entries = re.findall(r"\{\s*-?[\d.]+f?\s*,\s*(\d+)\s*,\s*(\d+)\s*,\s*\d+\s*,\s*(true|false)\s*\}",
                         table.group(1))
    if len(entries) != town_count - 1:
        raise ValueError("%d routes for %d towns" % (len(entries), town_count))
    return {town: (int(start), int(end), flag == "true")
            for town, (start, end, flag) in enumerate(entries, start=2)}


def spirit_clips(towncontent_cpp, town_count):
    """Town -> [appearance clip, story clip] for every town with a spirit:
    the towns dressed one by one in their own `case`, and the later towns
    whose clips are named by clipName(kind, town)."""
    clips = {}
    for town, body in re.findall(r"case (\d+):(.*?)break;", towncontent_cpp, re.S):
        ghost = re.search(r'ghostClip\s*=\s*QStringLiteral\("([^"]+)"\)', body)
        char = re.search(r'charClip\s*=\s*QStringLiteral\("([^"]+)"\)', body)
        if ghost and char:
            clips[int(town)] = [ghost.group(1), char.group(1)]
    pattern = re.search(r'QStringLiteral\("([^"%]*)%1%2(\.\w+)"\)', towncontent_cpp)
    ghost = re.search(r'ghostClip\s*=\s*clipName\("(\w+)",\s*town\)', towncontent_cpp)
    char = re.search(r'charClip\s*=\s*clipName\("(\w+)",\s*town\)', towncontent_cpp)
    if not (pattern and ghost and char):
        raise ValueError("the later towns' clips are named some other way")
    first_later = constant(towncontent_cpp, "FirstLaterTown")
    folder, extension = pattern.groups()
    for town in range(first_later, town_count + 1):
        clips[town] = ["%s%s%02d%s" % (folder, kind, town, extension)
                       for kind in (ghost.group(1), char.group(1))]
    return clips


def media_file(mediafiles_h, name):
    """The file of `constexpr const char* NAME = "folder/file";`."""
    match = re.search(r'\b%s\s*=\s*"([^"]+)"' % re.escape(name), mediafiles_h)
    if not match:
        raise ValueError("no media file %s" % name)
    return match.group(1)


def stretch_seconds(mediafiles_h, name):
    """The length of `constexpr MediaStretch NAME{start, end};`, in seconds."""
    match = re.search(r"\b%s\{(\d+),\s*(\d+)\}" % re.escape(name), mediafiles_h)
    if not match:
        raise ValueError("no stretch %s" % name)
    return (int(match.group(2)) - int(match.group(1))) / 1000


def part_towns(town_count, part_count):
    """(first town, last town) of each part, as chapter(n) makes them."""
    per_part = town_count // part_count
    return [((n - 1) * per_part + 1, n * per_part) for n in range(1, part_count + 1)]


def part_lengths(parts, clips, segments, tick_ms, seconds_of, fixed):
    """One row a part: (spirits, route, fixed clips) in seconds.
    seconds_of(clip) is a clip's length; fixed[n] lists the (what, seconds)
    of the fixed clips heard in part n, counted from 1."""
    rows = []
    for number, (first, last) in enumerate(parts, start=1):
        towns = range(first, last + 1)
        spirits = sum(seconds_of(clip) for town in towns for clip in clips.get(town, []))
        route = sum(route_ticks(*segments[town]) * tick_ms / 1000
                    for town in towns if town in segments)
        rows.append((spirits, route, sum(s for _, s in fixed.get(number, []))))
    return rows


def minutes(seconds):
    """Seconds as minutes:seconds, to the nearest second."""
    whole = int(seconds + 0.5)  # round() would take 90.5 to the even 90
    return "%d:%02d" % (whole // 60, whole % 60)


def probe(path):
    """A media file's length in seconds, by ffprobe."""
    out = subprocess.run(["ffprobe", "-v", "error", "-show_entries", "format=duration",
                          "-of", "csv=p=0", path], check=True, capture_output=True, text=True)
    return float(out.stdout.strip())


def read(root, path):
    with open(os.path.join(root, path), encoding="utf-8") as f:
        return f.read()


def main(argv):
    root = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                      "..")
    town_count = constant(read(root, "src/shell/gamefacts.h"), "TownCount")
    chapters_h = read(root, "src/shell/chapters.h")
    titles = re.findall(r'\{"([^"]+)",\s*"\w+"\}', read(root, "src/shell/chapters.cpp"))
    parts = part_towns(town_count, constant(chapters_h, "ChapterCount"))
    if len(titles) != len(parts):
        raise ValueError("%d titles for %d parts" % (len(titles), len(parts)))
    tick_ms = constant(read(root, "src/shell/durations.h"), "RouteTick")
    segments = route_segments(read(root, "src/trail/routetable.cpp"), town_count)
    clips = spirit_clips(read(root, "src/trail/towncontent.cpp"), town_count)
    media = read(root, "src/media/mediafiles.h")
    data = os.path.join(root, "data")

    def seconds_of(clip):
        return probe(os.path.join(data, clip))

    narration = media_file(media, "IntroNarration")
    closing = media_file(media, "ClosingWords")
    fixed = {
        1: [("the campfire's narration, " + narration, seconds_of(narration)),
            ("the snakebite's music, after town 2", stretch_seconds(media, "Snakebite"))],
        len(parts): [("Sedora's closing words, " + closing, seconds_of(closing))],
    }
    rows = part_lengths(parts, clips, segments, tick_ms, seconds_of, fixed)

    print("%-24s %-6s %8s %7s %7s %10s" % ("Part", "Towns", "Spirits", "Route", "Fixed",
                                          "Listening"))
    totals = [0.0, 0.0, 0.0]
    for number, ((first, last), title, row) in enumerate(zip(parts, titles, rows), start=1):
        totals = [t + r for t, r in zip(totals, row)]
        print("%-24s %-6s %8s %7s %7s %10s" % ("%d. %s" % (number, title),
                                              "%d-%d" % (first, last), minutes(row[0]),
                                              minutes(row[1]), minutes(row[2]),
                                              minutes(sum(row))))
    print("%-24s %-6s %8s %7s %7s %10s" % ("The whole journey", "1-%d" % town_count,
                                          minutes(totals[0]), minutes(totals[1]),
                                          minutes(totals[2]), minutes(sum(totals))))
    print()
    print("Fixed clips:")
    for number in sorted(fixed):
        for what, seconds in fixed[number]:
            print("  part %d: %s (%s)" % (number, what, minutes(seconds)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
