#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "ui/QtCanvas.h"
#include "ui/StringGrid.h"
#include "ui/dreiDDemo.h"

// The 3D demonstration window: projection choice, the animated scene, two
// rotations of the scene and the step-by-step walk-through of the position fix.
// Closing only hides it; OK builds a new scene.
class TForm3DDemo : public QWidget {
  Q_OBJECT
 public:
  // `erzeugePosition` places the receiver of every new scene.
  explicit TForm3DDemo(T3DDemo::PositionSource erzeugePosition, QWidget* parent = nullptr);
  ~TForm3DDemo() override;

  // Frees the scene and stops the timer at program end; every handler does nothing
  // afterwards.
  void releaseScene();

  // Published controls.
  ImageControl* Image;
  QGroupBox* GroupBoxProjektionsart;
  QRadioButton* RadioButtonZentral;
  QRadioButton* RadioButtonParallel;
  QPushButton* BitBtnOk;
  QPushButton* BitBtnSchliessen;
  QPushButton* BitBtnAnhalten;
  QPushButton* BitBtnAlgorithmus;
  QPushButton* BitBtnAlgorithmusAbbrechen;
  QPlainTextEdit* Memo3d;
  QFrame* PanelAuge;
  QLabel* LabelAuge;
  StringGrid* StringGridAuge;
  QLabel* LabelAequator;
  QPushButton* BitBtnAequator;
  QLineEdit* LabeledEditAequator;
  QLabel* LabelNordpol;
  QPushButton* BitBtnNordpol;
  QLineEdit* LabeledEditNordpol;
  QPushButton* BitBtnCancel;
  QTimer* Timer3DDemo;

  // Window state.
  std::unique_ptr<T3DDemo> demo;
  bool aequatorRunning = false;
  bool nordpolRunning = false;
  bool algorithmMode = false;
  bool abortRequested = false;
  std::uint8_t projectionKind = 0;  // 0 parallel, 1 central
  // 0 outside the walk-through, 1..7 during it.
  std::int32_t algorithmStep = 0;

 public Q_SLOTS:
  void BitBtnOkClick();
  void BitBtnAnhaltenClick();
  void BitBtnAlgorithmusClick();
  void BitBtnAlgorithmusAbbrechenClick();
  void BitBtnSchliessenClick();
  void Timer3DDemoTimer();
  void BitBtnAequatorClick();
  void BitBtnNordpolClick();
  void BitBtnCancelClick();

 private:
  void buildLayout();
  void FormCreate();
  // The timer's tick: a frame, unless the last one is still to be shown.
  void frameTick();
  void showEye();
  void enableButtons(bool rotationOnly, bool enabled);
  void resetDemo();
  std::uint8_t chosenProjection() const;
  void toggleRotation(bool& running, QPushButton* own, QPushButton* other);
  void startWalkThrough();
  void showStep();
  void endWalkThrough();

  T3DDemo::PositionSource erzeugePosition_;
  bool released_ = false;
};
