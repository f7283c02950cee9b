#include "workspace/data_file.h"

#include "core/object_list.h"
#include "core/ui_port.h"

namespace tq {

namespace {

// The object of a data file command, or nullptr with the message that
// Display shows for the same object (none for an unknown name).
MathObject* DataObject(const std::string& name, std::string& refusal) {
  refusal.clear();
  MathObject* object = FindObjectExact(name);
  if (!object) return nullptr;
  if (object->status == STATUS_FAILED) {
    refusal =
        "Error:\nObject state is not valid.\nLast operation on this object has failed.\nUnable "
        "to display object.";
    return nullptr;
  }
  if (object->status != STATUS_VALID) {
    refusal = "Error:\nObject state is not valid.\nUnable to display object.";
    return nullptr;
  }
  if (object->kind != KIND_MATRIX && object->kind != KIND_VECTOR) {
    refusal = "Unable to display object.";
    return nullptr;
  }
  return object;
}

MathObject* DataObject(const std::string& name) {
  std::string refusal;
  return DataObject(name, refusal);
}

}  // namespace

std::string DataObjectRefusal(const std::string& name) {
  std::string refusal;
  DataObject(name, refusal);
  return refusal;
}

int32_t ExportObject(const std::string& name, const std::string& path) {
  MathObject* object = DataObject(name);
  if (!object) return 0;
  if (auto* matrix = dynamic_cast<MatrixObject*>(object)) {
    Report("Writing data from matrix  %s  %dx%d \r\nto file %s", name.c_str(), matrix->rows,
           matrix->columns, path.c_str());
    return ExportMatrix(*matrix, path);
  }
  auto& vector = static_cast<VectorObject&>(*object);
  Report("Writing data from vector  %s  (%d)\r\nto file %s", name.c_str(), vector.size,
         path.c_str());
  return ExportVector(vector, path);
}

int32_t ImportObject(const std::string& name, const std::string& path) {
  MathObject* object = DataObject(name);
  if (!object) return 0;
  if (auto* matrix = dynamic_cast<MatrixObject*>(object)) {
    Report("Reading data to matrix  %s  %dx%d \r\nfrom file %s", name.c_str(), matrix->rows,
           matrix->columns, path.c_str());
    return ImportMatrix(*matrix, path);
  }
  auto& vector = static_cast<VectorObject&>(*object);
  Report("Reading data to vector  %s  (%d)\r\nfrom file %s", name.c_str(), vector.size,
         path.c_str());
  return ImportVector(vector, path);
}

}  // namespace tq
