// Drives the modal dialogs a command opens: each step acts on the next modal window once its own
// event loop runs (after exec() was called), in order.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace qel::test {

class ModalScript {
 public:
  using Step = std::function<void(QWidget&)>;

  ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  }
  // Queues a step for the next modal window; the script starts polling.
  ModalScript& Then(Step step) {
    steps_.push_back(std::move(step));
    timer_.start();
    return *this;
  }
  // Steps not run yet.
  std::size_t pending() const { return steps_.size(); }

 private:
  void Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A step acts once per window: the next waits until that window has closed.
    if (modal == nullptr || (modal == last_ && modal->isVisible())) return;
    if (steps_.empty()) {
      timer_.stop();
      return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    last_ = modal;
    step(*modal);
  }

  QTimer timer_;
  std::deque<Step> steps_;
  QPointer<QWidget> last_;
};

}  // namespace qel::test
