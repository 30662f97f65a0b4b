#include "device/qt/loss_notice.h"

#include <QTimer>

namespace km62rx::device {

void LossNotice::Queue(std::function<bool()> stillOpen, std::function<void()> close) {
  if (noticed_ == openings_)
    return;  // already on its way
  noticed_ = openings_;
  const int opening = openings_;
  QTimer::singleShot(
      0, &context_, [this, opening, stillOpen = std::move(stillOpen), close = std::move(close)] {
        if (opening != openings_ || !stillOpen())
          return;
        if (lost_)
          lost_();
        close();  // whether or not anyone watches: a dead port must not keep waking the program
      });
}

}  // namespace km62rx::device
