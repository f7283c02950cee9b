// The data series dialogs: the kind of a new series, the series' sources
// and range, and its drawing options.
#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>

#include "app/dialog_window.h"
#include "app/form_controls.h"
#include "commands/chart_forms.h"

namespace tq::app {

namespace {

// "Dialog data type": one choice per kind of series, none chosen at first.
class DataTypeDialog final : public FormDialog {
 public:
  DataTypeDialog(DataTypeForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form), choices_(new QButtonGroup(this)) {
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(QString::fromStdString(form.prompt), this);
    layout->addWidget(prompt);
    for (size_t i = 0; i < form.choices.size(); ++i) {
      auto* choice = new QRadioButton(QString::fromStdString(form.choices[i]), this);
      choices_->addButton(choice, int(i));
      choice->setChecked(int(i) == form.selected);
      layout->addWidget(choice);
    }
    layout->addLayout(ButtonLayout());
  }

 private:
  bool ReadControls() override {
    form_.selected = choices_->checkedId();
    return true;
  }

  DataTypeForm& form_;
  QButtonGroup* choices_;
};

// "New Data Set" and its types 2 to 5: the sources the kind uses, its
// range, and the label.
class SeriesDialog final : public FormDialog {
 public:
  SeriesDialog(SeriesForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    auto* fields = new QFormLayout;
    for (NameList* list : {&form.source1, &form.source2}) {
      if (list->label.empty()) {
        sources_.push_back(nullptr);
        continue;
      }
      QComboBox* box = ComboBox(true);
      FillCombo(box, list->entries, list->text);
      fields->addRow(BuddyLabel(QText(list->label), box), box);
      sources_.push_back(box);
    }
    if (!form.pointsLabel.empty()) {
      rangeMin_ = AddNumber(fields, form.rangeMinLabel, form.rangeMin);
      rangeMax_ = AddNumber(fields, form.rangeMaxLabel, form.rangeMax);
      points_ = AddNumber(fields, form.pointsLabel, form.points);
    }
    label_ = new QLineEdit(QString::fromStdString(form.label), this);
    fields->addRow(BuddyLabel(QText(form.labelLabel), label_), label_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
  }

 private:
  QLineEdit* AddNumber(QFormLayout* fields, const std::string& label, double value) {
    QLineEdit* field = NumberField(value);
    fields->addRow(BuddyLabel(QText(label), field), field);
    return field;
  }
  bool ReadControls() override {
    double rangeMin = form_.rangeMin, rangeMax = form_.rangeMax, points = form_.points;
    if (points_ &&
        !(ReadNumber(rangeMin_, form_.rangeMinLabel, rangeMin) &&
          ReadNumber(rangeMax_, form_.rangeMaxLabel, rangeMax) &&
          ReadNumber(points_, form_.pointsLabel, points)))
      return false;
    NameList* lists[] = {&form_.source1, &form_.source2};
    for (size_t i = 0; i < 2; ++i)
      if (sources_[i]) lists[i]->text = sources_[i]->currentText().toStdString();
    form_.label = label_->text().toStdString();
    form_.rangeMin = rangeMin;
    form_.rangeMax = rangeMax;
    form_.points = points;
    return true;
  }

  SeriesForm& form_;
  std::vector<QComboBox*> sources_;
  QLineEdit* rangeMin_ = nullptr;
  QLineEdit* rangeMax_ = nullptr;
  QLineEdit* points_ = nullptr;
  QLineEdit* label_;
};

// "Drawing options": four lists preset from the series.
class DrawingOptionsDialog final : public FormDialog {
 public:
  DrawingOptionsDialog(DrawingOptionsForm& form, Dialog& dialog, QWidget* parent)
      : FormDialog(dialog, parent), form_(form) {
    auto* fields = new QFormLayout;
    const std::tuple<const std::string&, const std::vector<std::string>&, int32_t> lists[] = {
        {form.lineTypeLabel, form.lineTypes, form.lineType},
        {form.lineColorLabel, form.lineColors, form.lineColor},
        {form.markerShapeLabel, form.markerShapes, form.markerShape},
        {form.markerSizeLabel, form.markerSizes, form.markerSize}};
    for (const auto& [label, choices, current] : lists) {
      QComboBox* box = ChoiceComboBox(choices, current);
      fields->addRow(BuddyLabel(QText(label), box), box);
      boxes_.push_back(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(ButtonLayout());
  }

 private:
  bool ReadControls() override {
    int32_t* fields[] = {&form_.lineType, &form_.lineColor, &form_.markerShape, &form_.markerSize};
    for (size_t i = 0; i < boxes_.size(); ++i) *fields[i] = boxes_[i]->currentIndex();
    return true;
  }

  DrawingOptionsForm& form_;
  std::vector<QComboBox*> boxes_;
};

}  // namespace

std::unique_ptr<DialogWindow> MakeDialogWindow(DataTypeForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<DataTypeDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(SeriesForm& form, Dialog& dialog, QWidget* parent) {
  return std::make_unique<SeriesDialog>(form, dialog, parent);
}

std::unique_ptr<DialogWindow> MakeDialogWindow(DrawingOptionsForm& form, Dialog& dialog,
                                               QWidget* parent) {
  return std::make_unique<DrawingOptionsDialog>(form, dialog, parent);
}

}  // namespace tq::app
