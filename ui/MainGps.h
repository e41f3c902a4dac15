#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <memory>
#include <string>

#include <optional>

#include "model/LessonModel.h"
#include "ui/StringGrid.h"

class TForm2DDemo;
class TForm3DDemo;

// The main window, a view of the lesson: the satellite table, the entry and movement
// of the true receiver position, the repeated position determination and the tool bar.
// Clicks and timer ticks become calls on the lesson model; the grids show its state
// and the record of each determination.
class TFormMain : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // The windows the tool bar shows; they are created after the main window.
  void setCompanions(TForm2DDemo* form2DDemo, TForm3DDemo* form3DDemo, QWidget* aboutBox);

  // The lesson the window shows; gone after "Beenden".
  LessonModel* lesson() { return lesson_.get(); }
  const TSatellitenSchar* satelliteConstellation() const {
    return lesson_ ? &lesson_->constellation() : nullptr;
  }
  const TEmpfaenger* currentReceiver() const { return lesson_ ? &lesson_->receiver() : nullptr; }
  TVektorR3 currentTruePosition() const { return lesson_ ? lesson_->truePosition() : TVektorR3{}; }

  // A random true position: hemispheres, whole degrees 1..180 and 1..90 with
  // random minutes, a height of 0..10999 m. Also used by the 3D demonstration.
  TGeoPosition erzeugePosition();

  // Published controls.
  QToolBar* ToolBar;
  QToolButton* SpeedButtonInfo;
  QToolButton* SpeedButtonHilfe;
  QToolButton* SpeedButton2DDemo;
  QToolButton* SpeedButton3DDemo;
  QToolButton* SpeedButtonAnhalten;
  QToolButton* SpeedButtonEinzelschritt;
  QComboBox* ComboBoxZeitraffer;
  QToolButton* SpeedButtonBeenden;

  QGroupBox* GroupBoxEmpfaenger;
  QLabel* LabelExakterStandortCart;
  StringGrid* StringGridExakterStandortCart;
  QPushButton* BitBtnCartToGeo;
  QPushButton* BitBtnGeoToCart;
  QPushButton* BitBtnErzeugen;
  QLabel* LabelExakterStandortGeo;
  StringGrid* StringGridExakterStandortGeo;
  QLineEdit* LabeledEditExakteHoehe;
  QLabel* LabelTatsaechlicheGeschwindigkeit;
  QSpinBox* SpinEditTatsaechlicheGeschwindigkeit;
  QPushButton* BitBtnEmpfaengerBewegen;

  QGroupBox* GroupBoxDefekt;

  QGroupBox* GroupBoxBerechneterStandort;
  QLabel* LabelBerechneterStandortCart;
  StringGrid* StringGridBerechneterStandortCart;
  QLabel* LabelBerechneterStandortGeo;
  StringGrid* StringGridBerechneterStandortGeo;
  QLineEdit* LabeledEditBerechneteHoehe;
  QLabel* LabelInfo;
  QLineEdit* LabeledEditBerechneteGeschwindigkeit;
  QPushButton* BitBtnBerechne;
  QLineEdit* LabeledEditAnzEmpfangeneSatelliten;
  QLabel* LabelSatelliten;
  StringGrid* StringGridSatelliten;
  QLabel* LabelUnterschied;
  QLineEdit* EditUnterschied;

  QGroupBox* GroupBoxSatellitenbewegung;
  StringGrid* StringGridBewegung;

  QTimer* TimerSatellitenSchar;
  QTimer* TimerEmpfaenger;
  QTimer* TimerBerechnung;

 public Q_SLOTS:
  void TimerSatellitenScharTimer();
  void SpeedButtonInfoClick();
  void SpeedButtonHilfeClick();
  void SpeedButton2DDemoClick();
  void SpeedButton3DDemoClick();
  void SpeedButtonBeendenClick();
  // Time control: pause and resume the satellites and the receiver, one step while paused.
  void SpeedButtonAnhaltenClick();
  void SpeedButtonEinzelschrittClick();
  void TimerEmpfaengerTimer();
  void BitBtnCartToGeoClick();
  void BitBtnGeoToCartClick();
  void BitBtnErzeugenClick();
  void BitBtnEmpfaengerBewegenClick();
  void TimerBerechnungTimer();
  void BitBtnBerechneClick();

 protected:
  // Closing the main window ends the program, whatever other windows are open.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildLayout();
  void releaseModel();
  void FormCreate();
  void initGrids();
  void fitTitle(QGroupBox* box);
  void showSatellites();
  void showError(const QString& message);
  void enableBitBtns(QGroupBox* groupBox, bool enabled);

  void showCartesian(StringGrid* grid, TVektorR3 v);
  void showGeographic(StringGrid* grid, QLineEdit* heightEdit, const TGeoPosition& g);
  void clearCartesianRow(StringGrid* grid);
  void clearGeographicGrid(StringGrid* grid, QLineEdit* heightEdit);
  CartesianEntry cartesianEntry() const;
  GeographicEntry geographicEntry() const;
  bool accepted(const std::optional<std::string>& message);
  void showTruePosition();

  void computePosition();
  void enableControls(bool enabled);
  void showRecord(const DeterminationRecord& record);
  void clearComputedPosition();
  void showSignal(int row, const SignalRecord& e);
  void showReceivedSatellites(const DeterminationRecord& record);
  void clearSatelliteTable();

  // LessonObserver
  void stateChanged() override;
  void restored() override;
  void lessonEnded() override;

  std::string helpFileName;  // looked up in the current directory
  std::array<QCheckBox*, LessonModel::satelliteCount + 1> checkBoxes{};  // entry 0 unused
  std::unique_ptr<LessonModel> lesson_;
  bool travelShown_ = false;  // the travel state the controls show

  TForm2DDemo* form2DDemo_ = nullptr;
  TForm3DDemo* form3DDemo_ = nullptr;
  QWidget* aboutBox_ = nullptr;
  QFont childFont_;
};

// Number text in the locale's form, with `decimals` decimals and `precision`
// significant digits.
QString formatNumber(long double value, int decimals, int precision);
