// The chart dialogs: the list of charts, a chart's parameters with its
// series, and the presentation options. Their buttons act while the dialog
// stays open; a nested dialog opens over it and the lists show the result
// when it closes.
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QFormLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/chart_forms.h"

namespace tq::app {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

// "Chart Dialog": the drop-down list of charts, the buttons in a column
// beside it.
class ChartChoiceDialog final : public FormDialog {
 public:
  ChartChoiceDialog(ChartChoiceForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), charts_(new QComboBox(this)) {
    charts_->setMinimumContentsLength(32);
    charts_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* list = new QVBoxLayout;
    list->addWidget(BuddyLabel(QText(form.listLabel), charts_));
    list->addWidget(charts_);
    list->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(list, 1);
    layout->addLayout(ButtonLayout(Qt::Vertical));
    FormChanged();
  }

 private:
  bool ReadControls() override {
    form_.selected = charts_->currentIndex();
    return true;
  }
  void FormChanged() override {
    charts_->clear();
    for (const std::string& entry : form_.entries) charts_->addItem(Text(entry));
    charts_->setCurrentIndex(form_.selected);
  }

  ChartChoiceForm& form_;
  QComboBox* charts_;
};

// "New Chart parameters": the names and labels, the series list with its
// buttons beside it, OK and Cancel below.
class ChartParametersDialog final : public FormDialog {
 public:
  ChartParametersDialog(ChartParametersForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    name_ = new QLineEdit(Text(form.name), this);
    name_->setEnabled(form.nameEnabled);
    chartTitle_ = new QLineEdit(Text(form.chartTitle), this);
    xLabel_ = new QLineEdit(Text(form.xLabel), this);
    yLabel_ = new QLineEdit(Text(form.yLabel), this);
    name_->setMinimumWidth(name_->fontMetrics().averageCharWidth() * 40);
    auto* fields = new QFormLayout;
    fields->addRow(BuddyLabel(QText(form.nameLabel), name_), name_);
    fields->addRow(BuddyLabel(QText(form.titleLabel), chartTitle_), chartTitle_);
    fields->addRow(BuddyLabel(QText(form.xLabelLabel), xLabel_), xLabel_);
    fields->addRow(BuddyLabel(QText(form.yLabelLabel), yLabel_), yLabel_);

    series_ = new QListWidget(this);
    series_->setMinimumHeight(series_->fontMetrics().height() * 6);
    QBoxLayout* buttons = ButtonLayout();
    auto* seriesButtons = new QVBoxLayout;
    for (ButtonId id : {ChartParametersForm::kChartOptions, ChartParametersForm::kNewDataSet,
                        ChartParametersForm::kEditDataSet, ChartParametersForm::kDeleteDataSet}) {
      buttons->removeWidget(Button(id));
      seriesButtons->addWidget(Button(id));
    }
    seriesButtons->addStretch();
    auto* seriesRow = new QHBoxLayout;
    seriesRow->addWidget(series_, 1);
    seriesRow->addLayout(seriesButtons);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(BuddyLabel(QText(form.seriesListLabel), series_));
    layout->addLayout(seriesRow, 1);
    layout->addLayout(buttons);
    // Tab goes from the list to the buttons beside it, then to OK and Cancel.
    QWidget* previous = series_;
    for (ButtonId id : std::initializer_list<ButtonId>{
             ChartParametersForm::kChartOptions, ChartParametersForm::kNewDataSet,
             ChartParametersForm::kEditDataSet, ChartParametersForm::kDeleteDataSet,
             ChartParametersForm::kOk, kCancelButton}) {
      setTabOrder(previous, Button(id));
      previous = Button(id);
    }
    FormChanged();
  }

 private:
  bool ReadControls() override {
    form_.name = name_->text().toStdString();
    form_.chartTitle = chartTitle_->text().toStdString();
    form_.xLabel = xLabel_->text().toStdString();
    form_.yLabel = yLabel_->text().toStdString();
    form_.selectedSeries = series_->currentRow();
    return true;
  }
  void FormChanged() override {
    series_->clear();
    for (const std::string& label : form_.seriesLabels) series_->addItem(Text(label));
    series_->setCurrentRow(form_.selectedSeries);
  }

  ChartParametersForm& form_;
  QLineEdit* name_;
  QLineEdit* chartTitle_;
  QLineEdit* xLabel_;
  QLineEdit* yLabel_;
  QListWidget* series_;
};

// "Chart presentation options": the six options, then the user range,
// whose fields are off while the range is chosen automatically.
class ChartOptionsDialog final : public FormDialog {
 public:
  ChartOptionsDialog(ChartOptionsForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    auto* layout = new QVBoxLayout(this);
    const std::pair<const std::string&, bool> checks[] = {
        {form.autoRangeText, form.autoRange},   {form.showTitleText, form.showTitle},
        {form.showXLabelText, form.showXLabel}, {form.showYLabelText, form.showYLabel},
        {form.gridlinesText, form.gridlines},   {form.polarText, form.polar}};
    for (const auto& [text, checked] : checks) {
      auto* box = new QCheckBox(Text(text), this);
      box->setChecked(checked);
      layout->addWidget(box);
      checks_.push_back(box);
    }
    const std::pair<const std::string&, double> ranges[] = {{form.xMinLabel, form.xMin},
                                                            {form.xMaxLabel, form.xMax},
                                                            {form.yMinLabel, form.yMin},
                                                            {form.yMaxLabel, form.yMax}};
    auto* fields = new QFormLayout;
    for (const auto& [label, value] : ranges) {
      QLineEdit* field = NumberField(value);
      fields->addRow(BuddyLabel(QText(label), field), field);
      range_.push_back({field, label});
    }
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
    connect(checks_[0], &QCheckBox::toggled, this, &ChartOptionsDialog::EnableRange);
    EnableRange(form.autoRange);
  }

 private:
  void EnableRange(bool autoRange) {
    for (const RangeField& range : range_) range.field->setEnabled(!autoRange);
  }
  bool ReadControls() override {
    double values[4] = {form_.xMin, form_.xMax, form_.yMin, form_.yMax};
    if (!checks_[0]->isChecked())
      for (size_t i = 0; i < 4; ++i)
        if (!ReadNumber(range_[i].field, range_[i].label, values[i])) return false;
    bool* flags[] = {&form_.autoRange,  &form_.showTitle, &form_.showXLabel,
                     &form_.showYLabel, &form_.gridlines, &form_.polar};
    for (size_t i = 0; i < checks_.size(); ++i) *flags[i] = checks_[i]->isChecked();
    form_.xMin = values[0];
    form_.xMax = values[1];
    form_.yMin = values[2];
    form_.yMax = values[3];
    return true;
  }

  ChartOptionsForm& form_;
  std::vector<QCheckBox*> checks_;
  struct RangeField {
    QLineEdit* field;
    std::string label;
  };
  std::vector<RangeField> range_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(ChartChoiceForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ChartChoiceDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ChartParametersForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ChartParametersDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(ChartOptionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<ChartOptionsDialog>(form, dialog, parent);
}

}  // namespace tq::app
