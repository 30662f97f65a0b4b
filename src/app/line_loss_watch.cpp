#include "app/line_loss_watch.h"

#include <QTimer>

namespace km62rx::app {

LineLossWatch::LineLossWatch(std::unique_ptr<device::SerialLine> line, std::function<void()> lost)
    : ForwardingLine(std::move(line)), lost_(std::move(lost)) {
  for (QSocketNotifier* watch : {&readWatch_, &exceptionWatch_})
    QObject::connect(watch, &QSocketNotifier::activated, watch, [this] { Check(); });
  Arm();
}

LineLossWatch::~LineLossWatch() {
  Disarm();
}

bool LineLossWatch::Open(const std::string& portName, const device::LineSettings& settings) {
  Disarm();
  const bool opened = ForwardingLine::Open(portName, settings);
  Arm();
  return opened;
}

void LineLossWatch::Close() {
  Disarm();
  ForwardingLine::Close();
}

bool LineLossWatch::CheckForLoss() {
  Disarm();
  const bool lost = ForwardingLine::CheckForLoss();
  Arm();
  return lost;
}

void LineLossWatch::CheckSoon() {
  // The watch owns the notifiers, which end the queued call with it.
  QTimer::singleShot(0, &readWatch_, [this] { Check(); });
}

void LineLossWatch::Check() {
  if (CheckForLoss() && lost_)
    lost_();
}

void LineLossWatch::Disarm() {
  readWatch_.setEnabled(false);
  exceptionWatch_.setEnabled(false);
}

void LineLossWatch::Arm() {
  const int fd = LossDescriptor();
  if (fd < 0)
    return;
  for (QSocketNotifier* watch : {&readWatch_, &exceptionWatch_}) {
    if (watch->socket() != fd)
      watch->setSocket(fd);
    watch->setEnabled(true);
  }
}

}  // namespace km62rx::app
