#pragma once

#include <QDialog>
#include <QIcon>

class QFrame;
class QLabel;
class QPushButton;

// The program's icon (the earth with satellites), for the About box and as window icon
// (QApplication::setWindowIcon). Needs the application object and Qt's SVG plug-in.
QIcon programIcon();

// The About box: names the program, its version and maker, the terms of use and the
// disclaimer, and opens the maker's web page or a new mail through the desktop shell.
// Created hidden at start-up and shown without being modal; Schließen only hides it.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // The maker's addresses as the two buttons show them; the buttons add the scheme.
  static constexpr const char* webAddress = "www.ortivo.example.org";
  static constexpr const char* mailAddress = "team@ortivo.example.org";

  explicit TAboutBox(QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  QLabel* Comments;
  QPushButton* BitBtnSchliessen;
  QPushButton* ButtonWebseite;
  QPushButton* ButtonMail;
  QLabel* ProgramIcon;
  QLabel* Label1;

 public Q_SLOTS:
  void BitBtnSchliessenClick();
  void ButtonWebseiteClick();
  void ButtonMailClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void retranslate();
};
