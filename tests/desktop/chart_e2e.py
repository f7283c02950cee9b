"""A chart of two series built through the chart dialogs as a user would,
displayed, looked at on the screen, and saved as an image that matches what
the console's :plot draws for the saved workspace at the same size."""

import os
import re
import struct
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_driver import (DesktopTestError, Program, activate, describe, find,  # noqa: E402
                            is_showing, test_arguments, walk, wait_for)
from desktop_driver import check, click, demo_copy, extents, screen_box  # noqa: E402

# The two series: a label, the kind chosen in "Dialog data type", the
# sources typed into its lists, and the line colour chosen in "Drawing options".
SERIES = [
    ("measured", "Two vectors give X and Y values",
     {"Horizontal axis data vector": "x", "Vertical axis data vector": "y"}, "red"),
    ("damped", "Range of X values and a function to calculate Y values",
     {"Function to calculate vertical coordinate": "f"}, "blue"),
]


def series_colors(source):
    """The line colours by their list text, as the chart code defines them."""
    with open(os.path.join(source, "src", "chart", "chart_model.cpp")) as code:
        text = code.read()
    table = re.search(r"kColors\[kColorCount\] = \{(.*?)\};", text, re.S)
    names = re.search(r"kColorTexts\[kColorCount\] = \{(.*?)\};", text, re.S)
    check(table and names, "no colour table in src/chart/chart_model.cpp")
    rgb = [tuple(int(v) for v in m) for m in re.findall(r"\{(\d+), (\d+), (\d+)\}", table.group(1))]
    texts = re.findall(r'"([^"]*)"', names.group(1))
    check(len(rgb) == len(texts), f"colour table: {len(rgb)} colours for {len(texts)} names")
    return dict(zip(texts, rgb))


def labelled(window, label):
    """The control a label names (the label's buddy)."""
    node = find(window, "label", label, showing=True)
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
            return relation.getTarget(0)
    raise DesktopTestError(f"the label {label!r} names no control")


def set_combo_text(window, label, text):
    """Types a name into an editable drop-down list found by its label."""
    combo = labelled(window, label)
    field = next((n for n in walk(combo) if n.getRoleName() == "text"), None)
    check(field is not None, f"{label!r} is not an editable list:\n" + "\n".join(describe(combo)))
    field.queryEditableText().setTextContents(text)
    wait_for(lambda: combo.name == text, f"{text!r} in {label!r}", found=lambda: repr(combo.name))


def choose_in_combo(window, label, entry):
    """Opens a drop-down list with the mouse and clicks `entry`, as the
    list cannot be set over the accessibility bus."""
    combo = labelled(window, label)
    click(combo)
    item = wait_for(lambda: next((n for n in walk(combo) if n.getRoleName() == "list item"
                                  and n.name == entry and is_showing(n)), None),
                    f"{entry!r} shown in the open list {label!r}",
                    found=lambda: "\n".join(describe(combo)))
    click(item)
    wait_for(lambda: combo.name == entry, f"{entry!r} in {label!r}", found=lambda: repr(combo.name))


def list_items(window):
    return [n.name for n in walk(window) if n.getRoleName() == "list item"]


def close(program, window, button, what):
    program.press(window, button)
    wait_for(lambda: not is_showing(window), f"{what} to close")


def new_series(program, chart_parameters, label, kind, sources, color):
    program.press(chart_parameters, "New data set")
    types = program.dialog("Dialog data type")
    choice = find(types, "radio button", kind)
    activate(choice)
    wait_for(lambda: choice.getState().contains(pyatspi.STATE_CHECKED), f"{kind!r} chosen")
    close(program, types, "OK", "Dialog data type")
    series = wait_for(lambda: next((n for n in walk(program.app) if n.getRoleName() == "dialog"
                                    and n.name.startswith("New Data Set") and is_showing(n)),
                                   None), "a series dialog")
    for field, name in sources.items():
        set_combo_text(series, field, name)
    label_field = labelled(series, "Data series label")
    label_field.queryEditableText().setTextContents(label)
    close(program, series, "OK", series.name)
    options = program.dialog("Drawing options")
    choose_in_combo(options, "Line color", color)
    close(program, options, "OK", "Drawing options")
    wait_for(lambda: label in list_items(chart_parameters), f"{label!r} in the list of data series",
             found=lambda: repr(list_items(chart_parameters)))


def screenshot_pixels(box, path):
    """The screen inside `box` (AT-SPI units), saved at `path`; its size and
    its pixels as RGB bytes."""
    x, y, w, h = screen_box(box)
    subprocess.run(["import", "-window", "root", "-crop", f"{w}x{h}+{x}+{y}", "+repage", path],
                   check=True)
    return (w, h), rgb_bytes(path)


def rgb_bytes(path):
    return subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                          check=True).stdout


def count_color(pixels, rgb):
    """Pixels of the colour drawn at least half covering white (lines are
    drawn smoothed, so a sloping line has few pixels of the exact colour)."""
    count = 0
    for i in range(0, len(pixels), 3):
        if pixels[i:i + 3] == b"\xff\xff\xff":
            continue
        cover = [(255 - p) / (255 - c) for p, c in zip(pixels[i:i + 3], rgb)]
        if min(cover) >= 0.5 and max(cover) - min(cover) <= 0.05:
            count += 1
    return count


def png_size(path):
    with open(path, "rb") as image:
        head = image.read(24)
    check(head[:8] == b"\x89PNG\r\n\x1a\n", f"{path} is not a PNG image")
    return struct.unpack(">II", head[16:24])


def main():
    args = test_arguments()
    colors = series_colors(args.source)
    work, demo = demo_copy(args.source)
    saved = os.path.join(work, "saved.png")
    cli = os.path.join(args.bin, "tallyquist-cli")
    os.makedirs(args.artifacts, exist_ok=True)

    with Program(os.path.join(args.bin, "tallyquist"), [demo], artifacts=args.artifacts) as program:
        program.choose("Numerical", "Graphics")
        chooser = program.dialog("Chart Dialog")
        program.press(chooser, "Create a new Chart")
        parameters = program.dialog("New Chart parameters")
        name = labelled(parameters, "Chart object name")
        chart = name.queryText().getText(0, -1)
        check(re.fullmatch(r"Chart\d+", chart), f"the new chart's name: {chart!r}")
        for series in SERIES:
            new_series(program, parameters, *series)
        close(program, parameters, "OK", "New Chart parameters")

        program.press(chooser, "Display Chart")
        window = program.dialog("Display Chart")
        area = find(window, "filler", "Chart", showing=True)
        # Both lines on the screen once the window has painted them.
        seen = {}

        def both_lines_shown():
            size, pixels = screenshot_pixels(extents(window),
                                             os.path.join(args.artifacts, "window.png"))
            seen.update({f"{label}'s {color} {colors[color]}": count_color(pixels, colors[color])
                         for label, _, _, color in SERIES}, size=size)
            return all(count >= 100 for key, count in seen.items() if key != "size")

        wait_for(both_lines_shown, "100 or more pixels of each series' line colour in a "
                 "screenshot of the chart window", timeout=10, found=lambda: repr(seen))

        # Saved as an image: the chart area's size, as the console draws it.
        area_size = extents(area)[2:]
        program.press(window, "Save as image...")
        program.choose_file("Save chart as image", saved, "Save")
        wait_for(lambda: os.path.exists(saved) and os.path.getsize(saved) > 0, f"{saved} written")
        close(program, window, "Close window", "the chart window")
        close(program, chooser, "Cancel", "Chart Dialog")

        check("*" in program.frame.name, f"no modified mark in {program.frame.name!r}")
        program.choose("File", "Save\tCtrl+S")
        wait_for(lambda: "*" not in program.frame.name, "the workspace saved (no * in the title)",
                 found=lambda: repr(program.frame.name))

    plotted = os.path.join(work, "plotted.png")
    command = [cli, demo, "-c", f":plot {chart} {plotted} {area_size[0]}x{area_size[1]}"]
    result = subprocess.run(command, capture_output=True, text=True, check=False)
    check(os.path.exists(plotted), f"{' '.join(command)} wrote nothing:\n{result.stdout}")
    check(png_size(saved) == png_size(plotted) == tuple(area_size),
          f"saved image {png_size(saved)}, the console's {png_size(plotted)}, "
          f"chart area {tuple(area_size)}")
    check(rgb_bytes(saved) == rgb_bytes(plotted), "the saved image differs from the console's")
    print("desktop chart test passed")


if __name__ == "__main__":
    main()
