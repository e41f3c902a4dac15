#pragma once

// The program as main() starts it: one lesson and its windows, wired. Built in
// main.cpp, which alone knows every window; tests build the same program.

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

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};
