// The QApplication the widget tests run in, with the font substitutions the program installs.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "platform/qt/font_faces.h"

namespace qel {
namespace {

// Made before the first test and destroyed after the last, while main() still runs: Qt allows
// one application object per process and it must not outlive Qt's own static data.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance() != nullptr) return;
    application_ = std::make_unique<QApplication>(argc_, argv_);
    InstallFontSubstitutions();
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[14] = "qel_app_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
}  // namespace qel
