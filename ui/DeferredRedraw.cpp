#include "ui/DeferredRedraw.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

const QEvent::Type kRedrawEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// Windows paint on update requests posted at Qt::LowEventPriority; one step lower
// queues the redraw behind every paint already asked for.
constexpr int kAfterPaints = Qt::LowEventPriority - 1;

}  // namespace

DeferredRedraw::DeferredRedraw(QWidget* view, int spacingMs, std::function<void()> redraw)
    : QObject(view), view_(view), spacingMs_(spacingMs), redraw_(std::move(redraw)) {
  wait_.setSingleShot(true);
  connect(&wait_, &QTimer::timeout, this, [this] { post(); });
  view->installEventFilter(this);
}

bool DeferredRedraw::eventFilter(QObject* watched, QEvent* event) {
  if (watched == view_) {
    if (event->type() == QEvent::Show)
      redrawNow();
    else if (event->type() == QEvent::WindowStateChange && pending_)
      request();  // restored from its icon: what it missed
  }
  return false;
}

bool DeferredRedraw::canDraw() const { return view_->isVisible() && !view_->isMinimized(); }

void DeferredRedraw::request() {
  pending_ = true;
  if (!canDraw() || posted_ || wait_.isActive()) return;
  const qint64 since = sinceLast_.isValid() ? sinceLast_.elapsed() : spacingMs_;
  if (since >= spacingMs_)
    post();
  else
    wait_.start(int(spacingMs_ - since));
}

void DeferredRedraw::redrawNow() {
  wait_.stop();
  pending_ = false;
  sinceLast_.start();
  redraw_();
}

void DeferredRedraw::post() {
  posted_ = true;
  QCoreApplication::postEvent(this, new QEvent(kRedrawEvent), kAfterPaints);
}

void DeferredRedraw::customEvent(QEvent* event) {
  if (event->type() != kRedrawEvent) return QObject::customEvent(event);
  posted_ = false;
  // Hidden meanwhile: the next show draws; already drawn by redrawNow: nothing to do.
  if (pending_ && canDraw()) redrawNow();
}
