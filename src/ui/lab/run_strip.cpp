#include "ui/lab/run_strip.h"

#include <QProgressBar>
#include <QPushButton>

namespace velko::ui {

RunStrip::RunStrip(QWidget* window) : QObject(window) {
  cmdStart_ = new QPushButton(qtTrId("開始(&S)"), window);
  cmdStart_->setObjectName("cmdStart");
  cmdCancel_ = new QPushButton(qtTrId("中止(&C)"), window);
  cmdCancel_->setObjectName("cmdCancel");
  cmdCancel_->setEnabled(false);
  progress_ = new QProgressBar(window);
  progress_->setObjectName("progress");
  progress_->setValue(0);
  connect(cmdStart_, &QPushButton::clicked, this, &RunStrip::startPressed);
  connect(cmdCancel_, &QPushButton::clicked, this, [this] { worker_.cancel(); });
}

RunStrip::~RunStrip() {
  worker_.stop();
}

void RunStrip::showBegun(int total) {
  progress_->setRange(0, total);
  progress_->setValue(0);
  cmdStart_->setEnabled(false);
  cmdCancel_->setEnabled(true);
}

void RunStrip::report(int done) {
  QMetaObject::invokeMethod(
      this, [this, done] { progress_->setValue(done); }, Qt::QueuedConnection);
}

void RunStrip::finish() {
  worker_.finish();
  cmdStart_->setEnabled(true);
  cmdCancel_->setEnabled(false);
}

}  // namespace velko::ui
