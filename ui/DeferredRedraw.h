#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

// Redraws a view of the lesson after the windows that changed with it have painted:
// a determination tick shows its result in the main window first, and the view's
// charts follow. Requests coalesce into one redraw, at most one per `spacing`;
// a hidden or minimised view redraws when it is shown or restored.
class DeferredRedraw : public QObject {
 public:
  DeferredRedraw(QWidget* view, int spacingMs, std::function<void()> redraw);

  // The view's data changed.
  void request();
  void redrawNow();

 protected:
  void customEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

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
