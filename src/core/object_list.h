// The workspace: one ordered list of named objects owned by the document,
// and a second list of temporary objects made while charts are drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/core_state.h"
#include "core/math_object.h"

namespace tq {

// An ordered list that owns its objects. An entry may be empty. Beside the
// entries it keeps an index from the case-folded name to the objects of that
// name in list order, so lookups by name cost the same in any list size.
// Entries change only through the members below, which keep the index.
class ObjectList {
 public:
  using Entries = std::vector<std::unique_ptr<MathObject>>;
  struct Indexed {
    uint64_t sequence;  // insertion number; increases along the list
    MathObject* object;
  };
  // The objects of one name (ignoring case), in list order.
  using Named = std::vector<Indexed>;

  size_t cursor = 0;  // the enumeration cursor of FindFirstObject/FindNextObject

  ObjectList() = default;
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;

  const Entries& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }
  size_t size() const { return entries_.size(); }

  void Append(std::unique_ptr<MathObject> object);
  // Removes entry `index` and returns its object; the cursor keeps its place.
  std::unique_ptr<MathObject> Take(size_t index);
  // Removes every entry whose object `remove` selects, keeping the order of
  // the others; returns the removed objects in list order.
  template <class Predicate>
  std::vector<std::unique_ptr<MathObject>> TakeIf(Predicate remove);
  void Clear();

  // The objects whose name equals `name` ignoring case, in list order; null
  // when there is none.
  const Named* ObjectsNamed(std::string_view name) const;
  // The position of an object in the list, if it is there.
  std::optional<size_t> IndexOf(const MathObject& object) const;
  // Gives an object of the list (or one outside it) a new name.
  void Rename(MathObject& object, std::string name);
  // Whether the index matches the entries exactly (for tests).
  bool IndexConsistent() const;

 private:
  struct FoldedHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
  };
  void IndexObject(MathObject* object, uint64_t sequence);
  void UnindexObject(const MathObject* object);
  void Compact(const std::vector<bool>& removed);

  Entries entries_;
  // Insertion numbers, strictly increasing along the list, so an object's
  // position is found by binary search and a bucket is kept in list order.
  std::vector<uint64_t> sequences_;
  uint64_t nextSequence_ = 0;
  std::unordered_map<std::string, Named, FoldedHash, std::equal_to<>> index_;
};

template <class Predicate>
std::vector<std::unique_ptr<MathObject>> ObjectList::TakeIf(Predicate remove) {
  std::vector<std::unique_ptr<MathObject>> taken;
  std::vector<bool> removed(entries_.size(), false);
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (!entries_[i] || !remove(*entries_[i])) continue;
    removed[i] = true;
    UnindexObject(entries_[i].get());
    taken.push_back(std::move(entries_[i]));
  }
  if (!taken.empty()) Compact(removed);
  return taken;
}

struct Document {
  ObjectList objects;
  ObjectList tempObjects;
};

// The current document; every list operation fails while there is none.
Document* CurrentDocument();
void SetCurrentDocument(Document* document);
ObjectList* CurrentObjectList();

int32_t AddObject(std::unique_ptr<MathObject> object);
int32_t AddTempObject(std::unique_ptr<MathObject> object);
void PurgeTempObjects();
int32_t IsObjectListEmpty();

// Case-insensitive name comparison used by every lookup.
bool NamesEqualIgnoringCase(std::string_view a, std::string_view b);
// Whether a mask accepts an object's status and kind.
bool StatusAccepted(const MathObject& object, uint32_t mask);
bool KindSelected(const MathObject& object, uint32_t mask);

MathObject* FindObject(std::string_view name, uint32_t mask);
MathObject* FindFirstObject(uint32_t mask);
MathObject* FindNextObject(uint32_t mask);
// The first object whose name equals `name` exactly (any kind and status).
MathObject* FindObjectExact(std::string_view name);
// Renames an object of the workspace (or one not yet in it).
void RenameObject(MathObject& object, std::string name);

template <class T>
T* FindObjectAs(std::string_view name, uint32_t mask) {
  return dynamic_cast<T*>(FindObject(name, mask));
}

int32_t DeleteObjectByName(std::string_view name);
// Whether any object of the workspace (any kind and status) bears `name`,
// ignoring case.
bool ObjectNameTaken(std::string_view name);
// Appends a new object under the one-object-per-name rule: every object of
// the same name (ignoring case, any kind) is deleted with its report first.
int32_t ReplaceObject(std::unique_ptr<MathObject> object);
// The first name (in list order) that two valid objects share ignoring case,
// or nothing; the workspace must never hold one.
std::optional<std::string> SharedObjectName(const ObjectList& list);
void PurgeInvalidObjects();
void DeleteAllObjects();

// The list entry of an object ("%s  matrix %dx%d", ...), or nothing when
// the mask does not select it.
std::optional<std::string> ObjectListEntry(const MathObject& object, uint32_t mask);
// The entries of every acceptable object in list order (list box and combo
// box filling; the first entry is the one selected).
std::vector<std::string> ObjectListEntries(uint32_t mask);

// The rule a new object's name breaks: malformed (empty, over 1000
// characters, a leading digit, a character other than a letter, digit or
// _), a reserved keyword or a reserved function name, ignoring case.
enum class NameRule { kValid, kMalformed, kReservedKeyword, kReservedFunction };
NameRule BrokenNameRule(std::string_view name);

// Deletion report line of an object.
void ReportDeletion(const MathObject& object, bool lowerCaseObject);

}  // namespace tq
