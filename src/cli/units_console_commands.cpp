// :convert
#include <string>
#include <vector>

#include "cli/console_commands.h"
#include "commands/unit_conversion.h"

namespace tq::cli {

namespace {

std::optional<UnitFamily> FamilyNamed(const std::string& word) {
  if (word == "weight") return UnitFamily::kWeight;
  if (word == "distance") return UnitFamily::kDistance;
  if (word == "angle") return UnitFamily::kAngle;
  if (word == "temperature") return UnitFamily::kTemperature;
  return std::nullopt;
}

bool RunConvert(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() != 4) return context.Usage("convert");
  std::string familyWord = line.args[0];
  for (char& c : familyWord) c = char(std::tolower(static_cast<unsigned char>(c)));
  std::optional<UnitFamily> family = FamilyNamed(familyWord);
  std::optional<int> from = ParseInteger(line.args[1]);
  std::optional<int> to = ParseInteger(line.args[2]);
  std::optional<double> value = ParseNumber(line.args[3]);
  if (!family || !from || !to || !value) return context.Usage("convert");
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

}  // namespace

void AddUnitCommands(std::vector<ConsoleCommand>& table) {
  table.push_back({"convert", "FAMILY FROM TO VALUE",
                   "unit conversion: FAMILY weight, distance, angle or temperature; FROM and TO "
                   "are unit indexes (0 first)",
                   RunConvert});
}

}  // namespace tq::cli
