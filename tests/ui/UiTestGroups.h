// The groups of ui tests; each runs as its own ctest test.
#pragma once

namespace gelumpa::test {

int runMainWindowTests(int argc, char** argv);
int runPictureWindowTests(int argc, char** argv);
int runReentryTests(int argc, char** argv);
int runHiDpiTests(int argc, char** argv);
int runKeyboardTests(int argc, char** argv);

} // namespace gelumpa::test
