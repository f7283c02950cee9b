// The workspace: one ordered list of named objects owned by the document,
// and a second list of temporary objects made while charts are drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/math_object.h"

namespace tq {

// An ordered list that owns its objects. An entry may be empty.
class ObjectList {
 public:
  std::vector<std::unique_ptr<MathObject>> entries;
  size_t cursor = 0;  // the enumeration cursor of FindFirstObject/FindNextObject

  bool empty() const { return entries.empty(); }
  size_t size() const { return entries.size(); }
};

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

template <class T>
T* FindObjectAs(std::string_view name, uint32_t mask) {
  return dynamic_cast<T*>(FindObject(name, mask));
}

int32_t DeleteObjectByName(std::string_view name);
void PurgeInvalidObjects();
void DeleteAllObjects();

// The list entry of an object ("%s  matrix %dx%d", ...), or nothing when
// the mask does not select it.
std::optional<std::string> ObjectListEntry(const MathObject& object, uint32_t mask);
// The entries of every acceptable object in list order (list box and combo
// box filling; the first entry is the one selected).
std::vector<std::string> ObjectListEntries(uint32_t mask);

// Name rules for a new object. Shows the reserved-word messages itself and
// sets NameMessageShown when it did.
int32_t ValidateNewName(std::string_view name);
extern int32_t NameMessageShown;

// Deletion report line of an object.
void ReportDeletion(const MathObject& object, bool lowerCaseObject);

}  // namespace tq
