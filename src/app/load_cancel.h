#pragma once
// Esc stops a running load. The load runs on the user-interface thread; at each of its progress
// steps the core asks whether to stop, and this watch then lets Qt deliver what is waiting: the
// window repaints, the Esc key is taken as the request to stop, and every other key, click or
// attempt to close is ignored until the load is over, so that no command starts in the middle of
// it. The status bar of the main window says that Esc stops the reading meanwhile.

#include <QObject>

#include "platform/services.h"

class QEvent;
class QWidget;

namespace satzlupe {

class LoadCancelWatch : public QObject, public edbs::CancelRequest {
 public:
  // Becomes the core's cancel request until destroyed; `view` is the view that shows the load.
  explicit LoadCancelWatch(QWidget* view);
  ~LoadCancelWatch() override;
  LoadCancelWatch(const LoadCancelWatch&) = delete;
  LoadCancelWatch& operator=(const LoadCancelWatch&) = delete;

  bool Cancelled() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_view;
  bool m_cancelled = false;
};

}  // namespace satzlupe
