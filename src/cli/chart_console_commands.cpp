// :chart, :series, :chartoptions, :plot
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "chart/chart_model.h"
#include "cli/console_commands.h"
#include "commands/chart_dialog.h"
#include "commands/chart_forms.h"
#include "commands/entry_names.h"
#include "commands/series_dialogs.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "render/chart_file_writer.h"

namespace tq::cli {

namespace {

constexpr int32_t kDefaultPlotWidth = 800;
constexpr int32_t kDefaultPlotHeight = 600;

ChartObject* FindChart(ConsoleContext& context, const std::string& name) {
  auto* chart = FindObjectAs<ChartObject>(name, OBJMASK_CHART);
  if (!chart) context.ui().Error("No chart named <" + name + "> in the list");
  return chart;
}

// The entry of the Chart dialog's list that the user would pick for `name`.
std::optional<int32_t> ChartEntryFor(const std::vector<std::string>& entries,
                                     const std::string& name) {
  std::optional<int32_t> folded;
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string entryName = entries[i];
    CutEntryName(entryName);
    if (entryName == name) return int32_t(i);
    if (!folded && NamesEqualIgnoringCase(entryName, name)) folded = int32_t(i);
  }
  return folded;
}

bool RunChart(ConsoleContext& context, const CommandLine& line) {
  if (line.args.empty()) return context.Usage("chart");
  const std::string& name = line.args[0];
  const std::string title = line.args.size() > 1 ? line.RestAfter(1) : std::string();
  auto* chart = FindObjectAs<ChartObject>(name, OBJMASK_CHART);
  // A chart is made without series; :series adds them.
  if (!chart) return CreateEmptyChart(name, title.empty() ? name : title);
  if (chart->SeriesList.empty()) return title.empty() || RetitleEmptyChart(*chart, title);
  context.Answer<ChartParametersForm>([title](ChartParametersForm& form) {
    if (!title.empty()) form.chartTitle = title;
    return true;  // OK, the default button
  });
  return RunChartParameters(*chart, false);
}

// The drawing options typed after the series' fields; -1 keeps the
// series' own.
struct DrawingStyle {
  int32_t lineType = -1;
  int32_t lineColor = -1;
  int32_t markerShape = -1;
  int32_t markerSize = -1;
};

// A drawing option "word=value": the value is an index of the list, its
// text with '_' for blanks, or the text's first word.
bool ParseDrawingOption(const std::string& arg, DrawingStyle& style) {
  const size_t eq = arg.find('=');
  const std::string key = arg.substr(0, eq), value = arg.substr(eq + 1);
  struct Option {
    const char* key;
    int32_t DrawingStyle::*field;
    const char* const* texts;
    int32_t count;
  };
  static const Option kOptions[] = {
      {"line", &DrawingStyle::lineType, kLineTypeTexts, 3},
      {"color", &DrawingStyle::lineColor, kColorTexts, kColorCount},
      {"marker", &DrawingStyle::markerShape, kMarkerShapeTexts, 6},
      {"size", &DrawingStyle::markerSize, kMarkerSizeTexts, 6},
  };
  for (const Option& option : kOptions) {
    if (key != option.key) continue;
    std::optional<int> index = ParseInteger(value);
    for (int32_t i = 0; !index && i < option.count; ++i) {
      std::string text = option.texts[i];
      const std::string firstWord = text.substr(0, text.find(' '));
      for (char& c : text) c = c == ' ' ? '_' : c;
      if (text == value || firstWord == value) index = i;
    }
    if (!index || *index < 0 || *index >= option.count) return false;
    style.*option.field = *index;
    return true;
  }
  return false;
}

bool RunSeries(ConsoleContext& context, const CommandLine& line) {
  std::vector<std::string> positional;
  DrawingStyle style;
  for (size_t i = 0; i < line.args.size(); ++i) {
    const std::string& arg = line.args[i];
    if (arg.find('=') == std::string::npos) {
      positional.push_back(arg);
    } else if (!ParseDrawingOption(arg, style)) {
      return context.BadOption(arg, "not a drawing option of the list");
    }
  }
  if (positional.size() != 5 && positional.size() != 8) return context.Usage("series");
  std::optional<int> type = context.Integer(positional[2], 2);
  if (!type) return false;
  if (*type < 1 || *type > 5) return context.BadArgument(2, "not between 1 and 5");
  std::optional<double> min = 1.0, max = 10.0, points = 10.0;
  if (positional.size() == 8 &&
      (!(min = context.Number(positional[5], 5)) || !(max = context.Number(positional[6], 6)) ||
       !(points = context.Number(positional[7], 7))))
    return false;
  ChartObject* chart = FindChart(context, positional[0]);
  if (!chart) return false;

  const std::string label = positional[1];
  const std::string source1 = positional[3] == "-" ? std::string() : positional[3];
  const std::string source2 = positional[4] == "-" ? std::string() : positional[4];
  const bool withRange = positional.size() == 8;
  SeriesObject* existing = nullptr;
  for (auto& series : chart->SeriesList)
    if (series->Label == label) existing = series.get();
  if (existing && existing->SeriesType != *type) {
    context.ui().Error("Series <" + label + "> of chart <" + chart->name + "> is of type " +
                       std::to_string(existing->SeriesType));
    return false;
  }

  if (!existing)
    context.Answer<DataTypeForm>([type](DataTypeForm& form) {
      form.selected = *type - 1;
      return true;
    });
  context.Answer<SeriesForm>([=](SeriesForm& form) {
    form.source1.text = source1;
    form.source2.text = source2;
    form.label = label;
    if (withRange) {
      form.rangeMin = *min;
      form.rangeMax = *max;
      form.points = *points;
    }
    return true;
  });
  context.Answer<DrawingOptionsForm>([style](DrawingOptionsForm& form) {
    if (style.lineType >= 0) form.lineType = style.lineType;
    if (style.lineColor >= 0) form.lineColor = style.lineColor;
    if (style.markerShape >= 0) form.markerShape = style.markerShape;
    if (style.markerSize >= 0) form.markerSize = style.markerSize;
    return true;
  });
  return existing ? EditDataSet(*chart, *existing) : NewDataSet(*chart);
}

// One word of :chartoptions; false for an unknown word.
bool ApplyOptionWord(const std::vector<std::string>& args, size_t& at, ChartOptionsForm& form) {
  const std::string& word = args[at];
  struct Flag {
    const char* on;
    const char* off;
    bool ChartOptionsForm::*field;
  };
  static const Flag kFlags[] = {
      {"auto", "noauto", &ChartOptionsForm::autoRange},
      {"grid", "nogrid", &ChartOptionsForm::gridlines},
      {"polar", "nopolar", &ChartOptionsForm::polar},
      {"title", "notitle", &ChartOptionsForm::showTitle},
      {"xlabel", "noxlabel", &ChartOptionsForm::showXLabel},
      {"ylabel", "noylabel", &ChartOptionsForm::showYLabel},
  };
  for (const Flag& flag : kFlags) {
    if (word == flag.on || word == flag.off) {
      form.*flag.field = word == flag.on;
      return true;
    }
  }
  if (word != "range" || at + 4 >= args.size()) return false;
  std::optional<double> values[4];
  for (int k = 0; k < 4; ++k) values[k] = ParseNumber(args[at + 1 + size_t(k)]);
  if (!values[0] || !values[1] || !values[2] || !values[3]) return false;
  form.xMin = *values[0];
  form.xMax = *values[1];
  form.yMin = *values[2];
  form.yMax = *values[3];
  at += 4;
  return true;
}

bool RunChartOptionsCommand(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() < 2) return context.Usage("chartoptions");
  const std::vector<std::string> words(line.args.begin() + 1, line.args.end());
  {
    ChartOptionsForm probe;  // the words are checked before anything is shown
    for (size_t at = 0; at < words.size(); ++at)
      if (!ApplyOptionWord(words, at, probe))
        return context.BadArgument(at + 1, words[at] == "range"
                                               ? "range takes four numbers"
                                               : "not an option word of the list");
  }
  ChartObject* chart = FindChart(context, line.args[0]);
  if (!chart) return false;
  context.Answer<ChartOptionsForm>([words](ChartOptionsForm& form) {
    for (size_t at = 0; at < words.size(); ++at) ApplyOptionWord(words, at, form);
    return true;
  });
  return RunChartOptions(*chart);
}

// "WIDTHxHEIGHT" within the sizes a chart file accepts.
bool ParsePlotSize(const std::string& text, int32_t& width, int32_t& height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  std::optional<int> w = ParseInteger(text.substr(0, x));
  std::optional<int> h = ParseInteger(text.substr(x + 1));
  if (!w || !h || *w < kMinChartPixels || *w > kMaxChartPixels || *h < kMinChartPixels ||
      *h > kMaxChartPixels)
    return false;
  width = *w;
  height = *h;
  return true;
}

bool RunPlot(ConsoleContext& context, const CommandLine& line) {
  if (line.args.size() < 2 || line.args.size() > 3) return context.Usage("plot");
  const std::string name = line.args[0], path = line.args[1];
  int32_t width = kDefaultPlotWidth, height = kDefaultPlotHeight;
  if (line.args.size() == 3 && !ParsePlotSize(line.args[2], width, height)) {
    context.ui().Error("Invalid chart size <" + line.args[2] + ">: WIDTHxHEIGHT, each " +
                       std::to_string(kMinChartPixels) + " to " + std::to_string(kMaxChartPixels) +
                       " pixels");
    return false;
  }
  if (ChartFileTypeOf(path) == ChartFileType::kUnknown) {
    context.ui().Error("Unknown chart file type <" + path + ">: use .png, .svg or .pdf");
    return false;
  }
  ConsoleUi* ui = &context.ui();
  bool found = true;
  context.Answer<ChartChoiceForm>([name, ui, &found](ChartChoiceForm& form) {
    std::optional<int32_t> index = ChartEntryFor(form.entries, name);
    if (!index) {
      ui->Error("No chart named <" + name + "> in the list");
      found = false;
      return false;
    }
    form.selected = *index;
    return true;  // Display Chart, the default button
  });
  // Qt is started only when the first chart is drawn.
  EnsureGuiApplication();
  auto writeFile = [&](ChartObject& chart) {
    std::string error;
    if (WriteChartFile(chart, path, width, height, error)) return true;
    if (!error.empty()) ShowMessage(error);
    return false;
  };
  return ChartDialog(writeFile) && found;
}

}  // namespace

void AddChartCommands(std::vector<ConsoleCommand>& table) {
  table.push_back(
      {"chart", "NAME [TITLE...]", "create a chart, or retitle one (Chart dialog)", RunChart});
  table.push_back({"series",
                   "CHART LABEL TYPE SRC1 SRC2 [MIN MAX POINTS] [line= color= marker= size=]",
                   "add or edit a data series of a chart (- for an unused source)", RunSeries});
  table.push_back({"chartoptions", "CHART WORD...",
                   "chart presentation options: [no]auto [no]grid [no]polar [no]title [no]xlabel "
                   "[no]ylabel, range XMIN XMAX YMIN YMAX",
                   RunChartOptionsCommand});
  table.push_back({"plot", "CHART FILE [WIDTHxHEIGHT]",
                   "draw a chart into a .png, .svg (default 800x600) or one-page .pdf file",
                   RunPlot});
}

}  // namespace tq::cli
