// :vector, :matrix, :values, :display, :delete, :deleteall, :list
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/entry_names.h"
#include "commands/forms.h"
#include "commands/menu_commands.h"
#include "commands/value_editor.h"
#include "core/object_list.h"

namespace tq::cli {

namespace {


// Answers a list dialog by selecting the entries of `names`; names that are
// not in the list are reported and make the line fail.
void SelectNames(ConsoleContext& context, std::vector<std::string> names, bool* allFound) {
  ConsoleUi* ui = &context.ui();
  context.Answer<ObjectChoiceForm>([names, ui, allFound](ObjectChoiceForm& form) {
    form.selected.clear();
    for (const std::string& name : names) {
      if (auto index = EntryForName(form.entries, name))
        form.selected.push_back(*index);
      else {
        ui->Error("No matrix or vector named <" + name + "> in the list");
        *allFound = false;
      }
    }
    return true;
  });
}

bool RunCreate(ConsoleContext& context, const CommandLine& line, bool matrix) {
  const size_t sizes = matrix ? 2 : 1;
  if (line.args.size() < 1 + sizes || line.args.size() > 2 + sizes) return context.Usage(line.word.c_str());
  CreateObjectForm filled;
  filled.kind = matrix ? CreateObjectForm::Kind::kMatrix : CreateObjectForm::Kind::kVector;
  filled.name = line.args[0];
  std::optional<int> first = context.Integer(1);
  if (!first) return false;
  std::optional<int> second = matrix ? context.Integer(2) : first;
  if (!second) return false;
  std::optional<double> initial = 0.0;
  if (line.args.size() == 2 + sizes && !(initial = context.Number(1 + sizes))) return false;
  if (matrix) {
    filled.rows = *first;
    filled.columns = *second;
  } else {
    filled.elements = *first;
  }
  filled.initial = *initial;
  context.Answer<CreateObjectForm>([filled](CreateObjectForm& form) {
    form.kind = filled.kind;
    form.name = filled.name;
    form.rows = filled.rows;
    form.columns = filled.columns;
    form.elements = filled.elements;
    form.initial = filled.initial;
    return true;
  });
  return MenuCreateObject();
}

bool RunVector(ConsoleContext& context, const CommandLine& line) {
  return RunCreate(context, line, false);
}

bool RunMatrix(ConsoleContext& context, const CommandLine& line) {
  return RunCreate(context, line, true);
}

bool RunValues(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() < 2) return context.Usage("values");
  bool found = true, fits = true;
  SelectNames(context, {line.args[0]}, &found);
  std::vector<std::string> values(line.args.begin() + 1, line.args.end());
  ConsoleUi* ui = &context.ui();
  context.Answer<ValueEditorForm>([values, ui, &fits](ValueEditorForm& form) {
    MathObject& object = *form.object;
    int32_t columns = 1;
    int64_t count = 0;
    if (auto* matrix = dynamic_cast<MatrixObject*>(&object)) {
      columns = matrix->columns;
      count = matrix->count();
    } else if (auto* vector = dynamic_cast<VectorObject*>(&object)) {
      count = vector->size;
    }
    if (int64_t(values.size()) > count) {
      ui->Error("More values than elements in <" + object.name + ">");
      fits = false;
    }
    for (int64_t k = 0; k < int64_t(values.size()) && k < count; ++k)
      StoreCellText(object, int32_t(k / columns + 1), int32_t(k % columns + 1), values[size_t(k)]);
    return true;
  });
  bool done = MenuEditObject();
  return done && found && fits;
}

bool RunDisplay(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 1) return context.Usage("display");
  bool found = true;
  SelectNames(context, {line.args[0]}, &found);
  return MenuDisplayObject() && found;
}

bool RunDelete(ConsoleContext& context, const CommandLine& line) {
  if (line.args.empty()) return context.Usage("delete");
  bool found = true;
  SelectNames(context, line.args, &found);
  return MenuDeleteObjects() && found;
}

bool RunDeleteAll(ConsoleContext& context, const CommandLine& line) {
  if (!line.args.empty()) return context.Usage("deleteall");
  return MenuDeleteAllObjects();
}

bool RunList(ConsoleContext& context, const CommandLine& line) {
  if (!line.args.empty()) return context.Usage("list");
  constexpr uint32_t kAllKinds =
      OBJMASK_VARIABLE | OBJMASK_VECTOR | OBJMASK_MATRIX | OBJMASK_FUNCTION | OBJMASK_CHART;
  for (const std::string& entry : ObjectListEntries(kAllKinds)) context.ui().Output(entry + "\r\n");
  return true;
}

}  // namespace

void AddObjectCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"vector", "NAME SIZE [INIT]", "create a vector (Create dialog)", RunVector});
  table.push_back(
      {"matrix", "NAME ROWS COLS [INIT]", "create a matrix (Create dialog)", RunMatrix});
  table.push_back({"values", "NAME V...",
                   "set the elements in order, as typed into the value editor", RunValues});
  table.push_back({"display", "NAME", "display a matrix or vector", RunDisplay});
  table.push_back({"delete", "NAME...", "delete matrices or vectors", RunDelete});
  table.push_back({"deleteall", "", "delete all objects (asks first)", RunDeleteAll});
  table.push_back({"list", "", "one line per object", RunList});
}

}  // namespace tq::cli
