// Acting on a dialog's controls as a user does: typing into a field found
// by its accessible name, choosing list entries with the mouse. With
// TQ_DIALOG_SHOTS naming a folder, Shot() saves the dialog there as PNG.
#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <initializer_list>

namespace tq::app::testing {

template <class W>
W* Control(QWidget* dialog, const QString& accessibleName) {
  for (W* widget : dialog->findChildren<W*>())
    if (widget->accessibleName() == accessibleName) return widget;
  ADD_FAILURE() << "no control \"" << accessibleName.toStdString() << "\" in \""
                << dialog->windowTitle().toStdString() << "\"";
  return nullptr;
}

// Replaces the field's text by typing.
inline void Type(QLineEdit* field, const QString& text) {
  if (!field) return;
  field->setFocus();
  field->selectAll();
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
}

inline void TypeInto(QWidget* dialog, const QString& name, const QString& text) {
  Type(Control<QLineEdit>(dialog, name), text);
}

// Clicks the rows, holding Ctrl from the second on.
inline void ChooseRows(QListWidget* list, std::initializer_list<int> rows) {
  if (!list) return;
  Qt::KeyboardModifiers modifiers;
  for (int row : rows) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualItemRect(list->item(row)).center());
    modifiers = Qt::ControlModifier;
  }
}

inline QStringList Entries(const QListWidget* list) {
  QStringList entries;
  for (int row = 0; list && row < list->count(); ++row) entries << list->item(row)->text();
  return entries;
}

inline QList<int> SelectedRowsOf(const QListWidget* list) {
  QList<int> rows;
  for (int row = 0; list && row < list->count(); ++row)
    if (list->item(row)->isSelected()) rows << row;
  return rows;
}

inline QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; combo && i < combo->count(); ++i) entries << combo->itemText(i);
  return entries;
}

inline void Shot(QWidget* dialog, const QString& name) {
  const QString folder = qEnvironmentVariable("TQ_DIALOG_SHOTS");
  if (folder.isEmpty()) return;
  QTest::qWait(50);
  dialog->grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

}  // namespace tq::app::testing
