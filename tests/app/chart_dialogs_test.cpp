// The chart dialogs as a user drives them: the Chart Dialog with its
// nested dialogs, which stay open under the ones they open.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include "app/app_test.h"
#include "app/chart_window.h"
#include "chart/chart_model.h"
#include "core/object_list.h"

namespace tq::app::testing {
namespace {

using C = ShellCommand;

const QString kNoSeries =
    "Error:\nThere are no data series to display.\nPlease create at least one or multiple data "
    "series.";

// The field a label names, as a user finds it.
template <class T>
T* Field(QWidget* window, const QString& label) {
  for (QLabel* text : window->findChildren<QLabel*>())
    if (text->text() == label) {
      T* field = qobject_cast<T*>(text->buddy());
      EXPECT_NE(field, nullptr) << label.toStdString();
      EXPECT_EQ(field ? field->accessibleName() : QString(), label);
      return field;
    }
  ADD_FAILURE() << "no field \"" << label.toStdString() << "\" in \""
                << window->windowTitle().toStdString() << "\"";
  return nullptr;
}

void Type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Backspace);
  QTest::keyClicks(field, text);
}

void TypeInto(QWidget* window, const QString& label, const QString& text) {
  if (auto* field = Field<QLineEdit>(window, label)) Type(field, text);
}

void Choose(QWidget* window, const QString& label, const QString& choice) {
  if (auto* box = Field<QComboBox>(window, label)) {
    const int index = box->findText(choice);
    EXPECT_GE(index, 0) << choice.toStdString();
    box->setCurrentIndex(index);
  }
}

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; box && i < box->count(); ++i) items << box->itemText(i);
  return items;
}

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; list && i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

// Clicks a radio button or check box on its indicator, where a click
// counts even when the button is wider than its text.
void ClickIndicator(QAbstractButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
}

template <class T = QRadioButton>
T* Choice(QWidget* window, const QString& text) {
  for (T* button : window->findChildren<T*>())
    if (button->text() == text) return button;
  ADD_FAILURE() << "no choice " << text.toStdString();
  return nullptr;
}

void ClickRadio(QWidget* window, const QString& text) {
  if (QRadioButton* button = Choice(window, text)) ClickIndicator(button);
}

class ChartDialogsTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    for (auto [name, size] : {std::pair{"v3", 3}, {"w3", 3}, {"v4", 4}}) {
      auto vector = std::make_unique<VectorObject>(size, 1.0);
      vector->name = name;
      AddObject(std::move(vector));
    }
    auto function = std::make_unique<FunctionObject>("x*x");
    function->name = "f";
    function->status = STATUS_VALID;
    AddObject(std::move(function));
  }
  // New data set from "New Chart parameters": two vectors, then the
  // drawing options in `color`.
  void NewVectorSeries(QWidget* parameters, const QString& x, const QString& y,
                       const QString& color) {
    OnNextModal([=, this](QWidget* types) {
      EXPECT_EQ(types->windowTitle(), "Dialog data type");
      EXPECT_EQ(types->findChildren<QRadioButton*>().size(), 5);
      for (QRadioButton* choice : types->findChildren<QRadioButton*>())
        EXPECT_FALSE(choice->isChecked());
      OnNextModal([=, this](QWidget* series) {
        EXPECT_EQ(series->windowTitle(), "New Data Set");
        Choose(series, "Horizontal axis data vector", x);
        Choose(series, "Vertical axis data vector", y);
        OnNextModal([=](QWidget* drawing) {
          EXPECT_EQ(drawing->windowTitle(), "Drawing options");
          Choose(drawing, "Line color", color);
          Click(drawing, "OK");
        });
        Click(series, "OK");
      });
      ClickRadio(types, "Two vectors give X and Y values");
      Click(types, "OK");
    });
    Click(parameters, "New data set");
  }
};

TEST_F(ChartDialogsTest, CreateAChartThroughTheNestedDialogs) {
  OnNextModal([this](QWidget* charts) {
    EXPECT_EQ(charts->windowTitle(), "Chart Dialog");
    OnNextModal([this, charts](QWidget* parameters) {
      EXPECT_EQ(parameters->windowTitle(), "New Chart parameters");
      EXPECT_TRUE(charts->isVisible());  // the dialog under it stays
      EXPECT_EQ(Field<QLineEdit>(parameters, "Chart object name")->text(), "Chart1");
      EXPECT_EQ(Field<QLineEdit>(parameters, "Chart title")->text(), "Chart1");
      EXPECT_EQ(Field<QLineEdit>(parameters, "Horizontal axis label")->text(), "X");
      EXPECT_EQ(Field<QLineEdit>(parameters, "Vertical axis label")->text(), "Y");
      AnswerMessage();
      Click(parameters, "OK");  // no series yet: refused, the dialog stays
      TypeInto(parameters, "Chart object name", "sales");
      NewVectorSeries(parameters, "v3", "w3", "red");
      EXPECT_EQ(Items(Field<QListWidget>(parameters, "Data series")), QStringList{"series1"});
      EXPECT_EQ(Field<QLineEdit>(parameters, "Chart object name")->text(), "sales");
      TypeInto(parameters, "Chart title", "Sales by month");
      TypeInto(parameters, "Horizontal axis label", "month");
      Click(parameters, "OK");
    });
    Click(charts, "Create a new Chart");
    auto* list = Field<QComboBox>(charts, "Chart objects");
    EXPECT_EQ(Items(list), QStringList{"sales:  Sales by month"});
    EXPECT_EQ(list->currentIndex(), 0);
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  EXPECT_EQ(messages, QStringList{kNoSeries});
  auto* sales = FindObjectAs<ChartObject>("sales", OBJMASK_CHART);
  ASSERT_NE(sales, nullptr);
  EXPECT_EQ(sales->XLabel, "month");
  ASSERT_EQ(sales->SeriesList.size(), 1u);
  const SeriesObject& series = *sales->SeriesList[0];
  EXPECT_EQ(series.Label, "series1");
  EXPECT_EQ(series.Source1 + " " + series.Source2, "v3 w3");
  EXPECT_EQ(series.LineColor, 2);
}

TEST_F(ChartDialogsTest, ListButtonsRefuseAnEmptyListAndStayOpen) {
  OnNextModal([this](QWidget* charts) {
    for (const char* button : {"Edit Chart properties", "Delete Chart", "Display Chart"}) {
      AnswerMessage();
      Click(charts, button);
    }
    EXPECT_TRUE(charts->isVisible());
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  const QString none = "There are no chart objects in the list.";
  EXPECT_EQ(messages,
            (QStringList{none, none,
                         none + "\nPlease create a new chart object.\nSpecify drawing "
                                "parameters and at least one dataset for the new chart."}));
}

// A chart with one series, made through the command layer's defaults.
ChartObject* PutChart(const std::string& name, const std::string& title) {
  auto chart = std::make_unique<ChartObject>();
  chart->name = name;
  chart->Title = title;
  chart->status = STATUS_VALID;
  auto series = std::make_unique<SeriesObject>();
  series->name = series->Label = "s1";
  series->Source1 = "v3";
  series->Source2 = "w3";
  series->status = STATUS_VALID;
  chart->SeriesList.push_back(std::move(series));
  chart->SeriesCount = 1;
  ChartObject* raw = chart.get();
  AddObject(std::move(chart));
  return raw;
}

TEST_F(ChartDialogsTest, EditAndDeleteDataSetsAndTheChart) {
  ChartObject* chart = PutChart("c", "old");
  OnNextModal([this](QWidget* charts) {
    OnNextModal([this](QWidget* parameters) {
      EXPECT_FALSE(Field<QLineEdit>(parameters, "Chart object name")->isEnabled());
      auto* list = Field<QListWidget>(parameters, "Data series");
      OnNextModal([this](QWidget* types) {
        OnNextModal([this](QWidget* series) {
          Choose(series, "Horizontal axis data vector", "v4");
          AnswerMessage();
          Click(series, "OK");  // different sizes: refused, the dialog stays
          EXPECT_EQ(Field<QComboBox>(series, "Horizontal axis data vector")->currentText(), "v4");
          Click(series, "Cancel");
        });
        ClickRadio(types, "Two vectors give X and Y values");
        Click(types, "OK");
      });
      Click(parameters, "New data set");
      EXPECT_EQ(Items(list), QStringList{"s1"});
      OnNextModal([this](QWidget* series) {
        EXPECT_EQ(series->windowTitle(), "New Data Set");
        EXPECT_EQ(Field<QComboBox>(series, "Horizontal axis data vector")->currentText(), "v3");
        Type(Field<QLineEdit>(series, "Data series label"), "renamed");
        OnNextModal([](QWidget* drawing) {
          EXPECT_EQ(Field<QComboBox>(drawing, "Marker shape")->currentText(), "point");
          Choose(drawing, "Marker shape", "circle");
          Click(drawing, "OK");
        });
        Click(series, "OK");
      });
      list->setCurrentRow(0);
      Click(parameters, "Edit data set");
      EXPECT_EQ(Items(list), QStringList{"renamed"});
      Click(parameters, "Delete data set");
      EXPECT_EQ(Items(list), QStringList{});
      TypeInto(parameters, "Chart title", "new");
      AnswerMessage();
      Click(parameters, "OK");  // the last series went: refused
      Click(parameters, "Cancel");
    });
    Click(charts, "Edit Chart properties");
    EXPECT_EQ(Items(Field<QComboBox>(charts, "Chart objects")), QStringList{"c:  old"});
    Click(charts, "Delete Chart");
    EXPECT_EQ(Items(Field<QComboBox>(charts, "Chart objects")), QStringList{});
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  (void)chart;
  EXPECT_EQ(messages, (QStringList{"Error:\nTwo vectors have different size.\nPlease select two "
                                   "vectors with equal number of elements.",
                                   kNoSeries}));
  EXPECT_EQ(FindObject("c", OBJMASK_CHART), nullptr);
  EXPECT_EQ(Output(), "Deleted Object <c>\r\n");
}

TEST_F(ChartDialogsTest, OptionsRangeFollowsAutoRangeAndIsChecked) {
  ChartObject* chart = PutChart("c", "c");
  chart->Options = CHART_AUTO_RANGE | CHART_GRIDLINES;
  OnNextModal([this](QWidget* charts) {
    OnNextModal([this](QWidget* parameters) {
      OnNextModal([this](QWidget* options) {
        EXPECT_EQ(options->windowTitle(), "Chart presentation options");
        QStringList texts;
        for (QCheckBox* box : options->findChildren<QCheckBox*>()) texts << box->text();
        EXPECT_EQ(texts,
                  (QStringList{"Auto range select", "Display chart title",
                               "Display horizintal axis label", "Display vertical axis label",
                               "Gridlines", "Polar coordinates ( teta, r )"}));
        auto* xMin = Field<QLineEdit>(options, "Horizontal axis minimum");
        auto* xMax = Field<QLineEdit>(options, "Horizontal axis maximum");
        EXPECT_EQ(xMin->text(), "-10");
        EXPECT_FALSE(xMin->isEnabled());
        ClickIndicator(Choice<QCheckBox>(options, "Auto range select"));
        EXPECT_TRUE(xMin->isEnabled());
        Type(xMin, "5");
        Type(xMax, "1");
        AnswerMessage();
        Click(options, "OK");
        Type(xMax, "1e");  // not a number yet: refused, the text stays
        AnswerMessage();
        Click(options, "OK");
        EXPECT_EQ(xMax->text(), "1e");
        Type(xMax, "20");
        ClickIndicator(Choice<QCheckBox>(options, "Gridlines"));
        ClickIndicator(Choice<QCheckBox>(options, "Polar coordinates ( teta, r )"));
        Click(options, "OK");
      });
      Click(parameters, "Chart options");
      Click(parameters, "Cancel");  // the options are stored already
    });
    Click(charts, "Edit Chart properties");
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  EXPECT_EQ(messages,
            (QStringList{"Error: Horizontal axis maximum value must be greater than minimum value",
                         "Please enter a number in Horizontal axis maximum."}));
  EXPECT_EQ(chart->Options, CHART_POLAR);
  EXPECT_EQ(chart->XMin, 5);
  EXPECT_EQ(chart->XMax, 20);
}

TEST_F(ChartDialogsTest, RangeFunctionSeriesChecksItsNumbers) {
  ChartObject* chart = PutChart("c", "c");
  OnNextModal([this](QWidget* charts) {
    OnNextModal([this](QWidget* parameters) {
      OnNextModal([this](QWidget* types) {
        OnNextModal([this](QWidget* series) {
          EXPECT_EQ(series->windowTitle(), "New Data Set type 2");
          EXPECT_EQ(Field<QLineEdit>(series, "Data series label")->text(), "series1");
          EXPECT_EQ(Field<QLineEdit>(series, "Minimum of x")->text(), "1");
          EXPECT_EQ(Field<QLineEdit>(series, "Maximum of x")->text(), "10");
          auto* function = Field<QComboBox>(series, "Function to calculate vertical coordinate");
          EXPECT_EQ(Items(function).size(), 1);
          auto* points = Field<QLineEdit>(series, "Number of points");
          Type(points, "5");
          AnswerMessage();
          Click(series, "OK");
          Type(points, "-");
          AnswerMessage();
          Click(series, "OK");
          EXPECT_EQ(points->text(), "-");
          Type(points, "50");
          OnNextModal([](QWidget* drawing) { Click(drawing, "Cancel"); });
          Click(series, "OK");
        });
        ClickRadio(types, "Range of X values and a function to calculate Y values");
        Click(types, "OK");
      });
      Click(parameters, "New data set");
      EXPECT_EQ(Items(Field<QListWidget>(parameters, "Data series")),
                (QStringList{"s1", "series1"}));
      Click(parameters, "OK");
    });
    Click(charts, "Edit Chart properties");
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  EXPECT_EQ(messages, (QStringList{"Error: Number of points must be between 10 and 10000.",
                                   "Please enter a number in Number of points."}));
  ASSERT_EQ(chart->SeriesList.size(), 2u);
  const SeriesObject& added = *chart->SeriesList[1];
  EXPECT_EQ(added.SeriesType, SERIES_RANGE_FUNCTION);
  EXPECT_EQ(added.Source2, "f");
  EXPECT_EQ(added.PointCount, 50);
}

TEST_F(ChartDialogsTest, DisplayOpensTheChartWindowOverTheList) {
  PutChart("c", "c");
  OnNextModal([this](QWidget* charts) {
    OnNextModal([charts](QWidget* chartWindow) {
      EXPECT_EQ(chartWindow->windowTitle(), "Display Chart");
      EXPECT_NE(qobject_cast<ChartWindow*>(chartWindow), nullptr);
      EXPECT_TRUE(charts->isVisible());
      Click(chartWindow, "Close window");
    });
    Click(charts, "Display Chart");
    Click(charts, "Cancel");
  });
  Run(C::kNumericalGraphics);
  EXPECT_EQ(messages, QStringList{});
  EXPECT_EQ(Output(), "Displaying chart object\r\nc\r\n");
}

}  // namespace
}  // namespace tq::app::testing
