"""The calculator window driven through the accessibility bus: an entry
evaluated with the Enter button leaves the answer in the accumulator and
the report lines the console prints for the same expression."""

import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_driver import (DesktopTestError, Program, console_output, find, is_showing,  # noqa: E402
                            test_arguments, walk, wait_for)
from desktop_driver import text_of  # noqa: E402


def main():
    args = test_arguments()
    cli = os.path.join(args.bin, "tallyquist-cli")

    with Program(os.path.join(args.bin, "tallyquist"), artifacts=args.artifacts) as program:
        program.choose("Calc", "Formula Calculator")
        calculator = wait_for(
            lambda: next((n for n in walk(program.app)
                          if n.getRoleName() in ("frame", "dialog", "filler") and n.name == "Calculator"
                          and is_showing(n)), None),
            "the calculator window")
        entry = find(calculator, "text", "Expression")
        # Typed as a user types it, then the Enter key.
        entry.queryComponent().grabFocus()
        wait_for(lambda: entry.getState().contains(pyatspi.STATE_FOCUSED), "focus in the entry")
        subprocess.run(["xdotool", "type", "--delay", "20", "2^10+1"], check=True)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        program.wait_output(console_output(cli, "-c", "2^10+1"),
                            "the calculator's report lines")
        answer = find(calculator, "text", "Ans")
        wait_for(lambda: text_of(answer).strip() == "1025",
                 "1025 in the accumulator", found=lambda: repr(text_of(answer)))
        if "2^10+1" in text_of(entry) and text_of(entry) != "2^10+1":
            raise DesktopTestError(f"entry after evaluating: {text_of(entry)!r}")
    print("desktop calculator test passed")


if __name__ == "__main__":
    main()
