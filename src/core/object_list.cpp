#include "core/object_list.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "core/string_format.h"
#include "core/ui_port.h"

namespace tq {

namespace {

// The change bits of adding or removing `object`.
ChangeSet ListChange(const MathObject& object) {
  switch (object.kind) {
    case KIND_FUNCTION: return CHANGE_OBJECT_LIST | CHANGE_FUNCTION;
    case KIND_VARIABLE: return CHANGE_OBJECT_LIST | CHANGE_VARIABLE;
    case KIND_CHART: return CHANGE_OBJECT_LIST | CHANGE_CHART;
    default: return CHANGE_OBJECT_LIST;
  }
}

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


MathObject* NextAt(ObjectList& list, uint32_t mask) {
  while (list.cursor < list.size()) {
    MathObject* object = list.entries()[list.cursor++].get();
    if (object && !object->name.empty() && StatusAccepted(*object, mask) &&
        KindSelected(*object, mask))
      return object;
  }
  return nullptr;
}


// Lower-case key of a name, the same folding NamesEqualIgnoringCase uses.
// Reuses one buffer so a lookup allocates nothing.
const std::string& FoldedKey(std::string_view name) {
  static thread_local std::string key;
  key.resize(name.size());
  for (size_t i = 0; i < name.size(); ++i) key[i] = Fold(name[i]);
  return key;
}

}  // namespace

void ObjectList::IndexObject(MathObject* object, uint64_t sequence) {
  if (!object || object->name.empty()) return;
  Named& named = index_[FoldedKey(object->name)];
  auto at = std::upper_bound(named.begin(), named.end(), sequence,
                             [](uint64_t s, const Indexed& item) { return s < item.sequence; });
  named.insert(at, Indexed{sequence, object});
}

void ObjectList::UnindexObject(const MathObject* object) {
  if (!object || object->name.empty()) return;
  auto found = index_.find(FoldedKey(object->name));
  if (found == index_.end()) return;
  Named& named = found->second;
  for (auto item = named.begin(); item != named.end(); ++item) {
    if (item->object != object) continue;
    named.erase(item);
    if (named.empty()) index_.erase(found);
    return;
  }
}

void ObjectList::Append(std::unique_ptr<MathObject> object) {
  const uint64_t sequence = nextSequence_++;
  IndexObject(object.get(), sequence);
  entries_.push_back(std::move(object));
  sequences_.push_back(sequence);
}

std::unique_ptr<MathObject> ObjectList::Take(size_t index) {
  std::unique_ptr<MathObject> object = std::move(entries_[index]);
  UnindexObject(object.get());
  entries_.erase(entries_.begin() + std::ptrdiff_t(index));
  sequences_.erase(sequences_.begin() + std::ptrdiff_t(index));
  if (cursor > index) --cursor;
  return object;
}

void ObjectList::Compact(const std::vector<bool>& removed) {
  size_t kept = 0;
  size_t removedBeforeCursor = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (removed[i]) {
      if (i < cursor) ++removedBeforeCursor;
      continue;
    }
    entries_[kept] = std::move(entries_[i]);
    sequences_[kept] = sequences_[i];
    ++kept;
  }
  entries_.resize(kept);
  sequences_.resize(kept);
  cursor -= removedBeforeCursor;
}

void ObjectList::Clear() {
  entries_.clear();
  sequences_.clear();
  index_.clear();
  cursor = 0;
}

const ObjectList::Named* ObjectList::ObjectsNamed(std::string_view name) const {
  if (name.empty()) return nullptr;
  auto found = index_.find(FoldedKey(name));
  return found == index_.end() ? nullptr : &found->second;
}

std::optional<size_t> ObjectList::IndexOf(const MathObject& object) const {
  if (const Named* named = ObjectsNamed(object.name)) {
    for (const Indexed& item : *named) {
      if (item.object != &object) continue;
      auto at = std::lower_bound(sequences_.begin(), sequences_.end(), item.sequence);
      return size_t(at - sequences_.begin());
    }
  }
  return std::nullopt;
}

void ObjectList::Rename(MathObject& object, std::string name) {
  std::optional<size_t> index = IndexOf(object);
  if (index) UnindexObject(&object);
  object.name = std::move(name);
  if (index) IndexObject(&object, sequences_[*index]);
}

bool ObjectList::IndexConsistent() const {
  size_t indexed = 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (i > 0 && sequences_[i - 1] >= sequences_[i]) return false;
    const MathObject* object = entries_[i].get();
    if (!object || object->name.empty()) continue;
    ++indexed;
    if (IndexOf(*object) != i) return false;
  }
  size_t total = 0;
  for (const auto& [key, named] : index_) {
    if (named.empty()) return false;
    for (size_t i = 0; i < named.size(); ++i) {
      if (i > 0 && named[i - 1].sequence >= named[i].sequence) return false;
      if (FoldedKey(named[i].object->name) != key) return false;
    }
    total += named.size();
  }
  return total == indexed;
}

namespace {

}  // namespace

Document* CurrentDocument() { return Core().document; }
void SetCurrentDocument(Document* document) { Core().document = document; }
ObjectList* CurrentObjectList() {
  Document* document = Core().document;
  return document ? &document->objects : nullptr;
}

int32_t AddObject(std::unique_ptr<MathObject> object) {
  Document* document = Core().document;
  if (!document) return 0;
  if (object) NoteChange(ListChange(*object));
  document->objects.Append(std::move(object));
  return 1;
}

int32_t AddTempObject(std::unique_ptr<MathObject> object) {
  Document* document = Core().document;
  if (!document) return 0;
  document->tempObjects.Append(std::move(object));
  return 1;
}

void PurgeTempObjects() {
  if (Document* document = Core().document) document->tempObjects.Clear();
}

int32_t IsObjectListEmpty() {
  Document* document = Core().document;
  return !document || document->objects.empty() ? 1 : 0;
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
  const ObjectList::Named* named = list->ObjectsNamed(name);
  if (!named) return nullptr;
  for (const ObjectList::Indexed& item : *named) {
    MathObject& object = *item.object;
    if (StatusAccepted(object, mask) && KindSelected(object, mask)) return &object;
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
  if (const ObjectList::Named* named = list->ObjectsNamed(name))
    for (const ObjectList::Indexed& item : *named)
      if (item.object->name == name) return item.object;
  return nullptr;
}

void RenameObject(MathObject& object, std::string name) {
  if (ObjectList* list = CurrentObjectList()) {
    if (list->IndexOf(object)) NoteChange(ListChange(object));
    list->Rename(object, std::move(name));
  } else
    object.name = std::move(name);
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
  const ObjectList::Named* named = list->ObjectsNamed(name);
  if (!named) return 0;
  std::optional<size_t> index = list->IndexOf(*named->front().object);
  if (!index) return 0;
  std::unique_ptr<MathObject> object = list->Take(*index);
  NoteChange(ListChange(*object));
  ReportDeletion(*object, false);
  return 1;
}

bool ObjectNameTaken(std::string_view name) {
  ObjectList* list = CurrentObjectList();
  return list && list->ObjectsNamed(name) != nullptr;
}

int32_t ReplaceObject(std::unique_ptr<MathObject> object) {
  if (!CurrentDocument()) return 0;
  while (DeleteObjectByName(object->name)) {
  }
  return AddObject(std::move(object));
}

std::optional<std::string> SharedObjectName(const ObjectList& list) {
  for (const auto& entry : list.entries()) {
    if (!entry || entry->status != STATUS_VALID) continue;
    const ObjectList::Named* named = list.ObjectsNamed(entry->name);
    if (!named) continue;
    int valid = 0;
    for (const ObjectList::Indexed& item : *named)
      if (item.object->status == STATUS_VALID) ++valid;
    if (valid > 1) return entry->name;
  }
  return std::nullopt;
}

void PurgeInvalidObjects() {
  ObjectList* list = CurrentObjectList();
  if (!list) return;
  // Removing an invalid object changes no other object's status, so one pass
  // reports the same objects in the same order as restarting from the head.
  auto invalid = list->TakeIf([](const MathObject& object) { return object.status != STATUS_VALID; });
  for (auto& object : invalid) {
    if (!object) continue;
    NoteChange(ListChange(*object));
    if (!object->name.empty()) ReportDeletion(*object, false);
    object.reset();
  }
}

void DeleteAllObjects() {
  ObjectList* list = CurrentObjectList();
  if (!list) return;
  while (!list->empty()) {
    std::unique_ptr<MathObject> object = list->Take(list->size() - 1);
    if (!object) continue;
    NoteChange(ListChange(*object));
    ReportDeletion(*object, true);
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
  for (auto& entry : list->entries()) {
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

NameRule BrokenNameRule(std::string_view name) {
  if (name.empty() || name.size() > 1000) return NameRule::kMalformed;
  if (name[0] >= '0' && name[0] <= '9') return NameRule::kMalformed;
  for (char c : name)
    if (!NameCharacter(c)) return NameRule::kMalformed;
  for (const char* word : kReservedKeywords)
    if (NamesEqualIgnoringCase(name, word)) return NameRule::kReservedKeyword;
  for (const char* word : kReservedFunctions)
    if (NamesEqualIgnoringCase(name, word)) return NameRule::kReservedFunction;
  return NameRule::kValid;
}

}  // namespace tq
