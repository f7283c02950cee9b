// Times opening a workspace file of N variables (default 100000) into an
// empty workspace, the case where every record's name is looked up in a
// growing list. Usage: bench_open_workspace [N [path]]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "core/object_list.h"
#include "workspace/workspace_file.h"

namespace {

double Seconds(std::chrono::steady_clock::duration d) {
  return std::chrono::duration<double>(d).count();
}

}  // namespace

int main(int argc, char** argv) {
  const long count = argc > 1 ? std::atol(argv[1]) : 100000;
  const std::string path = argc > 2 ? argv[2] : "/tmp/bench_open_workspace.mts";
  tq::Document document;
  tq::SetCurrentDocument(&document);

  for (long i = 0; i < count; ++i) {
    auto variable = std::make_unique<tq::VariableObject>(double(i));
    variable->name = "var" + std::to_string(i);
    tq::AddObject(std::move(variable));
  }
  auto start = std::chrono::steady_clock::now();
  std::string failure;
  if (!tq::SaveWorkspaceFile(path, failure)) return 1;
  const double save = Seconds(std::chrono::steady_clock::now() - start);
  tq::DeleteAllObjects();

  start = std::chrono::steady_clock::now();
  if (!tq::OpenWorkspaceFile(path, false, failure)) return 1;
  const double open = Seconds(std::chrono::steady_clock::now() - start);

  start = std::chrono::steady_clock::now();
  long found = 0;
  for (long i = 0; i < count; i += 1 + count / 1000)
    if (tq::FindObject("VAR" + std::to_string(i), tq::OBJMASK_VARIABLE)) ++found;
  const double lookups = Seconds(std::chrono::steady_clock::now() - start);

  std::printf("%ld variables: save %.3f s, open %.3f s, %ld lookups %.6f s\n", count, save, open,
              found, lookups);
  tq::DeleteAllObjects();
  tq::SetCurrentDocument(nullptr);
  std::remove(path.c_str());
  return 0;
}
