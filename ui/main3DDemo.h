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

#include "paint/QtCanvas.h"
#include "ui/StringGrid.h"
#include "demo/dreiDDemo.h"

// The 3D demonstration window: projection choice, the animated scene, two
// rotations of the scene and the step-by-step walk-through of the position fix.
// Closing only hides it; OK builds a new scene.
class TForm3DDemo : public QWidget {
  Q_OBJECT
 public:
  // `erzeugePosition` places the receiver of every new scene.
  explicit TForm3DDemo(T3DDemo::PositionSource erzeugePosition, QWidget* parent = nullptr);
  ~TForm3DDemo() override;

  // The main window's 3D button: shows the window, its picture black until the first OK.
  void showFromMainWindow();
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

  // The script behind the window; its scene is `ablauf().demo`.
  TDemo3DAblauf& ablauf() { return *ablauf_; }
  std::uint8_t projectionKind = 0;  // 0 parallel, 1 central

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

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void buildLayout();
  void retranslate();
  void FormCreate();
  // The timer's tick: a frame, unless the last one is still to be shown.
  void frameTick();
  void showEye();
  // Copies the script's state onto the controls and the timer.
  void sync();
  std::uint8_t chosenProjection() const;

  T3DDemo::PositionSource erzeugePosition_;
  std::unique_ptr<TDemo3DAblauf> ablauf_;
};
