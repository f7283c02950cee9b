// The File menu (New, Open, Save, Save As), Save window text, and the
// Matrix menu's data file commands.
#pragma once

#include <cstdint>
#include <string>

namespace tq {

// The file the workspace was last opened from or saved to (empty for a
// new workspace).
std::string& CurrentWorkspacePath();

// Empties the workspace unless an Open merges.
void DeleteContents();

// Each returns true when the command was carried out.
bool FileNewCommand();
bool FileOpenCommand();
// Opens `path` as File Open does after its file dialog (also for a file
// named on the command line): asks whether to delete the objects when
// there are any, then replaces or merges.
bool OpenDocumentFile(const std::string& path);
bool FileSaveCommand();
bool FileSaveAsCommand();
bool SaveWindowTextCommand();

bool MenuImportData();
bool MenuExportData();
bool ImportDataCommand();
bool ExportDataCommand();

}  // namespace tq
