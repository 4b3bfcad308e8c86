// GoogleTest entry point for the end-to-end tests: QProcess wants an application object.
#include <gtest/gtest.h>

#include <QCoreApplication>

int main(int argc, char* argv[]) {
  const QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
