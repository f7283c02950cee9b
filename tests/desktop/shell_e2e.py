"""The main window driven through the accessibility bus: menus, task bar,
precondition messages, opening and merging, saving and clearing the output
window, the save-changes question. Compares with the console program."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_driver import (Program, console_output, find,  # noqa: E402
                            test_arguments, walk)
from desktop_driver import check, demo_copy  # noqa: E402

M1 = ("There are no matrices or vectors in the list. You must create matrix or vector before "
      "using this function.")
M2 = "There are no matrices in the list. You must create matrix before using this function."
M3 = (M2 + " This will create inverse matrix. Input matrix must have equal number of rows and "
      "columns.")
M4 = ("There are no matrices in the list. This will solve system of linear equations in the form "
      "A*x=b where A is a matrix and x and b are vectors. You must create matrix A of equation "
      "coefficients before using this function. Matrix must have equal number of rows and columns")
M6 = ("There are no data vectors in the list. You must create data vector before using this "
      "function.")
NO_ITEMS = "No items in the list.\nYou must create matrix or vector first."

MENUS = {
    "File": ["New\tCtrl+N", "Open...\tCtrl+O", "Save\tCtrl+S", "Save As...", "Print...\tCtrl+P",
             "Print Preview", "Print Setup...", "Exit"],
    "Edit": ["Undo\tCtrl+Z", "Cut\tCtrl+X", "Copy\tCtrl+C", "Paste\tCtrl+V",
             "Save window text...", "Clear application window", "Delete all objects"],
    "Matrix": ["Create Matrix or Vector", "Edit Matrix or Vector", "Delete",
               "Display Matrix or Vector", "Import data from file", "Export data to file",
               "Transpose Matrix", "Inverse Matrix", "Add Matrices or Vectors",
               "Subtract Matrices or Vectors", "Multiply Matrices and Vectors",
               "System of linear equations"],
    "Calc": ["Formula Calculator", "Units conversion", "Variables...", "Functions...",
             "Compute for all elements", "Execute function"],
    "Stat": ["Moments of distribution", "Student's t-test", "F-test of variances",
             "Chi-Square test", "Linear Regression"],
    "Numerical": ["Graphics", "Find roots", "Integral", "Find Maximums", "Find Minimums"],
    "View": ["Toolbar", "Status Bar", "Fixed Width Font"],
    "Help": ["Help"],
}
TASK_BAR = ["Matrices", "Linear algebra", "Calculator", "Statistics", "Units conversion",
            "Graphics", "Functions", "Variables", "Numerical methods"]


def check_menus_and_task_bar(program):
    check(program.menu_names() == list(MENUS), f"menus: {program.menu_names()}")
    for menu, items in MENUS.items():
        found = program.menu_items(menu)
        check(found == items, f"{menu} menu: {found}")
    task_bar = find(program.frame, "filler", "Task bar")
    buttons = [n.name for n in walk(task_bar) if n.getRoleName() == "push button"]
    check(buttons == TASK_BAR, f"task bar: {buttons}")


def check_preconditions(program):
    for menu, item, message in [
        ("Matrix", "Display Matrix or Vector", M1),
        ("Matrix", "Edit Matrix or Vector", M1),
        ("Matrix", "Import data from file", NO_ITEMS),
        ("Matrix", "Export data to file", NO_ITEMS),
        ("Matrix", "Transpose Matrix", M2),
        ("Matrix", "Inverse Matrix", M3),
        ("Matrix", "System of linear equations", M4),
        ("Stat", "Moments of distribution", M6),
        ("Edit", "Save window text...", "Application window is empty.\nNothing to save."),
    ]:
        program.choose(menu, item)
        program.answer("OK", expect=message)


def main():
    args = test_arguments()
    work, demo = demo_copy(args.source)
    window_text = os.path.join(work, "window.txt")
    cli = os.path.join(args.bin, "tallyquist-cli")

    with Program(os.path.join(args.bin, "tallyquist"), artifacts=args.artifacts) as program:
        check_menus_and_task_bar(program)
        check_preconditions(program)

        # Opening the demo workspace reports what the console reports.
        program.choose("File", "Open...\tCtrl+O")
        program.choose_file("Open", demo, "Open")
        expected = console_output(cli, demo)
        program.wait_output(expected, "the report of opening the demo workspace")
        check("demo.mts" in program.frame.name, f"title: {program.frame.name!r}")

        # Save window text writes exactly the window's text.
        program.choose("Edit", "Save window text...")
        program.choose_file("Save window text", window_text, "Save")
        with open(window_text) as saved:
            check(saved.read() == program.output_text(), "the saved window text differs")

        # Opening over objects asks whether to delete them; No merges.
        program.choose("File", "Open...\tCtrl+O")
        program.choose_file("Open", demo, "Open")
        question = program.answer("No")
        check(question.startswith("Delete all existing objects?"), f"merge question: {question!r}")
        merged = console_output(cli, demo, "--no", "-c", ":open " + demo)
        program.wait_output(expected + merged.split("Workspace loaded from file\n", 1)[1],
                            "the reports of merging the workspace")

        # Clear application window asks, then empties the window.
        program.choose("Edit", "Clear application window")
        program.answer("Yes", expect="Delete all text from application window ?")
        program.wait_output("")

        # A change marks the workspace; New asks to save it first.
        program.choose("Edit", "Delete all objects")
        program.answer("Yes")
        deleted = console_output(cli, demo, "--yes", "-c", ":deleteall")
        program.wait_output(deleted.split("Workspace loaded from file\n", 1)[1],
                            "the reports of deleting every object")
        check("*" in program.frame.name, f"no modified mark in {program.frame.name!r}")
        program.choose("File", "New\tCtrl+N")
        program.answer("Cancel", expect="Save changes to demo.mts?")
        program.choose("File", "New\tCtrl+N")
        program.answer("No", expect="Save changes to demo.mts?")
        program.save_evidence("shell-end")
    print("desktop shell test passed")


if __name__ == "__main__":
    main()
