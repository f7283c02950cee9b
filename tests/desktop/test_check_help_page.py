#!/usr/bin/env python3
"""The help page checker finds each kind of fault it is there for."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from check_help_page import check  # noqa: E402

HEAD = ('<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>t</title>'
        '<style>@media (prefers-color-scheme: dark) { body { color: #eee; } }</style></head>')


def page(body, head=HEAD):
    return head + "<body>" + body + "</body></html>"


class HelpPageCheckerTest(unittest.TestCase):
    def run_check(self, text, encoding="utf-8"):
        with tempfile.NamedTemporaryFile("wb", suffix=".htm", delete=False) as f:
            f.write(text.encode(encoding))
        try:
            return check(f.name)
        finally:
            os.unlink(f.name)

    def test_sound_page_passes(self):
        body = '<p id="a">x<br>y</p><a href="#a">to a</a><ul><li>é</li></ul>'
        self.assertEqual(self.run_check(page(body)), [])

    def test_each_fault_is_reported(self):
        cases = [
            ("unclosed element", page("<div><p>x</p>"),
             "<div> opened on line 1 is not closed before </body>"),
            ("unclosed at the end", HEAD + "<body><p>x</p>", "line 1: <html> is never closed"),
            ("crossed closing", page("<p><b>x</p></b>"),
             "<b> opened on line 1 is not closed before </p>"),
            ("stray closing", page("</span>"), "</span> has no open <span>"),
            ("broken anchor", page('<a href="#nowhere">x</a>'),
             'link "#nowhere" has no element with that id'),
            ("duplicate id", page('<h2 id="a">1</h2><h2 id="a">2</h2>'),
             'id "a" already used on line 1'),
            ("external link", page('<a href="https://example.org/">x</a>'),
             'link "https://example.org/" leaves the page'),
            ("external image", page('<img src="logo.png" alt="">'),
             '<img src="logo.png"> loads another file'),
            ("no dark style", page("<p>x</p>", HEAD.replace("prefers-color-scheme", "print")),
             "the style sheet does not follow prefers-color-scheme"),
            ("no charset", page("<p>x</p>", HEAD.replace('<meta charset="utf-8">', "")),
             'no <meta charset="utf-8">'),
            ("no doctype", page("<p>x</p>", HEAD.replace("<!DOCTYPE html>", "")),
             "no <!DOCTYPE html>"),
        ]
        for name, text, expected in cases:
            with self.subTest(name):
                problems = self.run_check(text)
                self.assertTrue(any(expected in p for p in problems), problems)

    def test_not_utf8_is_reported(self):
        problems = self.run_check(page("<p>\u00e9</p>"), encoding="latin-1")
        self.assertEqual(len(problems), 1)
        self.assertTrue(problems[0].startswith("not UTF-8"), problems)


if __name__ == "__main__":
    unittest.main()
