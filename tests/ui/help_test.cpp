#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QImage>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/shell.h"
#include "tests/support/RecordingMessages.h"
#include "ui/HelpWindow.h"
#include "ui/Language.h"
#include "ui/MainGps.h"
#include "ui/main3DDemo.h"

namespace {

// The help window is made once per program from ortivo.qch in the current directory: the
// suite runs in a folder that holds it and a GPS.chm the desktop refuses.
class BuiltInHelp : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    QStandardPaths::setTestModeEnabled(true);
    dir_ = new QTemporaryDir;
    previousDir_ = QDir::currentPath();
    for (const char* file : {"ortivo.qch", "ortivo.qhc", "ortivo_en.qch", "ortivo_en.qhc"})
      ASSERT_TRUE(QFile::copy(QStringLiteral(ORTIVO_BUILD_DIR "/") + file, dir_->filePath(file)));
    QFile chm(dir_->filePath("GPS.chm"));
    ASSERT_TRUE(chm.open(QIODevice::WriteOnly));
    chm.write("ITSF");
    chm.close();
    QDir::setCurrent(dir_->path());
    previousShell_ = platform::setShellOpenHandler([](const std::string&) { return false; });
    installBuiltInHelp();
  }
  static void TearDownTestSuite() {
    platform::setShellOpenHandler(std::move(previousShell_));
    platform::setHelpViewer({});
    QDir::setCurrent(previousDir_);
    delete dir_;
  }
  static HelpWindow& window() {
    HelpWindow* w = HelpWindow::instance();
    EXPECT_NE(w, nullptr);
    return *w;
  }

  static inline QTemporaryDir* dir_ = nullptr;
  static inline QString previousDir_;
  static inline platform::ShellOpenHandler previousShell_;
};

}  // namespace

TEST_F(BuiltInHelp, OpensWhenTheDesktopRefusesGpsChmAndGoesBackAndForth) {
  testing_support::RecordingMessages messages;
  LessonModel lesson;
  TFormMain form{lesson};
  form.SpeedButtonHilfe->click();
  EXPECT_TRUE(messages.texts().empty());
  ASSERT_TRUE(window().isVisible());
  EXPECT_EQ(window().currentPage(), "index.html");

  HelpBrowser* browser = window().browser();
  browser->setSource(QUrl("standort.html#kartesisch"));
  EXPECT_EQ(window().currentPage(), "standort.html");
  EXPECT_FALSE(browser->toPlainText().isEmpty());
  browser->backward();
  EXPECT_EQ(window().currentPage(), "index.html");
  browser->forward();
  EXPECT_EQ(window().currentPage(), "standort.html");
  // Set ORTIVO_SCREENSHOT_DIR to a folder to keep a picture of the window.
  if (const QString dir = qEnvironmentVariable("ORTIVO_SCREENSHOT_DIR"); !dir.isEmpty()) {
    window().open(QStringLiteral("hauptfenster.html"));
    QTest::qWait(500);  // the contents tree is filled in the background
    window().grab().save(dir + "/help-window.png");
  }
  window().hide();
}

TEST_F(BuiltInHelp, F1OpensThePageOfTheWindowItIsPressedIn) {
  TForm3DDemo form(nullptr);  // every window installs its own key
  form.show();
  QApplication::setActiveWindow(&form);
  QTest::keyClick(form.BitBtnOk, Qt::Key_F1);
  ASSERT_TRUE(window().isVisible());
  EXPECT_EQ(window().currentPage(), "demo3d.html");
  EXPECT_TRUE(window().browser()->toPlainText().contains("3D-Demonstration"));
  window().hide();
}

// In English F1 opens the English help at the same page; a switch of language takes
// the open help along.
TEST_F(BuiltInHelp, F1OpensThePageInTheLanguageOfTheProgram) {
  setLanguage(Language::english);
  TForm3DDemo form(nullptr);
  form.show();
  QApplication::setActiveWindow(&form);
  QTest::keyClick(form.BitBtnOk, Qt::Key_F1);
  HelpWindow& english = window();
  ASSERT_TRUE(english.isVisible());
  EXPECT_EQ(english.browser()->source().host(), "de.ortivo.help");
  EXPECT_EQ(english.currentPage(), "demo3d.html");
  EXPECT_TRUE(english.browser()->toPlainText().contains("The 3D demonstration"));
  EXPECT_EQ(english.windowTitle(), "Ortivo - Help");
  setLanguage(Language::german);
  QApplication::processEvents();
  EXPECT_FALSE(english.isVisible());
  ASSERT_TRUE(window().isVisible());
  EXPECT_EQ(window().browser()->source().host(), "de.ortivo.hilfe");
  EXPECT_EQ(window().currentPage(), "demo3d.html");
  window().hide();
}

TEST_F(BuiltInHelp, FullTextSearchFindsGermanWords) {
  QHelpSearchEngine* search = window().engine()->searchEngine();
  for (int waited = 0; waited < 20000 && !window().searchReady(); waited += 50) QTest::qWait(50);
  ASSERT_TRUE(window().searchReady());
  for (const auto& [word, page] : {std::pair{"Laufzeit", "laufzeit.html"},
                                   std::pair{"Empfänger", "standort.html"}}) {
    QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
    search->search(QString::fromUtf8(word));
    ASSERT_TRUE(done.wait(10000)) << word;
    QStringList found;
    for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
      found << r.url().fileName();
    EXPECT_TRUE(found.contains(page)) << word << ": " << found.join(' ').toStdString();
  }
}

// Every link and picture of every page reaches a file of the help, and every anchor an id.
TEST_F(BuiltInHelp, EveryLinkAnchorAndPictureResolves) {
  QHelpEngine* engine = window().engine();
  const QList<QUrl> files = engine->files("de.ortivo.hilfe", QString());
  int pages = 0, links = 0;
  static const QRegularExpression reference(R"re((href|src)="([^"]*)")re");
  for (const QUrl& file : files) {
    if (!file.fileName().endsWith(".html")) continue;
    ++pages;
    const QString html = QString::fromUtf8(engine->fileData(file));
    for (auto m = reference.globalMatch(html); m.hasNext();) {
      const QString target = m.next().captured(2);
      if (target.contains(':')) continue;  // web and mail addresses
      ++links;
      const QUrl url = file.resolved(QUrl(target));
      QUrl withoutAnchor = url;
      withoutAnchor.setFragment(QString());
      const QByteArray data = engine->fileData(withoutAnchor);
      EXPECT_FALSE(data.isEmpty()) << file.fileName().toStdString() << " -> " << target.toStdString();
      if (target.endsWith(".png")) {
        EXPECT_FALSE(QImage::fromData(data).isNull()) << target.toStdString();
      }
      if (url.hasFragment()) {
        EXPECT_TRUE(data.contains(("id=\"" + url.fragment() + "\"").toUtf8()))
            << file.fileName().toStdString() << " -> " << target.toStdString();
      }
    }
  }
  EXPECT_GE(pages, 11);
  EXPECT_GT(links, 50);
}
