#pragma once

// Scenario files and exports in the main window: "Szenario öffnen…" (Ctrl+O, with the
// files opened last), "Szenario speichern…" (Ctrl+S), "Tabelle exportieren…" (the
// satellite table or the history of the determinations as CSV), and "Bild
// speichern…" in the demonstration windows and their pictures' context menus. The
// file format is model/LessonFile.h; this is its Qt side.

#include <QObject>
#include <QString>
#include <QByteArrayList>
#include <QStringList>
#include <memory>
#include <string>

#include "model/LessonFile.h"
#include "model/LessonTables.h"

class QMenu;
class QToolButton;
class TFormMain;
class TForm2DDemo;
class TForm3DDemo;

class LessonFiles : public QObject {
  Q_OBJECT
 public:
  static constexpr int maxRecentFiles = 8;

  LessonFiles(TFormMain& main, TForm2DDemo* form2DDemo, TForm3DDemo* form3DDemo);
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
  const lessontables::DeterminationHistory* history() const { return history_.get(); }
  std::string satelliteTableCsv() const;
  std::string historyCsv() const;

  QToolButton* ButtonSzenarioOeffnen;
  QToolButton* ButtonSzenarioSpeichern;
  QToolButton* ButtonTabelleExportieren;

 public Q_SLOTS:
  void saveScenarioDialog();
  void openScenarioDialog();

 private:
  bool writeScenario(const QString& path, const LessonScenario& scenario);
  void addToRecent(const QString& path);
  void removeFromRecent(const QString& path);
  void fillRecentMenu();
  void showDescription(const QString& fileName);
  // The task dialog of "Szenario speichern"; false when cancelled.
  bool askDescription(QString& text);

  TFormMain& main_;
  std::unique_ptr<lessontables::DeterminationHistory> history_;
  std::string description_;
  QMenu* recentMenu_;
};

// Adds the actions to the main window's tool bar and the demonstration windows.
LessonFiles* attachLessonFiles(TFormMain& main, TForm2DDemo* form2DDemo, TForm3DDemo* form3DDemo);
