#pragma once

// Scenario files and tables of a lesson: "Szenario öffnen…" (with the files opened
// last), "Szenario speichern…" and "Tabelle exportieren…" (the satellite table or the
// history of the determinations as CSV), as three tool-bar buttons that main.cpp
// places. The file format is model/LessonFile.h; this is its Qt side.

#include <QByteArrayList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <string>

#include "model/LessonFile.h"

class QMenu;
class QToolButton;
class QWidget;

class LessonFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int maxRecentFiles = 8;

  // `window` owns the dialogs and the task view; the lesson outlives both.
  LessonFiles(LessonModel& lesson, QWidget& window);
  ~LessonFiles() override;

  // Each shows the message of a failure and then returns false; a file that is
  // refused leaves the running lesson exactly as it was.
  bool saveScenario(const QString& path, const std::string& description);
  bool openScenario(const QString& path);
  // The same for a name as the system spells it, bytes that need not be UTF-8.
  bool openScenarioFile(const QByteArray& nativePath);
  // The first program argument that is no option, opened once the window shows; the
  // arguments as the system passed them (argv after QApplication took its own).
  void openArguments(const QByteArrayList& arguments);

  QStringList recentFiles() const;
  // The task of the scenario opened or saved last.
  const std::string& description() const { return description_; }
  // The buttons, until a tool bar takes them.
  QPointer<QToolButton> ButtonSzenarioOeffnen;
  QPointer<QToolButton> ButtonSzenarioSpeichern;
  QPointer<QToolButton> ButtonTabelleExportieren;

 public Q_SLOTS:
  void saveScenarioDialog();
  void openScenarioDialog();

 private:
  bool writeScenario(const QString& path, const LessonScenario& scenario);
  void addToRecent(const QString& path);
  void removeFromRecent(const QString& path);
  void fillRecentMenu();
  QString scenarioFilter() const;
  void showDescription(const QString& fileName);
  // The task dialog of "Szenario speichern"; false when cancelled.
  bool askDescription(QString& text);

  LessonModel& lesson_;
  QWidget& window_;
  std::string description_;
  QMenu* recentMenu_;
};
