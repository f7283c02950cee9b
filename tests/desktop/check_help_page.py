#!/usr/bin/env python3
"""Checks that a help page is one well-formed, self-contained HTML5 page:
UTF-8, every element closed in order, ids unique, every #anchor link
resolving, nothing loaded from elsewhere. Prints each problem; exit 1 if any."""
import sys
from html.parser import HTMLParser

VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
        "meta", "source", "track", "wbr"}
EXTERNAL_ATTRS = {("img", "src"), ("script", "src"), ("link", "href"),
                  ("iframe", "src"), ("source", "src"), ("object", "data")}


class PageChecker(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.problems = []
        self.open = []          # (tag, line)
        self.ids = {}
        self.anchors = []       # (target, line)
        self.saw_doctype = False
        self.charset = None
        self.lang = None
        self.style = ""
        self.in_style = False

    def problem(self, text):
        self.problems.append(f"line {self.getpos()[0]}: {text}")

    def handle_decl(self, decl):
        if decl.lower() == "doctype html":
            self.saw_doctype = True

    def handle_starttag(self, tag, attrs):
        self.check_attributes(tag, dict(attrs))
        if tag not in VOID:
            self.open.append((tag, self.getpos()[0]))
        self.in_style = tag == "style"

    def handle_startendtag(self, tag, attrs):
        self.check_attributes(tag, dict(attrs))
        if tag not in VOID:
            self.problem(f"<{tag}/> is not a void element")

    def handle_endtag(self, tag):
        if tag in VOID:
            self.problem(f"</{tag}> closes a void element")
            return
        if not any(t == tag for t, _ in self.open):
            self.problem(f"</{tag}> has no open <{tag}>")
            return
        # Every element still open inside this one was left unclosed.
        while self.open[-1][0] != tag:
            inner, line = self.open.pop()
            self.problem(f"<{inner}> opened on line {line} is not closed before </{tag}>")
        self.open.pop()
        if tag == "style":
            self.in_style = False

    def handle_data(self, data):
        if self.in_style:
            self.style += data

    def check_attributes(self, tag, attrs):
        if "id" in attrs:
            ident = attrs["id"]
            if ident in self.ids:
                self.problem(f'id "{ident}" already used on line {self.ids[ident]}')
            self.ids.setdefault(ident, self.getpos()[0])
        if tag == "meta" and "charset" in attrs:
            self.charset = attrs["charset"]
        if tag == "html":
            self.lang = attrs.get("lang")
        if tag == "a" and "href" in attrs:
            href = attrs["href"] or ""
            if href.startswith("#"):
                self.anchors.append((href[1:], self.getpos()[0]))
            else:
                self.problem(f'link "{href}" leaves the page')
        for name, value in attrs.items():
            if (tag, name) in EXTERNAL_ATTRS and value:
                self.problem(f'<{tag} {name}="{value}"> loads another file')


def check(path):
    with open(path, "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        return [f"not UTF-8: {e}"]
    checker = PageChecker()
    checker.feed(text)
    checker.close()
    problems = checker.problems
    for tag, line in checker.open:
        problems.append(f"line {line}: <{tag}> is never closed")
    for target, line in checker.anchors:
        if target not in checker.ids:
            problems.append(f'line {line}: link "#{target}" has no element with that id')
    if not checker.saw_doctype:
        problems.append("no <!DOCTYPE html>")
    if (checker.charset or "").lower() != "utf-8":
        problems.append("no <meta charset=\"utf-8\">")
    if not checker.lang:
        problems.append("<html> has no lang")
    if "prefers-color-scheme" not in checker.style:
        problems.append("the style sheet does not follow prefers-color-scheme")
    return problems


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} PAGE.htm", file=sys.stderr)
        return 2
    problems = check(argv[1])
    for p in problems:
        print(f"{argv[1]}: {p}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
