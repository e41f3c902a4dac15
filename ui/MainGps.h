#pragma once

#include <QCheckBox>
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

#include "geometry/Koordinatenclss.h"
#include "geometry/vektorR3clss.h"
#include "model/GpsUnit.h"
#include "model/satellitUnit.h"
#include "ui/StringGrid.h"

class TForm2DDemo;
class TForm3DDemo;

// The main window: the constellation and its table, the true receiver position with
// its entry and movement, the repeated position determination and the tool bar.
class TFormMain : public QWidget {
  Q_OBJECT
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // The windows the tool bar shows; they are created after the main window.
  void setCompanions(TForm2DDemo* form2DDemo, TForm3DDemo* form3DDemo, QWidget* aboutBox);

  const TSatellitenSchar* satelliteConstellation() const { return constellation.get(); }
  const TEmpfaenger* currentReceiver() const { return receiver.get(); }
  TVektorR3 currentTruePosition() const { return truePosition; }

  // A random true position: hemispheres, whole degrees 1..180 and 1..90 with
  // random minutes, a height of 0..10999 m. Also used by the 3D demonstration.
  TGeoPosition erzeugePosition();

  // Published controls.
  QToolBar* ToolBar;
  QToolButton* SpeedButtonInfo;
  QToolButton* SpeedButtonHilfe;
  QToolButton* SpeedButton2DDemo;
  QToolButton* SpeedButton3DDemo;
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
  bool readCartesian();
  bool readGeographic();
  static bool isValidPosition(TVektorR3 v);
  static bool isValidAngle(const TGradMinuten& gm, int maxDegrees);
  static bool isValidGeographic(const TGeoPosition& g);
  TVektorR3 nextReceiverPosition(long double d);
  void moveReceiver();

  void computePosition();
  void findPosition(TVektorR3& P);
  long double computedSpeed() const;
  QString optionsMessage() const;
  void enableControls(bool enabled);
  void showSignal(int row, const TListenElement& e);
  void showReceivedSatellites();
  void clearSatelliteTable();

  std::string helpFileName;  // looked up in the current directory
  std::array<QCheckBox*, 25> checkBoxes{};  // by satellite number, entry 0 unused
  TVektorR3 previousPosition{};
  TVektorR3 truePosition{};
  TGeoPosition trueGeo{};
  std::unique_ptr<TKoordinatenwandlerR3> converter;
  std::unique_ptr<TSatellitenSchar> constellation;
  std::unique_ptr<TEmpfaenger> receiver;

  TForm2DDemo* form2DDemo_ = nullptr;
  TForm3DDemo* form3DDemo_ = nullptr;
  QWidget* aboutBox_ = nullptr;
  QFont childFont_;
};

// Number text in the locale's form, with `decimals` decimals and `precision`
// significant digits.
QString formatNumber(long double value, int decimals, int precision);
