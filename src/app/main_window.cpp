#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>
#include <new>

#include "app/lock_keys.h"
#include "app/output_window.h"
#include "app/qt_ui_port.h"
#include "app/window_commands.h"
#include "commands/file_commands.h"
#include "commands/program_dialogs.h"
#include "lang/program_io.h"

namespace tq::app {

namespace {

using C = ShellCommand;

// "&Open...\tCtrl+O" as the status bar says it: "Open...".
QString PlainText(const char* text) {
  QString plain = QString::fromUtf8(text);
  plain = plain.left(plain.indexOf(QLatin1Char('\t')));
  return plain.remove(QLatin1Char('&'));
}

bool IsFileCommand(ShellCommand command) {
  return command == C::kFileNew || command == C::kFileOpen || command == C::kFileSave ||
         command == C::kFileSaveAs;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), printer_(QPrinter::HighResolution) {
  setObjectName(QStringLiteral("MainWindow"));
  output_ = new OutputWindow(this);
  output_->setAcceptDrops(false);  // files dropped on it open as workspaces
  setCentralWidget(output_);
  port_ = std::make_unique<QtUiPort>(*output_, *this);
  session_ = std::make_unique<Session>(document_, *port_);
  session_->AddObserver(this);
  lang::SetProgramIo(&FormProgramIoInstance());

  BuildMenus();
  BuildToolBar();
  BuildStatusBar();
  BuildTaskBar();
  setAcceptDrops(true);
  LoadSettings();
  UpdateRecentFiles();
  UpdateTitle();
}

MainWindow::~MainWindow() {
  lang::SetProgramIo(nullptr);
  session_->RemoveObserver(this);
}

QAction* MainWindow::MakeAction(const MenuItem& item, QObject* parent) {
  auto* action = new QAction(QString::fromUtf8(item.text), parent);
  const QString text = action->text();
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  if (tab >= 0) action->setShortcut(QKeySequence(text.mid(tab + 1)));
  const ShellCommand command = item.command;
  connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  if (!actions_.contains(int(command))) actions_.insert(int(command), action);
  return action;
}

void MainWindow::AddItems(QMenu* menu, std::span<const MenuItem> items) {
  for (const MenuItem& item : items) {
    switch (item.command) {
      case C::kSeparator:
        menu->addSeparator();
        break;
      case C::kFileRecentFiles:
        break;  // filled by UpdateRecentFiles, before Exit
      case C::kCalcUnitsMenu: {
        QMenu* units = menu->addMenu(QString::fromUtf8(item.text));
        AddItems(units, UnitsConversionMenu());
        break;
      }
      default:
        menu->addAction(MakeAction(item, menu));
    }
  }
}

void MainWindow::BuildMenus() {
  for (const MenuDefinition& definition : MainMenus()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(definition.title));
    if (definition.items.data() == MainMenus().front().items.data()) fileMenu_ = menu;
    AddItems(menu, definition.items);
  }
  exitAction_ = Action(C::kFileExit);
  for (ShellCommand command : {C::kViewToolbar, C::kViewStatusBar, C::kViewFixedFont})
    Action(command)->setCheckable(true);
  Action(C::kViewToolbar)->setChecked(true);
  Action(C::kViewStatusBar)->setChecked(true);
  Action(C::kHelp)->setShortcut(QKeySequence::HelpContents);
}

void MainWindow::BuildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Toolbar"));
  toolBar_->setObjectName(QStringLiteral("Toolbar"));
  struct Button {
    ShellCommand command;
    const char* text;
    const char* icon;
    QStyle::StandardPixmap fallback;
  };
  static constexpr Button kButtons[] = {
      {C::kFileNew, "New", "document-new", QStyle::SP_FileIcon},
      {C::kFileOpen, "Open", "document-open", QStyle::SP_DialogOpenButton},
      {C::kFileSave, "Save", "document-save", QStyle::SP_DialogSaveButton},
      {C::kSeparator, "", "", QStyle::SP_CustomBase},
      {C::kEditCut, "Cut", "edit-cut", QStyle::SP_CustomBase},
      {C::kEditCopy, "Copy", "edit-copy", QStyle::SP_CustomBase},
      {C::kEditPaste, "Paste", "edit-paste", QStyle::SP_CustomBase},
      {C::kSeparator, "", "", QStyle::SP_CustomBase},
      {C::kFilePrint, "Print", "document-print", QStyle::SP_CustomBase},
      {C::kSeparator, "", "", QStyle::SP_CustomBase},
      {C::kAbout, "About", "help-about", QStyle::SP_MessageBoxInformation},
  };
  bool everyIcon = true;
  for (const Button& button : kButtons) {
    if (button.command == C::kSeparator) {
      toolBar_->addSeparator();
      continue;
    }
    QIcon icon = QIcon::fromTheme(QString::fromLatin1(button.icon));
    if (icon.isNull() && button.fallback != QStyle::SP_CustomBase)
      icon = style()->standardIcon(button.fallback);
    everyIcon = everyIcon && !icon.isNull();
    QAction* action = toolBar_->addAction(icon, QString::fromLatin1(button.text));
    const ShellCommand command = button.command;
    connect(action, &QAction::triggered, this, [this, command] { Run(command); });
  }
  // Without an icon theme the buttons say what they do.
  toolBar_->setToolButtonStyle(everyIcon ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextOnly);
  connect(toolBar_, &QToolBar::visibilityChanged, this,
          [this](bool visible) { Action(C::kViewToolbar)->setChecked(visible); });
}

void MainWindow::BuildStatusBar() {
  statusText_ = new QLabel(QStringLiteral("Ready"), this);
  statusText_->setAccessibleName(QStringLiteral("Status"));
  statusBar()->addWidget(statusText_, 1);
  capsLock_ = new QLabel(this);
  numLock_ = new QLabel(this);
  scrollLock_ = new QLabel(this);
  for (auto [label, name, sample] : {std::tuple{capsLock_, "Caps Lock", "CAP"},
                                     std::tuple{numLock_, "Num Lock", "NUM"},
                                     std::tuple{scrollLock_, "Scroll Lock", "SCRL"}}) {
    label->setAccessibleName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(sample)) +
                           label->fontMetrics().averageCharWidth() * 2);
    label->setFrameShape(QFrame::StyledPanel);
    statusBar()->addPermanentWidget(label);
  }
  connect(port_.get(), &QtUiPort::statusChanged, statusText_, &QLabel::setText);
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, &MainWindow::UpdateLockIndicators);
  timer->start(300);
  UpdateLockIndicators();
}

void MainWindow::UpdateLockIndicators() {
  const LockKeys keys = ReadLockKeys();
  capsLock_->setText(keys.caps ? QStringLiteral("CAP") : QString());
  numLock_->setText(keys.num ? QStringLiteral("NUM") : QString());
  scrollLock_->setText(keys.scroll ? QStringLiteral("SCRL") : QString());
}

void MainWindow::BuildTaskBar() {
  taskBar_ = new QDockWidget(QStringLiteral("Task bar"), this);
  taskBar_->setObjectName(QStringLiteral("TaskBar"));
  taskBar_->setAllowedAreas(Qt::LeftDockWidgetArea);
  taskBar_->setFeatures(QDockWidget::NoDockWidgetFeatures);
  auto* panel = new QWidget(taskBar_);
  panel->setAccessibleName(QStringLiteral("Task bar"));
  auto* layout = new QVBoxLayout(panel);
  for (const TaskButton& definition : TaskBarButtons()) {
    auto* button = new QPushButton(QString::fromUtf8(definition.text), panel);
    layout->addWidget(button);
    if (definition.popup.empty()) {
      const ShellCommand command = definition.command;
      connect(button, &QPushButton::clicked, this, [this, command] { Run(command); });
      continue;
    }
    auto* popup = new QMenu(button);
    for (const MenuItem& item : definition.popup) popup->addAction(MakeAction(item, popup));
    // The pop-up opens at a fixed point of the output window, as the
    // workbench always placed it.
    connect(button, &QPushButton::clicked, this, [this, popup] {
      popup->exec(output_->viewport()->mapToGlobal(QPoint(-10, 40)));
    });
  }
  layout->addStretch();
  taskBar_->setWidget(panel);
  addDockWidget(Qt::LeftDockWidgetArea, taskBar_);
}

void MainWindow::RunCommand(const QString& what, const std::function<void()>& body) {
  if (port_->commandRunning()) return;
  port_->BeginCommand(what);
  try {
    body();
  } catch (const std::bad_alloc&) {
    port_->ShowMessage("Not enough memory to carry out the command.");
  }
  port_->DropCancelRequest();
  port_->EndCommand();
  session_->DeliverChanges();
  UpdateTitle();
  emit commandFinished();
}

void MainWindow::Run(ShellCommand command) {
  QString what;
  for (const MenuDefinition& menu : MainMenus())
    for (const MenuItem& item : menu.items)
      if (item.command == command) what = PlainText(item.text);
  for (const MenuItem& item : UnitsConversionMenu())
    if (item.command == command) what = PlainText(item.text);
  if (command == C::kFileExit) {
    close();
    return;
  }
  RunCommand(what, [this, command] {
    if (IsFrontEndCommand(command)) {
      RunFrontEnd(command);
      return;
    }
    const bool carriedOut = RunShellCommand(command);
    if (IsFileCommand(command)) AfterFileCommand(command, carriedOut);
  });
}

void MainWindow::AfterFileCommand(ShellCommand command, bool carriedOut) {
  (void)command;
  if (carriedOut && !CurrentWorkspacePath().empty()) {
    recent_.Add(CurrentWorkspacePath());
    UpdateRecentFiles();
    SaveSettings();
  }
}

void MainWindow::OpenFile(const QString& path) {
  RunCommand(QStringLiteral("Open"), [this, path] {
    const std::string file = path.toStdString();
    if (OpenFileAfterQuestion(file)) {
      AfterFileCommand(C::kFileOpen, true);
    } else if (!QFileInfo::exists(path)) {
      recent_.Remove(file);
      UpdateRecentFiles();
      SaveSettings();
    }
  });
}

void MainWindow::RunFrontEnd(ShellCommand command) {
  switch (command) {
    case C::kFilePrint: Print(); break;
    case C::kFilePrintPreview: PrintPreview(); break;
    case C::kFilePrintSetup: PrintSetup(); break;
    case C::kEditUndo: output_->undo(); break;
    case C::kEditCut: output_->cut(); break;
    case C::kEditCopy: output_->copy(); break;
    case C::kEditPaste: output_->paste(); break;
    case C::kCalcCalculator: ShowCalculatorWindow(*this); break;
    case C::kNumericalGraphics: RunChartDialog(*this); break;
    case C::kViewToolbar: toolBar_->setVisible(!toolBar_->isVisible()); break;
    case C::kViewStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      Action(C::kViewStatusBar)->setChecked(statusBar()->isVisible());
      break;
    case C::kViewFixedFont:
      fixedFont_ = !fixedFont_;
      output_->SetFixedWidthFont(fixedFont_);
      Action(C::kViewFixedFont)->setChecked(fixedFont_);
      break;
    case C::kHelp: ShowHelp(); break;
    case C::kAbout: ShowAbout(); break;
    default: break;
  }
}

void MainWindow::UpdateTitle() {
  const std::string& path = CurrentWorkspacePath();
  const QString name =
      path.empty() ? QStringLiteral("Untitled") : QFileInfo(QString::fromStdString(path)).fileName();
  setWindowTitle(name + QStringLiteral("[*] - ") + QString::fromLatin1(QtUiPort::kTitle));
  setWindowModified(SessionModified());
}

void MainWindow::OnSessionChanged(ChangeSet) { UpdateTitle(); }

void MainWindow::UpdateRecentFiles() {
  for (QAction* action : recentActions_) {
    fileMenu_->removeAction(action);
    delete action;
  }
  recentActions_.clear();
  int number = 1;
  for (const std::string& entry : recent_.entries()) {
    const QString path = QString::fromStdString(entry);
    auto* action = new QAction(
        QStringLiteral("&%1 %2").arg(number++).arg(QFileInfo(path).fileName()), fileMenu_);
    action->setStatusTip(path);
    action->setToolTip(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    fileMenu_->insertAction(exitAction_, action);
    recentActions_.append(action);
  }
  if (!recentActions_.empty()) {
    QAction* separator = new QAction(fileMenu_);
    separator->setSeparator(true);
    fileMenu_->insertAction(exitAction_, separator);
    recentActions_.append(separator);
  }
}

void MainWindow::LoadSettings() {
  QSettings settings;
  std::vector<std::string> entries;
  for (const QString& path : settings.value(QStringLiteral("recentFiles")).toStringList())
    entries.push_back(path.toStdString());
  recent_ = RecentFileList(std::move(entries));
  if (!restoreGeometry(settings.value(QStringLiteral("geometry")).toByteArray()))
    resize(fontMetrics().averageCharWidth() * 120, fontMetrics().height() * 36);
}

void MainWindow::SaveSettings() {
  QSettings settings;
  QStringList paths;
  for (const std::string& entry : recent_.entries()) paths << QString::fromStdString(entry);
  settings.setValue(QStringLiteral("recentFiles"), paths);
  settings.setValue(QStringLiteral("geometry"), saveGeometry());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (port_->commandRunning() || exiting_) {
    event->ignore();
    return;
  }
  bool mayExit = false;
  RunCommand(QStringLiteral("Exit"), [&mayExit] { mayExit = FileExitCommand(); });
  if (!mayExit) {
    event->ignore();
    return;
  }
  exiting_ = true;
  SaveSettings();
  event->accept();
  qApp->closeAllWindows();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls() && !port_->commandRunning()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) return;
  event->acceptProposedAction();
  const QString path = urls.front().toLocalFile();
  // Opened after the drop ends, so the drag source is not kept waiting
  // through the questions.
  QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

void MainWindow::ShowHelp() {
  const std::string path = HelpPagePath(QCoreApplication::applicationFilePath().toStdString());
  if (path.empty()) return;
  const QString file = QString::fromStdString(path);
  if (!QFileInfo::exists(file)) {
    port_->ShowMessage("The help page was not found:\n" + path);
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

void MainWindow::ShowAbout() {
  QMessageBox::about(
      this, QStringLiteral("About Tallyquist"),
      QStringLiteral("<h3>Tallyquist %1</h3>"
                     "<p>A mathematics workbench: a formula calculator, user functions and "
                     "programs, matrices and vectors, statistics, numerical methods, charts "
                     "and unit conversion.</p>")
          .arg(QCoreApplication::applicationVersion()));
}

void MainWindow::Print() {
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(QStringLiteral("Print"));
  if (dialog.exec() == QDialog::Accepted) output_->print(&printer_);
}

void MainWindow::PrintPreview() {
  QPrintPreviewDialog preview(&printer_, this);
  connect(&preview, &QPrintPreviewDialog::paintRequested, output_, &OutputWindow::print);
  preview.exec();
}

void MainWindow::PrintSetup() {
  QPageSetupDialog dialog(&printer_, this);
  dialog.exec();
}

}  // namespace tq::app
