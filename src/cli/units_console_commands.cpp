// :convert, :units
#include <cctype>
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/unit_conversion.h"
#include "units/unit_tables.h"

namespace tq::cli {

namespace {

struct FamilyName {
  const char* word;
  UnitFamily family;
};

constexpr FamilyName kFamilies[] = {{"weight", UnitFamily::kWeight},
                                    {"distance", UnitFamily::kDistance},
                                    {"angle", UnitFamily::kAngle},
                                    {"temperature", UnitFamily::kTemperature}};

std::string Lowered(std::string text) {
  for (char& c : text) c = char(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::optional<UnitFamily> FamilyNamed(const std::string& word) {
  const std::string lowered = Lowered(word);
  for (const FamilyName& family : kFamilies)
    if (lowered == family.word) return family.family;
  return std::nullopt;
}

// The abbreviation a list entry shows in parentheses ("kg" of "kilograms (kg)").
std::string Abbreviation(const std::string& entry) {
  size_t open = entry.find('(');
  size_t close = entry.find(')', open);
  if (open == std::string::npos || close == std::string::npos) return {};
  std::string inside = entry.substr(open + 1, close - open - 1);
  while (!inside.empty() && inside.front() == ' ') inside.erase(0, 1);
  while (!inside.empty() && inside.back() == ' ') inside.pop_back();
  return inside;
}

// A unit given by its index in the list, by its abbreviation, or by a
// prefix of its list text that no other unit of the family shares; case
// does not matter and "_" stands for a blank. Empty with `why` set.
std::optional<int> UnitNamed(UnitFamily family, const std::string& word, std::string* why) {
  std::span<const char* const> names = UnitNames(family);
  if (std::optional<int> index = ParseInteger(word)) {
    if (*index >= 0 && size_t(*index) < names.size()) return index;
    *why = "no unit has that index (0 to " + std::to_string(names.size() - 1) + ")";
    return std::nullopt;
  }
  std::string wanted = Lowered(word);
  for (char& c : wanted)
    if (c == '_') c = ' ';
  std::vector<int> prefixed;
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string entry = Lowered(names[i]);
    if (entry == wanted || Lowered(Abbreviation(names[i])) == wanted) return int(i);
    if (entry.rfind(wanted, 0) == 0) prefixed.push_back(int(i));
  }
  if (prefixed.size() == 1) return prefixed[0];
  if (prefixed.empty()) {
    *why = "no unit of this family has that name (:units lists them)";
  } else {
    *why = "more than one unit has that name:";
    for (int i : prefixed) *why += std::string(" ") + names[size_t(i)] + ",";
    why->pop_back();
  }
  return std::nullopt;
}

bool RunConvert(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 4) return context.Usage("convert");
  std::optional<UnitFamily> family = FamilyNamed(line.args[0]);
  if (!family)
    return context.BadArgument(0, "not a unit family (weight, distance, angle or temperature)");
  std::string why;
  std::optional<int> from = UnitNamed(*family, line.args[1], &why);
  if (!from) return context.BadArgument(1, why);
  std::optional<int> to = UnitNamed(*family, line.args[2], &why);
  if (!to) return context.BadArgument(2, why);
  std::optional<double> value = context.Number(3);
  if (!value) return false;
  context.Answer<UnitChooserForm>([from, to](UnitChooserForm& form) {
    form.from = *from;
    form.to = *to;
    return true;
  });
  context.Answer<UnitConverterForm>([value](UnitConverterForm& form) {
    form.from = *value;
    return true;  // Convert, the default button
  });
  return UnitConversionCommand(*family);
}

bool RunUnits(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() > 1) return context.Usage("units");
  std::optional<UnitFamily> only;
  if (!line.args.empty() && !(only = FamilyNamed(line.args[0])))
    return context.BadArgument(0, "not a unit family (weight, distance, angle or temperature)");
  std::string text;
  for (const FamilyName& family : kFamilies) {
    if (only && *only != family.family) continue;
    text += std::string(family.word) + ":\r\n";
    std::span<const char* const> names = UnitNames(family.family);
    for (size_t i = 0; i < names.size(); ++i)
      text += "  " + std::to_string(i) + "  " + names[i] + "\r\n";
  }
  context.ui().Output(text);
  return true;
}

}  // namespace

void AddUnitCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"convert", "FAMILY FROM TO VALUE",
                   "unit conversion: FAMILY weight, distance, angle or temperature; FROM and TO "
                   "are unit indexes (0 first) or names as :units lists them",
                   RunConvert});
  table.push_back({"units", "[FAMILY]", "the units of each family with their indexes", RunUnits});
}

}  // namespace tq::cli
