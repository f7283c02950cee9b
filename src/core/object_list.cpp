#include "core/object_list.h"

#include <array>
#include <cctype>

#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

int32_t NameMessageShown = 0;

namespace {

Document* g_document = nullptr;

char Fold(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

// Kind bits in the order FindObject tests them.
struct KindBit {
  uint32_t mask;
  int32_t kind;
};
constexpr std::array<KindBit, 5> kKindOrder = {{{OBJMASK_MATRIX, KIND_MATRIX},
                                                {OBJMASK_VECTOR, KIND_VECTOR},
                                                {OBJMASK_VARIABLE, KIND_VARIABLE},
                                                {OBJMASK_FUNCTION, KIND_FUNCTION},
                                                {OBJMASK_CHART, KIND_CHART}}};

bool Usable(const std::unique_ptr<MathObject>& entry) { return entry && !entry->name.empty(); }

MathObject* NextAt(ObjectList& list, uint32_t mask) {
  while (list.cursor < list.entries.size()) {
    MathObject* object = list.entries[list.cursor++].get();
    if (object && !object->name.empty() && StatusAccepted(*object, mask) &&
        KindSelected(*object, mask))
      return object;
  }
  return nullptr;
}

// Removes entry `index` from the list, returning its object.
std::unique_ptr<MathObject> TakeEntry(ObjectList& list, size_t index) {
  std::unique_ptr<MathObject> object = std::move(list.entries[index]);
  list.entries.erase(list.entries.begin() + std::ptrdiff_t(index));
  if (list.cursor > index) --list.cursor;
  return object;
}

}  // namespace

Document* CurrentDocument() { return g_document; }
void SetCurrentDocument(Document* document) { g_document = document; }
ObjectList* CurrentObjectList() { return g_document ? &g_document->objects : nullptr; }

int32_t AddObject(std::unique_ptr<MathObject> object) {
  if (!g_document) return 0;
  g_document->objects.entries.push_back(std::move(object));
  return 1;
}

int32_t AddTempObject(std::unique_ptr<MathObject> object) {
  if (!g_document) return 0;
  g_document->tempObjects.entries.push_back(std::move(object));
  return 1;
}

void PurgeTempObjects() {
  if (!g_document) return;
  g_document->tempObjects.entries.clear();
  g_document->tempObjects.cursor = 0;
}

int32_t IsObjectListEmpty() {
  return !g_document || g_document->objects.entries.empty() ? 1 : 0;
}

bool NamesEqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Fold(a[i]) != Fold(b[i])) return false;
  return true;
}

bool StatusAccepted(const MathObject& object, uint32_t mask) {
  if (object.status == STATUS_VALID) return true;
  return (mask & OBJMASK_WITH_FAILED) && (object.status == 2 || object.status == STATUS_FAILED);
}

bool KindSelected(const MathObject& object, uint32_t mask) {
  for (const KindBit& bit : kKindOrder)
    if ((mask & bit.mask) && object.kind == bit.kind) return true;
  return (mask & OBJMASK_ANY) != 0;
}

MathObject* FindObject(std::string_view name, uint32_t mask) {
  ObjectList* list = CurrentObjectList();
  if (!list) return nullptr;
  for (auto& entry : list->entries) {
    if (!Usable(entry) || !NamesEqualIgnoringCase(entry->name, name)) continue;
    if (StatusAccepted(*entry, mask) && KindSelected(*entry, mask)) return entry.get();
  }
  return nullptr;
}

MathObject* FindFirstObject(uint32_t mask) {
  ObjectList* list = CurrentObjectList();
  if (!list) return nullptr;
  list->cursor = 0;
  return NextAt(*list, mask);
}

MathObject* FindNextObject(uint32_t mask) {
  ObjectList* list = CurrentObjectList();
  return list ? NextAt(*list, mask) : nullptr;
}

MathObject* FindObjectExact(std::string_view name) {
  ObjectList* list = CurrentObjectList();
  if (!list) return nullptr;
  for (auto& entry : list->entries)
    if (entry && entry->name == name) return entry.get();
  return nullptr;
}

void ReportDeletion(const MathObject& object, bool lowerCaseObject) {
  const char* name = object.name.c_str();
  if (object.kind == KIND_MATRIX)
    Report("Deleted Matrix <%s>", name);
  else if (object.kind == KIND_VECTOR)
    Report("Deleted Vector <%s>", name);
  else if (lowerCaseObject)
    Report("Deleted object <%s>", name);
  else
    Report("Deleted Object <%s>", name);
}

int32_t DeleteObjectByName(std::string_view name) {
  ObjectList* list = CurrentObjectList();
  if (!list || name.empty()) return 0;
  for (size_t i = 0; i < list->entries.size(); ++i) {
    const auto& entry = list->entries[i];
    if (!entry || !NamesEqualIgnoringCase(entry->name, name)) continue;
    std::unique_ptr<MathObject> object = TakeEntry(*list, i);
    ReportDeletion(*object, false);
    return 1;
  }
  return 0;
}

void PurgeInvalidObjects() {
  ObjectList* list = CurrentObjectList();
  if (!list) return;
  for (size_t i = 0; i < list->entries.size(); ++i) {
    const auto& entry = list->entries[i];
    if (!entry || entry->status == STATUS_VALID) continue;
    std::unique_ptr<MathObject> object = TakeEntry(*list, i);
    if (!object->name.empty()) ReportDeletion(*object, false);
    i = size_t(-1);  // restart from the head
  }
}

void DeleteAllObjects() {
  ObjectList* list = CurrentObjectList();
  if (!list) return;
  while (!list->entries.empty()) {
    std::unique_ptr<MathObject> object = TakeEntry(*list, list->entries.size() - 1);
    if (object) ReportDeletion(*object, true);
  }
  list->cursor = 0;
}

std::optional<std::string> ObjectListEntry(const MathObject& object, uint32_t mask) {
  const bool namesOnly = (mask & OBJMASK_NAMES_ONLY) != 0;
  const char* name = object.name.c_str();
  auto nameOr = [&](std::string full) { return namesOnly ? object.name : full; };
  if ((mask & OBJMASK_MATRIX) && object.kind == KIND_MATRIX) {
    auto& m = static_cast<const MatrixObject&>(object);
    return nameOr(StringPrintf("%s  matrix %dx%d", name, m.rows, m.columns));
  }
  if ((mask & OBJMASK_VECTOR) && object.kind == KIND_VECTOR) {
    auto& v = static_cast<const VectorObject&>(object);
    return nameOr(StringPrintf("%s  vector (%d)", name, v.size));
  }
  if ((mask & OBJMASK_VARIABLE) && object.kind == KIND_VARIABLE) {
    auto& v = static_cast<const VariableObject&>(object);
    return nameOr(StringPrintf("%s = %.12G", name, v.value));
  }
  if ((mask & OBJMASK_FUNCTION) && object.kind == KIND_FUNCTION) {
    auto& f = static_cast<const FunctionObject&>(object);
    if (f.description.empty()) return object.name;
    return nameOr(StringPrintf("%s:  %s", name, f.description.c_str()));
  }
  if ((mask & OBJMASK_CHART) && object.kind == KIND_CHART) {
    auto& c = static_cast<const ChartObject&>(object);
    if (c.Title.empty()) return object.name;
    return nameOr(StringPrintf("%s:  %s", name, c.Title.c_str()));
  }
  if (mask & OBJMASK_ANY) return object.name;
  return std::nullopt;
}

std::vector<std::string> ObjectListEntries(uint32_t mask) {
  std::vector<std::string> out;
  ObjectList* list = CurrentObjectList();
  if (!list) return out;
  for (auto& entry : list->entries) {
    if (!entry || !StatusAccepted(*entry, mask)) continue;
    if (auto text = ObjectListEntry(*entry, mask)) out.push_back(std::move(*text));
  }
  return out;
}

namespace {

constexpr std::array<const char*, 14> kReservedKeywords = {
    "if", "while", "end", "ife", "else", "ans", "pi",
    "rand", "_n", "_m", "int", "input", "output", "print"};
constexpr std::array<const char*, 20> kReservedFunctions = {
    "sin",  "cos",  "exp",  "abs",  "log",  "tan",      "acos",  "asin",  "atan", "sinh",
    "tanh", "cosh", "sqrt", "ln",   "loggamma", "gamma", "frenc", "frens", "sech", "arctanh"};

bool NameCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

}  // namespace

int32_t ValidateNewName(std::string_view name) {
  NameMessageShown = 0;
  if (name.empty() || name.size() > 1000) return 0;
  if (name[0] >= '0' && name[0] <= '9') return 0;
  for (char c : name)
    if (!NameCharacter(c)) return 0;
  const std::string text(name);
  for (const char* word : kReservedKeywords) {
    if (NamesEqualIgnoringCase(name, word)) {
      ShowMessage("Error: new variable name is reserved keyword \n<" + text +
                  ">\nPlease choose another name.");
      NameMessageShown = 1;
      return 0;
    }
  }
  for (const char* word : kReservedFunctions) {
    if (NamesEqualIgnoringCase(name, word)) {
      ShowMessage("Error: new variable name is reserved function name \n<" + text +
                  ">\nPlease choose another name.");
      NameMessageShown = 1;
      return 0;
    }
  }
  return 1;
}

}  // namespace tq
