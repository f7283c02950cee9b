// Finding and filling a dialog's controls as a user does: by their
// accessible names (their labels' texts), with the keyboard and the mouse.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>

#include "core/object_list.h"

// Failures print texts as texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace tq::app::testing {

// The name a screen reader gives the control: its accessible name, else a
// button's text.
inline QString SpokenName(QWidget* control) {
  if (!control->accessibleName().isEmpty()) return control->accessibleName();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return {};
}

// The control of type T named `name` in `dialog`; fails the test when none.
template <class T>
T* Control(QWidget* dialog, const QString& name) {
  for (T* control : dialog->findChildren<T*>())
    if (SpokenName(control) == name) return control;
  ADD_FAILURE() << "no control \"" << name.toStdString() << "\" in \""
                << dialog->windowTitle().toStdString() << "\"";
  return nullptr;
}

inline bool UnchosenRadio(QWidget* widget) {
  auto* radio = qobject_cast<QRadioButton*>(widget);
  return radio && !radio->isChecked();
}

// The names of the controls that Tab visits, in its order (of a group of
// radio buttons, the chosen one).
inline QStringList TabOrder(QWidget* dialog) {
  QStringList names;
  for (QWidget* widget = dialog->nextInFocusChain(); widget != dialog;
       widget = widget->nextInFocusChain())
    if ((widget->focusPolicy() & Qt::TabFocus) && dialog->isAncestorOf(widget) &&
        !widget->isHidden() && !SpokenName(widget).isEmpty() && !UnchosenRadio(widget))
      names << SpokenName(widget);
  return names;
}

// Replaces the field's text by typing `text`.
inline void TypeInto(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  QTest::keyClicks(edit, text);
}

// Types `text` into an editable drop-down list.
inline void TypeInto(QComboBox* box, const QString& text) { TypeInto(box->lineEdit(), text); }

// Picks the entry `text` of a drop-down list with the keyboard.
inline void Pick(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  ASSERT_GE(index, 0) << text.toStdString();
  box->setFocus();
  QTest::keyClick(box, Qt::Key_Home);
  for (int i = 0; i < index; ++i) QTest::keyClick(box, Qt::Key_Down);
  ASSERT_EQ(box->currentText(), text);
}

// Clicks the list's entry `text`, holding `modifiers` (Ctrl adds to a
// multiple selection).
inline void ClickEntry(QListWidget* list, const QString& text,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(items.size(), 1) << text.toStdString();
  const QRect rect = list->visualItemRect(items.front());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
}

inline QStringList Entries(QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  return texts;
}

inline QStringList Entries(QComboBox* box) {
  QStringList texts;
  for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
  return texts;
}

// Workspace objects for the dialogs to list.
inline VectorObject* PutVector(const std::string& name, std::initializer_list<double> values) {
  auto vector = std::make_unique<VectorObject>(int32_t(values.size()), 0.0);
  std::copy(values.begin(), values.end(), vector->data());
  vector->name = name;
  VectorObject* raw = vector.get();
  AddObject(std::move(vector));
  return raw;
}

// Elements first, first + 1, ... in row order.
inline MatrixObject* PutMatrix(const std::string& name, int32_t rows, int32_t columns,
                               double first = 1.0) {
  auto matrix = std::make_unique<MatrixObject>(columns, rows, 0.0);
  for (int32_t i = 1; i <= rows; ++i)
    for (int32_t j = 1; j <= columns; ++j) matrix->at(i, j) = first++;
  matrix->name = name;
  MatrixObject* raw = matrix.get();
  AddObject(std::move(matrix));
  return raw;
}

}  // namespace tq::app::testing
