#pragma once

// The program as main() starts it: one lesson and its windows, wired. Built in
// main.cpp, which alone knows every window; tests build the same program.

#include <QCoreApplication>
#include <memory>

class LessonModel;
class TFormMain;
class TForm2DDemo;
class TForm3DDemo;
class TAboutBox;
class SkyWindow;
class HistoryWindow;
class ErrorSourcesWindow;
class ScatterWindow;
class LessonFiles;

class Program {
  Q_DECLARE_TR_FUNCTIONS(Program)

 public:
  Program();
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  LessonModel& lesson();
  TFormMain& mainWindow();
  TForm2DDemo& demo2D();
  TForm3DDemo& demo3D();
  TAboutBox& aboutBox();
  SkyWindow& sky();
  HistoryWindow& history();
  ErrorSourcesWindow& errorSources();
  ScatterWindow& scatter();
  LessonFiles& files();

  // The windows' places and sizes and which views were open are kept in the settings at
  // the end (unless the settings were reset meanwhile) and put back at the next start.
  void saveWindows();
  void restoreWindows();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};
