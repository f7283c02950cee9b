// The main window: the menu bar, toolbar, status bar and task bar around the
// output window, and the one session of the workbench.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPrinter>
#include <functional>
#include <memory>

#include "commands/session.h"
#include "commands/shell_commands.h"
#include "commands/shell_menus.h"
#include "core/object_list.h"

class QLabel;
class QMenu;
class QToolBar;
class QDockWidget;

namespace tq::app {

class OutputWindow;
class QtUiPort;

class MainWindow final : public QMainWindow, public SessionObserver {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Runs `body` as a command: one at a time, with the status bar saying
  // what runs, the session's changes delivered and the title updated at
  // the end. Windows of their own (the calculator) run their commands
  // through it too.
  void RunCommand(const QString& what, const std::function<void()>& body);
  // Runs a menu command as its menu item does.
  void Run(ShellCommand command);
  // Opens a workspace file as File Open does after its file dialog (the
  // command line, a dropped file, a recent file).
  void OpenFile(const QString& path);

  OutputWindow& output() { return *output_; }
  QtUiPort& port() { return *port_; }
  Session& session() { return *session_; }
  // The menu bar's action of `command` (the first one, for the tests).
  QAction* Action(ShellCommand command) const { return actions_.value(int(command)); }
  QMenu* RecentFilesMenuHost() const { return fileMenu_; }
  const RecentFileList& recentFiles() const { return recent_; }

  void OnSessionChanged(ChangeSet changes) override;

 signals:
  // A command has ended (its changes delivered): windows that show state
  // outside the workspace, such as the last answer, refresh it.
  void commandFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildMenus();
  void BuildToolBar();
  void BuildStatusBar();
  void BuildTaskBar();
  QAction* MakeAction(const MenuItem& item, QObject* parent);
  void AddItems(QMenu* menu, std::span<const MenuItem> items);
  void RunFrontEnd(ShellCommand command);
  void AfterFileCommand(ShellCommand command, bool carriedOut);
  void UpdateTitle();
  void UpdateRecentFiles();
  void UpdateLockIndicators();
  void LoadSettings();
  void SaveSettings();
  void ShowHelp();
  void ShowAbout();
  void Print();
  void PrintPreview();
  void PrintSetup();

  Document document_;
  OutputWindow* output_ = nullptr;
  std::unique_ptr<QtUiPort> port_;
  std::unique_ptr<Session> session_;
  RecentFileList recent_;
  QPrinter printer_;
  QHash<int, QAction*> actions_;
  QMenu* fileMenu_ = nullptr;
  QAction* exitAction_ = nullptr;
  QList<QAction*> recentActions_;
  QToolBar* toolBar_ = nullptr;
  QDockWidget* taskBar_ = nullptr;
  QLabel* statusText_ = nullptr;
  QLabel* capsLock_ = nullptr;
  QLabel* numLock_ = nullptr;
  QLabel* scrollLock_ = nullptr;
  bool fixedFont_ = false;
  bool exiting_ = false;
};

}  // namespace tq::app
