// The QApplication every test of this program paints, measures fonts or shows boxes with.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace qel {
namespace {

// Made before the first test and destroyed after the last, while main() still runs: Qt allows
// one application object per process, it must not outlive Qt's own static data (a static
// QApplication crashes at exit), and widgets (message boxes) need a QApplication rather than a
// QGuiApplication.
class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QCoreApplication::instance() != nullptr) return;
    application_ = std::make_unique<QApplication>(argc_, argv_);
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char name_[22] = "qel_platform_qt_tests";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kQtApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
}  // namespace qel
