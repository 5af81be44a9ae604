// The one program of the window tests: `gui_tests NAME [QTest options]` runs
// the test class that the file NAME registered.

#include <cstdio>

#include "gui_fixture.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: gui_tests NAME [QTest options]\n");
    return 2;
  }
  auto& registry = kartovex::guitest::TestRegistry();
  auto found = registry.find(argv[1]);
  if (found == registry.end()) {
    std::fprintf(stderr, "gui_tests: no test file named %s\n", argv[1]);
    return 2;
  }
  std::unique_ptr<QObject> test = found->second();
  // QTest reads its options after the program name.
  argv[1] = argv[0];
  return QTest::qExec(test.get(), argc - 1, argv + 1);
}
