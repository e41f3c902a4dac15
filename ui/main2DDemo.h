#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "paint/QtCanvas.h"

class TDemo2DAblauf;

// The 2D demonstration window: the scene on the image, the explanation in the memo,
// one step of the script per OK. The script itself lives in TDemo2DAblauf, which
// draws through the image's canvas and knows nothing of Qt.
class TForm2DDemo : public QWidget {
  Q_OBJECT
 public:
  explicit TForm2DDemo(QWidget* parent = nullptr);
  ~TForm2DDemo() override;

  // The main window's 2D button: shows the window and starts a new run at step 1.
  void startDemo();
  // At program end: frees the converter and the constellation and stops the timer;
  // the window's handlers do nothing afterwards.
  void releaseModel();

  TDemo2DAblauf& ablauf() { return *ablauf_; }

  // Published controls.
  ImageControl* Image;
  QPushButton* BitBtnOk;
  QPushButton* BitBtnSchliessen;
  QPlainTextEdit* MemoDemo;
  QTimer* DemoTimer;

 public Q_SLOTS:
  void DemoTimerTimer();
  void BitBtnOkClick();
  void BitBtnSchliessenClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void FormCreate();
  void retranslate();
  void fitMemoFont();
  // Mirrors the script's timer, OK button and memo into the controls.
  void sync();

  std::unique_ptr<TDemo2DAblauf> ablauf_;
};
