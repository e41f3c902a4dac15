#pragma once

#include <QTextBrowser>
#include <QWidget>

#include "ui/Language.h"

class QHelpEngine;
class QLineEdit;
class QTabWidget;
class QToolButton;

// Shows pages of the built-in help, read from the help engine; links to other
// programs' addresses (web, mail) go to the desktop.
class HelpBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  HelpBrowser(QHelpEngine* engine, QWidget* parent);
  QVariant loadResource(int type, const QUrl& name) override;

 protected:
  void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

 private:
  QHelpEngine* engine_;
  QUrl base_;  // what relative names in the page refer to
};

// The built-in help: the pages of GPS.chm from ortivo.qch (in English from ortivo_en.qch)
// with contents, index, full-text search and back/forward. Used where the desktop can not
// open GPS.chm, and by F1. There is one window for each language.
class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  // The help window of the program's language, made on first use from its help file in
  // the current directory (where GPS.chm lies too); nullptr when that file is missing or
  // unreadable.
  static HelpWindow* instance();
  // Shows the window at `page` ("demo3d.html"; empty for the start page) and brings it to
  // the front. False when there is no built-in help.
  static bool showPage(const QString& page);

  // Shows `page` ("demo3d.html"; empty for the start page) in the window.
  void open(const QString& page);

  HelpBrowser* browser() const { return browser_; }
  QHelpEngine* engine() const { return engine_; }
  QTabWidget* tabs() const { return tabs_; }
  // The page shown, e.g. "demo3d.html".
  QString currentPage() const;
  // Whether the search index is built; the search field waits for it.
  bool searchReady() const { return searchReady_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  HelpWindow(QHelpEngine* engine, Language language);
  void buildLayout();
  void retranslate();

  QHelpEngine* engine_;
  Language language_;
  HelpBrowser* browser_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QLineEdit* indexFilter_ = nullptr;
  bool searchReady_ = false;
};

// F1 in `window` (and its children) opens the help at `page`, e.g. "demo3d.html".
void installHelpKey(QWidget* window, const QString& page);
// The page of the built-in help, or GPS.chm where there is none.
void openHelpPage(const QString& page);
// Lets platform::openHelpFile fall back to the built-in help; called once from main().
void installBuiltInHelp();
