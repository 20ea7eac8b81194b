#pragma once
// The screen, picture and music tests share one program: each test file registers its Qt Test
// class under its own file name, and `velko_qt_tests <name> [Qt Test options]` runs that one
// class, in a process of its own as before.

#include <QObject>
#include <functional>
#include <memory>

namespace velko::testing {

using QtTestFactory = std::function<std::unique_ptr<QObject>()>;

// Registers the class made by `make` under the stem of `file` ("fight_test" for
// ".../fight_test.cpp"); returns a dummy so registration can run at start-up.
int registerQtTest(const char* file, QtTestFactory make);

}  // namespace velko::testing

// In place of QTEST_MAIN / QTEST_GUILESS_MAIN.
#define VELKO_QTEST(TestClass)                                             \
  static const int velkoQtTestRegistered = velko::testing::registerQtTest( \
      __FILE__, [] { return std::unique_ptr<QObject>(new TestClass); })
