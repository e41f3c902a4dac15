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
#include <optional>
#include <string>

#include "model/LessonModel.h"
#include "ui/Language.h"
#include "ui/StringGrid.h"

// The main window, a view of the lesson: the satellite table, the entry and movement
// of the true receiver position, the repeated position determination and the tool bar.
// Clicks become calls on the lesson, and its one timer lets the lesson's time run; the
// grids show the lesson's state and the record of each determination. It knows no
// other window: main.cpp connects its Info, 2D and 3D buttons and fills its tool bar's
// places.
class TFormMain : public QWidget, private LessonObserver {
  Q_OBJECT
 public:
  // The lesson outlives the window.
  explicit TFormMain(LessonModel& lesson, QWidget* parent = nullptr);
  ~TFormMain() override;

  LessonModel& lesson() { return lesson_; }

  // Places in the tool bar for the buttons of other parts of the program: the lesson
  // files at its start, the teaching views before the time control, the settings
  // before "Beenden". A place opens with a separator; `keys` work in the whole window
  // while the button is enabled.
  enum class ToolPlace { files, views, settings };
  void addToolButton(ToolPlace place, QToolButton* button, const QKeySequence& keys = {});

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

  // Lets the lesson's time run: fires when its next tick falls due.
  QTimer* TimerLektion;

 Q_SIGNALS:
  // "Beenden" or the window closed: the program ends.
  void ending();

 public Q_SLOTS:
  void TimerLektionTimer();
  void SpeedButtonHilfeClick();
  void SpeedButtonBeendenClick();
  // Time control: pause and resume the satellites and the receiver, one step while paused.
  void SpeedButtonAnhaltenClick();
  void SpeedButtonEinzelschrittClick();
  void BitBtnCartToGeoClick();
  void BitBtnGeoToCartClick();
  void BitBtnErzeugenClick();
  void BitBtnEmpfaengerBewegenClick();
  void BitBtnBerechneClick();

 protected:
  // Closing the main window ends the program, whatever other windows are open.
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void buildLayout();
  void retranslate();
  void rewriteEntries();
  void endLesson();
  void FormCreate();
  void scheduleTick();
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

  void enableControls(bool enabled);
  void showRecord(const DeterminationRecord& record);
  void clearComputedPosition();
  void clearSatelliteTable();

  // LessonObserver
  void satellitesMoved() override;
  void receiverMoved() override;
  void determinationStarting() override;
  void determined(const DeterminationRecord& record) override;
  void stateChanged() override;
  void restored() override;

  std::string helpFileName;  // looked up in the current directory
  std::array<QCheckBox*, LessonModel::satelliteCount + 1> checkBoxes{};  // entry 0 unused
  LessonModel& lesson_;
  bool travelShown_ = false;     // the travel state the controls show
  bool determiningShown_ = false;
  bool timeRunsShown_ = true;
  bool ended_ = false;
  std::array<QAction*, 3> places_{};  // where each place ends; null while it is empty
  QAction* timeSeparator_ = nullptr;
  QAction* quitSeparator_ = nullptr;
  QAction* exportTable_ = nullptr;
  Language shownLanguage_ = Language::german;  // the language numbers and letters are shown in
  QFont childFont_;
};
