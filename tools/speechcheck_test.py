#!/usr/bin/python3
"""How tools/speechcheck.py reads a text and counts the recogniser's mistakes."""

import os
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import speechcheck  # noqa: E402


class Words(unittest.TestCase):
    def test_case_punctuation_and_hyphens(self):
        self.assertEqual(speechcheck.words("Yee-haw!  What a fish, Sedora's?"),
                         ["yee", "haw", "what", "a", "fish", "sedora's"])

    def test_numbers_are_read_as_spoken(self):
        self.assertEqual(speechcheck.words("In 1838, 2 of 15"),
                         "in eighteen thirty eight two of fifteen".split())
        self.assertEqual(speechcheck.words("1905 and 1,000 and 250"),
                         "nineteen oh five and one thousand and two hundred fifty".split())

    def test_bracketed_notes_are_no_words(self):
        self.assertEqual(speechcheck.words("[a beep] Thank you."), ["thank", "you"])


class Errors(unittest.TestCase):
    def test_counts_substitutions_deletions_insertions(self):
        said = "the river was wide".split()
        self.assertEqual(speechcheck.errors(said, said), 0)
        self.assertEqual(speechcheck.errors(said, "the liver was wide".split()), 1)
        self.assertEqual(speechcheck.errors(said, "the river wide".split()), 1)
        self.assertEqual(speechcheck.errors(said, "oh the river was so wide".split()), 2)
        self.assertEqual(speechcheck.errors(said, []), 4)
        self.assertEqual(speechcheck.errors([], ["um"]), 1)

    def test_a_name_the_recogniser_cannot_know_costs_nothing(self):
        known = set("a wise woman said or and the river was wide very nice".split())
        said = "a wise woman sedora and the river".split()
        # Heard as up to three words of its own, or not at all.
        self.assertEqual(speechcheck.errors(said, "a wise woman said or a and the river".split(),
                                            known), 0)
        self.assertEqual(speechcheck.errors(said, "a wise woman and the river".split(), known), 0)
        # Four words for it are one too many; the known words still count.
        self.assertEqual(speechcheck.errors(said, "a wise woman said or a a and the river".split(),
                                            known), 1)
        self.assertEqual(speechcheck.errors(said, "a wise woman said or a and the liver".split(),
                                            known), 1)
        # Without a dictionary every word counts.
        self.assertEqual(speechcheck.errors(said, "a wise woman and the river".split()), 1)
        self.assertEqual(speechcheck.errors(["sedora"], [], known), 0)


if __name__ == "__main__":
    unittest.main()
