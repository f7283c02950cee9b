"""The vector editor driven as a user would: a cell of a 3-element vector
edited with F2, then Display shows the new value as the console does."""

import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_driver import (Program, console_output, is_showing, test_arguments,  # noqa: E402
                            walk, wait_for)
from desktop_driver import click, demo_copy, select_item  # noqa: E402


def choose_from_list(program, title, entry, button):
    dialog = program.dialog(title)
    select_item(dialog, entry)
    program.press(dialog, button)
    return dialog


def main():
    args = test_arguments()
    work, demo = demo_copy(args.source)
    cli = os.path.join(args.bin, "tallyquist-cli")

    with Program(os.path.join(args.bin, "tallyquist"), [demo], artifacts=args.artifacts) as program:
        program.wait_output(console_output(cli, demo))
        program.choose("Matrix", "Edit Matrix or Vector")
        choose_from_list(program, "Edit Matrix or Vector", "b  vector (3)", "Edit")
        editor = program.dialog("Edit values in vector")
        cell = wait_for(lambda: next((n for n in walk(editor) if n.getRoleName() == "table cell"
                                      and n.name.strip() == "4" and is_showing(n)), None),
                        "the cell holding 4")
        click(cell)
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", "F2", "ctrl+a"], check=True)
        subprocess.run(["xdotool", "type", "--delay", "20", "--", "-7.5"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        program.press(editor, "Close")
        wait_for(lambda: not is_showing(editor), "the editor to close")

        program.choose("Matrix", "Display Matrix or Vector")
        choose_from_list(program, "Display Matrix or Vector", "b  vector (3)", "Display")
        expected = console_output(cli, demo, "-c", ":values b 2 -7.5 10", "-c", ":display b")
        shown = expected.split("Workspace loaded from file\n", 1)[1]
        wait_for(lambda: program.output_text().endswith(shown), "the edited vector displayed",
                 found=lambda: repr(program.output_text()))
    print("desktop value editor test passed")


if __name__ == "__main__":
    main()
