#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>

#include "model/LessonModel.h"

// "Fehlerquellen": switches each source of measurement error, sets its σ, and shows the
// total (UERE); beside them the common offset on every signal and one faulty
// satellite. An entry is taken when it is finished (Return or leaving the field); one
// the lesson refuses is answered with its message and the field shows the lesson's
// value again. Follows the lesson, so a lesson file's settings show at once.
class ErrorSourcesWindow : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  // The lesson outlives the window.
  explicit ErrorSourcesWindow(LessonModel& lesson, QWidget* parent = nullptr);
  ~ErrorSourcesWindow() override;

  std::array<QCheckBox*, errorSourceCount> CheckBoxQuelle{};
  std::array<QLineEdit*, errorSourceCount> EditSigma{};
  QCheckBox* CheckBoxVersatz;
  QLineEdit* EditVersatz;
  QLabel* LabelVersatzMeter;
  QCheckBox* CheckBoxFehlerhaft;
  QLineEdit* EditFehlerhaftNummer;
  QLineEdit* EditFehlerhaftMeter;
  QLabel* LabelUERE;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
  // Reads every field; a refused entry shows its message and changes nothing.
  void apply(QLineEdit* edited);
  void showSettings(const ErrorSettings& s);

  void stateChanged() override { showSettings(lesson_.errorSettings()); }
  void restored() override { showSettings(lesson_.errorSettings()); }

  LessonModel& lesson_;
  QLabel* sourceHeader_;
  QLabel* note_;
};
