#include "support/qt_test_main.h"

#include <QApplication>
#include <QtTest>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace velko::testing {

namespace {

std::map<std::string, QtTestFactory>& registry() {
  static std::map<std::string, QtTestFactory> tests;
  return tests;
}

std::string stem(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return name.substr(0, name.find('.'));
}

}  // namespace

int registerQtTest(const char* file, QtTestFactory make) {
  registry()[stem(file)] = std::move(make);
  return 0;
}

}  // namespace velko::testing

int main(int argc, char** argv) {
  const auto& tests = velko::testing::registry();
  const auto found = argc >= 2 ? tests.find(argv[1]) : tests.end();
  if (found == tests.end()) {
    std::fprintf(stderr, "usage: %s <test> [Qt Test options]; the tests are:\n", argv[0]);
    for (const auto& [name, make] : tests)
      std::fprintf(stderr, "  %s\n", name.c_str());
    return 2;
  }
  // Qt Test sees the program and the options, as if the test were a program of its own.
  std::vector<char*> args = {argv[0]};
  for (int k = 2; k < argc; ++k)
    args.push_back(argv[k]);
  int count = static_cast<int>(args.size());
  QApplication app(count, args.data());
  app.setAttribute(Qt::AA_Use96Dpi, true);
  const std::unique_ptr<QObject> test = found->second();
  return QTest::qExec(test.get(), count, args.data());
}
