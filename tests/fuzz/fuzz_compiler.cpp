// Any text compiled as a function body: the scanner, the parser and the code
// emission must refuse it or compile it, never overrun. The code is not run
// (a program may loop for ever).
#include <cstdint>
#include <string>

#include "core/object_list.h"
#include "lang/function_objects.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static tq::Document document;  // names that compile create variables here
  tq::SetCurrentDocument(&document);
  static std::string text;
  text.assign(reinterpret_cast<const char*>(data), size);
  std::string errors;
  tq::CompileText(text, &errors);
  if (document.objects.size() > 1000) document.objects.Clear();
  return 0;
}
