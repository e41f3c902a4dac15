#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

// Redraws a view of the lesson after the windows that changed with it have painted:
// a determination tick shows its result in the main window first, and the view's
// charts follow. Requests coalesce into one redraw, at most one per `spacing`;
// a hidden or minimised view redraws when it is shown again.
class DeferredRedraw : public QObject {
 public:
  DeferredRedraw(QWidget* view, int spacingMs, std::function<void()> redraw);

  // The view's data changed.
  void request();
  // The view was shown or restored from its icon: redraw at once.
  void redrawNow();
  bool pending() const { return pending_; }

 protected:
  void customEvent(QEvent* event) override;

 private:
  bool canDraw() const;
  void post();

  QWidget* view_;
  int spacingMs_;
  std::function<void()> redraw_;
  QTimer wait_;
  QElapsedTimer sinceLast_;
  bool pending_ = false;  // asked for and not yet drawn
  bool posted_ = false;   // the redraw event is queued
};
