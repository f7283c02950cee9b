"""A working session driven through the accessibility bus as a user would:
matrices created and filled, multiplied, inverted and solved, a t-test and
a regression on the demo vectors, roots and an integral of functions made
with the search dialogs' New, a function for all elements of a matrix and
a unit conversion. After each step the output window must hold exactly
what the console program prints for the same commands."""

import os
import subprocess
import sys

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop_driver import (DesktopTestError, Program, console_output, describe, find,  # noqa: E402
                            is_showing, test_arguments, walk, wait_for)
from desktop_driver import check, click, demo_copy, select_item, text_of  # noqa: E402

A = ["4", "-2", "1", "3", "6", "-4", "2", "1", "8"]
B = ["1", "2", "3", "0", "1", "4", "5", "6", "0"]
RHS = ["12", "-25", "32"]


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "40"] + list(names), check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", "--", text], check=True)


def showing(root, role):
    return [n for n in walk(root) if n.getRoleName() == role and is_showing(n)]


def field(dialog, label):
    """The text field named by its label."""
    return wait_for(lambda: next((n for n in showing(dialog, "text") if n.name == label), None),
                    f"the field {label!r}",
                    found=lambda: repr([n.name for n in showing(dialog, "text")]))


def fill(dialog, label, text):
    edit = field(dialog, label)
    edit.queryEditableText().setTextContents(text)
    wait_for(lambda: text_of(edit) == text, f"{text!r} in {label!r}",
             found=lambda: repr(text_of(edit)))


def combos(dialog, count):
    """The dialog's drop-down lists in their order; there must be `count`."""
    return wait_for(lambda: (lambda found: found if len(found) == count else None)(
        showing(dialog, "combo box")), f"{count} drop-down lists",
        found=lambda: "\n" + "\n".join(describe(dialog, limit=6)))


def pick(combo, name):
    """Chooses the entry of the object `name` with the keyboard, as a user
    does: the entry's first word is the object's name (a function's ends
    in a colon)."""
    items = [n.name for n in walk(combo) if n.getRoleName() == "list item"]
    index = next((i for i, item in enumerate(items)
                  if item.split() and item.split()[0].rstrip(":") == name), None)
    if index is None:
        raise DesktopTestError(f"no entry {name!r} in the drop-down list; found {items!r}")
    click(combo)
    popup = wait_for(lambda: next((n for n in walk(combo) if n.getRoleName() == "list"
                                   and is_showing(n)), None), "the drop-down list open")
    keys("Home", *(["Down"] * index), "Return")
    wait_for(lambda: not is_showing(popup), "the drop-down list to close")
    wait_for(lambda: combo.name == items[index], f"{items[index]!r} chosen",
             found=lambda: repr(combo.name))


def type_name(combo, name):
    """Types a name into an editable drop-down list."""
    edit = next(n for n in walk(combo) if n.getRoleName() == "text")
    edit.queryEditableText().setTextContents(name)
    wait_for(lambda: text_of(edit) == name, f"{name!r} typed", found=lambda: repr(text_of(edit)))


def buttons(dialog):
    return [n for n in showing(dialog, "push button")]


def press(program, dialog, name=None):
    """Presses the button `name`, or the dialog's first (its action)."""
    if name is None:
        program.press(dialog, buttons(dialog)[0].name)
    else:
        program.press(dialog, name)


def closed(dialog, what):
    wait_for(lambda: not is_showing(dialog), f"{what} to close")


class Session:
    def __init__(self, program, cli, demo):
        self.program = program
        self.cli = cli
        self.demo = demo
        self.lines = []

    def expect(self, *lines, what):
        """The console lines of the step just taken: the window must now
        hold what the console prints for every line so far."""
        for line in lines:
            self.lines += ["-c", line]
        expected = console_output(self.cli, "--yes", self.demo, *self.lines)
        self.program.wait_output(expected, f"the output after {what}")

    # Steps

    def create_matrix(self, name, replaces=False):
        program = self.program
        program.choose("Matrix", "Create Matrix or Vector")
        dialog = program.dialog("Create Matrix or Vector")
        self._kind(dialog, "Create Matrix")
        fill(dialog, "Number of rows", "3")
        fill(dialog, "Number of columns", "3")
        fill(dialog, "Name", name)
        press(program, dialog, "OK")
        if replaces:
            program.answer("Yes")
        closed(dialog, "the Create dialog")

    def create_vector(self, name):
        program = self.program
        program.choose("Matrix", "Create Matrix or Vector")
        dialog = program.dialog("Create Matrix or Vector")
        self._kind(dialog, "Create Vector")
        fill(dialog, "Number of elements", "3")
        fill(dialog, "Name", name)
        press(program, dialog, "OK")
        closed(dialog, "the Create dialog")

    @staticmethod
    def _kind(dialog, text):
        radio = find(dialog, "radio button", text, showing=True)
        if not radio.getState().contains(pyatspi.STATE_CHECKED):
            click(radio)
            wait_for(lambda: radio.getState().contains(pyatspi.STATE_CHECKED), f"{text!r} chosen")

    def edit_values(self, entry, title, values, columns):
        """Opens the value editor on `entry` and types the values row by
        row, moving with the arrow keys."""
        program = self.program
        program.choose("Matrix", "Edit Matrix or Vector")
        chooser = program.dialog("Edit Matrix or Vector")
        select_item(chooser, entry)
        press(program, chooser, "Edit")
        editor = program.dialog(title)
        table = find(editor, "table", showing=True).queryTable()
        first = wait_for(lambda: table.getAccessibleAt(0, 1), "the first cell")
        click(first)
        wait_for(lambda: first.getState().contains(pyatspi.STATE_SELECTED), "the first cell chosen")
        for i, value in enumerate(values):
            if i and i % columns == 0:
                keys("Down", "Home")
            elif i:
                keys("Right")
            type_text(value)
            keys("Return")
        # The keys and the Close button come by different roads: every value
        # is in its cell before Close is pressed.
        for i, value in enumerate(values):
            cell = table.getAccessibleAt(i // columns, i % columns + 1)
            wait_for(lambda: cell.name.strip() == value, f"{value!r} in cell {i + 1}",
                     found=lambda: repr(cell.name))
        program.press(editor, "Close")
        closed(editor, "the value editor")

    def display(self, entry):
        program = self.program
        program.choose("Matrix", "Display Matrix or Vector")
        chooser = program.dialog("Display Matrix or Vector")
        select_item(chooser, entry)
        press(program, chooser, "Display")
        closed(chooser, "the Display dialog")
        self.expect(":display " + entry.split()[0], what=f"displaying {entry!r}")

    def operation(self, menu, item, title, sources, output):
        program = self.program
        program.choose(menu, item)
        dialog = program.dialog(title)
        lists = combos(dialog, len(sources) + 1)
        for combo, name in zip(lists, sources):
            pick(combo, name)
        type_name(lists[-1], output)
        press(program, dialog)
        return dialog

    def function_from_search_dialog(self, dialog, name, body):
        """Creates the function with the dialog's New and checks that the
        list shows it."""
        program = self.program
        press(program, dialog, "New")
        edit = program.dialog("Edit function")
        fill(edit, "Function name", name)
        body_field = next(n for n in showing(edit, "text")
                          if n.name != "Function name" and not n.name.startswith("Description"))
        body_field.queryEditableText().setTextContents(body)
        press(program, edit, "OK")
        closed(edit, "the function dialog")
        function = combos(dialog, 1)[0]
        wait_for(lambda: function.name.split()[0] == name if function.name.split() else False,
                 f"{name!r} shown in the function list", found=lambda: repr(function.name))


def main():
    args = test_arguments()
    work, demo = demo_copy(args.source)
    cli = os.path.join(args.bin, "tallyquist-cli")

    with Program(os.path.join(args.bin, "tallyquist"), [demo], artifacts=args.artifacts) as program:
        session = Session(program, cli, demo)
        session.expect(what="opening the demo workspace")

        session.create_matrix("A", replaces=True)
        session.create_matrix("B", replaces=True)  # names ignore case: the demo's b goes
        session.create_vector("rhs")
        session.expect(":matrix A 3 3", ":matrix B 3 3", ":vector rhs 3",
                       what="creating A, B and rhs")
        session.edit_values("A  matrix 3x3", "Edit values in matrix", A, 3)
        session.edit_values("B  matrix 3x3", "Edit values in matrix", B, 3)
        session.edit_values("rhs  vector (3)", "Edit values in vector", RHS, 1)
        session.expect(":values A " + " ".join(A), ":values B " + " ".join(B),
                       ":values rhs " + " ".join(RHS), what="filling A, B and rhs")

        session.operation("Matrix", "Multiply Matrices and Vectors",
                          "Multiply Matrices and Vectors", ["A", "B"], "AB")
        session.expect(":multiply A B AB", what="multiplying A and B")
        session.display("AB  matrix 3x3")
        session.operation("Matrix", "Inverse Matrix", "Inverse Matrix", ["A"], "Ainv")
        session.expect(":inverse A Ainv", what="inverting A")
        session.display("Ainv  matrix 3x3")
        session.operation("Matrix", "System of linear equations",
                          "Solve system of linear equations", ["A", "rhs"], "xs")
        session.expect(":solve A rhs xs", what="solving A x = rhs")
        session.display("xs  vector (3)")

        session.operation("Stat", "Student's t-test", "Student's t-test", ["x", "y"], "tt")
        options = program.dialog("Student's t-test options")
        press(program, options, "OK")
        session.expect(":ttest x y tt equal", what="the t-test of x and y")

        program.choose("Stat", "Linear Regression")
        chooser = program.dialog("Linear regression multiple variables")
        select_item(chooser, "x  vector (6)")
        press(program, chooser, "OK")
        fitting = program.dialog("Linear regression multiple")
        lists = combos(fitting, 2)
        pick(lists[0], "y")
        type_name(lists[1], "reg")
        press(program, fitting, "Fitting")
        options = program.dialog("Output options")
        check(is_showing(fitting), "the fitting dialog stays in sight under its output options")
        save = find(options, "check box", showing=True)
        click(save)
        wait_for(lambda: not save.getState().contains(pyatspi.STATE_CHECKED), "saving unticked")
        press(program, options, "OK")
        session.expect(":regression y reg x", what="the regression of y on x")

        program.choose("Numerical", "Find roots")
        search = program.dialog("Find roots")
        session.function_from_search_dialog(search, "fx", "cos(x)-x")
        press(program, search, "OK")
        options = program.dialog("Output options")
        check(not is_showing(search), "the search dialog out of sight under the output options")
        press(program, options, "OK")
        closed(options, "the output options")
        session.expect(":function fx cos(x)-x", ":roots fx -100 100",
                       what="finding the roots of cos(x)-x")

        program.choose("Numerical", "Integral")
        integral = program.dialog("Calculate integral")
        session.function_from_search_dialog(integral, "gauss", "exp(-x*x)")
        fill(integral, "Lower limit A", "-5")
        fill(integral, "Upper limit B", "5")
        press(program, integral, "OK")
        closed(integral, "the integral dialog")
        session.expect(":function gauss exp(-x*x)", ":integral gauss -5 5",
                       what="integrating exp(-x*x) from -5 to 5")

        program.choose("Calc", "Compute for all elements")
        compute = program.dialog("Compute Function for all elements")
        lists = combos(compute, 3)
        pick(lists[0], "A")
        pick(lists[1], "f")
        type_name(lists[2], "fA")
        press(program, compute, "Compute")
        closed(compute, "the compute dialog")
        session.expect(":compute A f fA", what="computing f for all elements of A")
        session.display("fA  matrix 3x3")

        program.choose("Calc", "Temperature units conversion")
        chooser = program.dialog("Temperature units conversion")
        press(program, chooser, "OK")
        converter = program.dialog("Units conversion")
        from_field = next(n for n in showing(converter, "text") if n.name.startswith("convert from"))
        from_field.queryEditableText().setTextContents("100")
        press(program, converter, "Convert")
        session.expect(":convert temperature C F 100", what="converting 100 degrees Celsius")
        press(program, converter, "Close")
        closed(converter, "the converter")
        program.save_evidence("workbench-end")
    print("desktop workbench session test passed")


if __name__ == "__main__":
    main()
