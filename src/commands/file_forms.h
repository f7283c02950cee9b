// The file dialog as a form: the desktop program shows its open or save
// dialog, the console fills the path from its argument.
#pragma once

#include <string>

#include "commands/form_visitor.h"
#include "core/ui_port.h"

namespace tq {

struct FileNameForm : Form {
  void Accept(FormVisitor& visitor) override { visitor.Visit(*this); }
  std::string filter;            // "Text Files (*.txt)|*.txt|...||"
  std::string defaultExtension;  // added to a name typed without one
  bool save = false;             // a save dialog rather than an open dialog
  bool promptOverwrite = false;  // a save dialog that asks before replacing a file
  std::string path;
};

inline constexpr char kWorkspaceFileFilter[] = "Tallyquist Files (*.mts)|*.mts|All Files (*.*)|*.*||";
inline constexpr char kTextFileFilter[] =
    "Text Files (*.txt)|*.txt|Data Files (*.dat)|*.dat|All Files (*.*)|*.*||";

}  // namespace tq
