#!/usr/bin/python3
"""How tools/chapterlengths.py reads the game's tables and adds up a part."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import chapterlengths  # noqa: E402

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


class Route(unittest.TestCase):
    def test_a_tick_covers_twenty_pixels_and_the_last_reaches_or_passes_the_end(self):
        self.assertEqual(chapterlengths.route_ticks(100, 40, False), 3)   # exactly 60
        self.assertEqual(chapterlengths.route_ticks(100, 35, False), 4)   # 65: one more
        self.assertEqual(chapterlengths.route_ticks(87, 410, True), 17)   # eastward, 323
        self.assertEqual(chapterlengths.route_ticks(87, 107, True), 1)
        # An end behind the start is reached by the first tick.
        self.assertEqual(chapterlengths.route_ticks(100, 300, False), 1)

    def test_the_table_is_read_town_by_town_from_the_second(self):
        text = """constexpr std::array<RouteSegment, 2> RouteTable{{
            {-1.2f, 502, 325, 120, false}, {-0.42f, 87, 410, 245, true},
        }};"""
        self.assertEqual(chapterlengths.route_segments(text, 3),
                         {2: (502, 325, False), 3: (87, 410, True)})
        with self.assertRaises(ValueError):
            chapterlengths.route_segments(text, 28)


class Clips(unittest.TestCase):
    TOWNS = """
constexpr int FirstLaterTown = 4;
QString clipName(const char* kind, int town)
{
    return QStringLiteral("anim/%1%2.avi").arg(kind).arg(town, 2, 10, QLatin1Char('0'));
}
TownContent laterTown(int town)
{
    content.ghostClip = clipName("gh", town);
    content.charClip = clipName("ch", town);
}
    switch (town) {
    case 1:
        content.townName = QStringLiteral("Tessaly Ford");
        break;
    case 2:
        content.ghostClip = QStringLiteral("anim/mox222.avi");
        content.charClip = QStringLiteral("anim/mov222.avi");
        break;
    default:
        return laterTown(town);
    }
"""

    def test_towns_of_their_own_and_the_later_towns(self):
        clips = chapterlengths.spirit_clips(self.TOWNS, 5)
        self.assertEqual(clips, {2: ["anim/mox222.avi", "anim/mov222.avi"],
                                 4: ["anim/gh04.avi", "anim/ch04.avi"],
                                 5: ["anim/gh05.avi", "anim/ch05.avi"]})

    def test_later_towns_named_another_way_are_refused(self):
        with self.assertRaises(ValueError):
            chapterlengths.spirit_clips(self.TOWNS.replace("clipName(\"gh\"", "other(\"gh\""), 5)

    def test_the_game_sources_name_a_shipped_clip_pair_and_a_route_for_every_spirit_town(self):
        def source(path):
            return chapterlengths.read(ROOT, path)
        towns = chapterlengths.constant(source("src/shell/gamefacts.h"), "TownCount")
        clips = chapterlengths.spirit_clips(source("src/trail/towncontent.cpp"), towns)
        segments = chapterlengths.route_segments(source("src/trail/routetable.cpp"), towns)
        self.assertEqual(sorted(clips), list(range(2, towns + 1)))
        self.assertEqual(sorted(segments), list(range(2, towns + 1)))
        for town, pair in clips.items():
            self.assertEqual(len(set(pair)), 2, town)
            for clip in pair:
                self.assertTrue(os.path.isfile(os.path.join(ROOT, "data", clip)), clip)
        media = source("src/media/mediafiles.h")
        self.assertGreater(chapterlengths.stretch_seconds(media, "Snakebite"), 5)
        for name in ("IntroNarration", "ClosingWords"):
            self.assertTrue(os.path.isfile(
                os.path.join(ROOT, "data", chapterlengths.media_file(media, name))), name)


class Parts(unittest.TestCase):
    def test_seven_towns_a_part(self):
        self.assertEqual(chapterlengths.part_towns(28, 4), [(1, 7), (8, 14), (15, 21), (22, 28)])

    def test_each_part_adds_up_its_own_towns(self):
        parts = [(1, 2), (3, 4)]
        clips = {2: ["a", "b"], 3: ["c", "d"], 4: ["e", "f"]}
        seconds = {"a": 5, "b": 16.5, "c": 5, "d": 30, "e": 5, "f": 31.25}
        # 60 pixels (3 ticks), 65 (4), 20 (1); a tick of 200 ms.
        segments = {2: (100, 40, False), 3: (100, 35, False), 4: (10, 30, True)}
        fixed = {1: [("narration", 40.0), ("music", 19.5)]}
        rows = chapterlengths.part_lengths(parts, clips, segments, 200, seconds.__getitem__,
                                           fixed)
        self.assertEqual(len(rows), 2)
        self.assertAlmostEqual(rows[0][0], 21.5)
        self.assertAlmostEqual(rows[0][1], 0.6)
        self.assertAlmostEqual(rows[0][2], 59.5)
        self.assertAlmostEqual(rows[1][0], 71.25)
        self.assertAlmostEqual(rows[1][1], 1.0)
        self.assertAlmostEqual(rows[1][2], 0)

    def test_minutes_and_seconds_to_the_nearest_second(self):
        self.assertEqual(chapterlengths.minutes(0), "0:00")
        self.assertEqual(chapterlengths.minutes(59.4), "0:59")
        self.assertEqual(chapterlengths.minutes(59.5), "1:00")
        self.assertEqual(chapterlengths.minutes(90.5), "1:31")
        self.assertEqual(chapterlengths.minutes(1119.2), "18:39")


if __name__ == "__main__":
    unittest.main()
