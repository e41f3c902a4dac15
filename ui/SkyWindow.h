#pragma once

#include <QLabel>
#include <QWidget>

#include "model/DilutionOfPrecision.h"
#include "model/LessonModel.h"
#include "model/SkyGeometry.h"
#include "paint/QtCanvas.h"
#include "ui/StringGrid.h"

class DeferredRedraw;

// The sky view: the satellites above the receiver as a polar plot, their directions,
// and the dilution of precision of the four used in the last fix and of all received.
// It follows the lesson as an observer; what it hears only marks it for a redraw,
// which runs after the main window has painted and only while the window is shown.
class SkyWindow : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  // The lesson outlives the window.
  explicit SkyWindow(LessonModel& lesson, QWidget* parent = nullptr);
  ~SkyWindow() override;

  // Draws the plot and fills the tables from the lesson as it is now.
  void refresh();

  ImageControl* ImageHimmel;
  QLabel* LabelLegende;
  QLabel* LabelRichtungen;
  StringGrid* StringGridRichtungen;  // Satellit, Azimut, Elevation, Zustand
  QLabel* LabelDOP;
  StringGrid* StringGridDOP;  // rows GDOP..TDOP; the four used, all received
  QLabel* LabelDOPHinweis;    // why a column shows "–", and how good the geometry is
  QLabel* LabelDOPBedeutung;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  void forgetFix();
  void showDop(int column, const DilutionOfPrecision& dop);

  // LessonObserver
  void satellitesMoved() override;
  void receiverMoved() override;
  void determined(const DeterminationRecord& record) override;
  void stateChanged() override;
  void restored() override;

  LessonModel& lesson_;
  SatelliteSet used_{};
  DilutionOfPrecision fixDop_{};
  bool hasFix_ = false;       // a determination was made for this position
  bool fixFound_ = false;     // and it found a position
  DeferredRedraw* redraw_ = nullptr;
};
