#include "commands/session.h"

#include <algorithm>

#include "chart/series_functions.h"
#include "core/object_list.h"
#include "core/ui_port.h"
#include "lang/lang_state.h"
#include "numeric/search_state.h"

namespace tq {

namespace detail {
CommandsState commandsState;
}

namespace {
Session* g_session = nullptr;
}

Session::Session(Document& document, UiPort& ui) : document_(document), ui_(ui) {
  g_session = this;
  SetCurrentUi(&ui_);
  SetCurrentDocument(&document_);
}

Session::~Session() {
  SetCurrentUi(nullptr);
  SetCurrentDocument(nullptr);
  if (g_session == this) g_session = nullptr;
}

void Session::AddObserver(SessionObserver* observer) { observers_.push_back(observer); }

void Session::RemoveObserver(SessionObserver* observer) {
  observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

void Session::DeliverChanges() {
  const ChangeSet changes = TakeChanges();
  if (changes == 0) return;
  for (SessionObserver* observer : observers_) observer->OnSessionChanged(changes);
}

Session* CurrentSession() { return g_session; }

void ResetSession() {
  ResetCoreState();
  lang::ResetLanguageState();
  ResetSearchState();
  ChartLibraryState() = ChartState{};
  Commands() = CommandsState{};
}

}  // namespace tq
