#include <gtest/gtest.h>

#include "tests/ui/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <string>
#include <vector>

#include "platform/shell.h"
#include "ui/QtShell.h"
#include "ui/UnitAbout.h"

namespace {

// Records what the About box asks the desktop shell to open, so no browser starts.
class RecordingShell {
 public:
  RecordingShell() {
    previous_ = platform::setShellOpenHandler(
        [this](const std::string& target) {
          targets.push_back(target);
          return true;
        });
  }
  ~RecordingShell() { platform::setShellOpenHandler(std::move(previous_)); }
  std::vector<std::string> targets;

 private:
  platform::ShellOpenHandler previous_;
};

template <typename T>
T* child(const QWidget& parent, const char* name) {
  return parent.findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

TEST(AboutBox, WindowAndControls) {
  TAboutBox box;
  EXPECT_EQ(box.objectName(), "AboutBox");
  EXPECT_EQ(box.windowTitle(), "Info");
  EXPECT_EQ(box.size(), QSize(503, 432));
  EXPECT_EQ(box.minimumSize(), box.maximumSize());
  EXPECT_FALSE(box.isModal());
  EXPECT_FALSE(box.isVisible());

  auto* panel = child<QFrame>(box, "Panel1");
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->geometry(), QRect(8, 8, 401, 273));
  for (const char* name : {"ProgramIcon", "ProductName", "Version", "Copyright", "Comments",
                           "Label1"}) {
    auto* label = child<QLabel>(box, name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_EQ(label->parentWidget(), panel) << name;
  }
  for (const char* name : {"ButtonWebseite", "ButtonMail"}) {
    auto* button = child<QPushButton>(box, name);
    ASSERT_NE(button, nullptr) << name;
    EXPECT_EQ(button->parentWidget(), panel) << name;
  }
  auto* close = child<QPushButton>(box, "BitBtnSchliessen");
  ASSERT_NE(close, nullptr);
  EXPECT_EQ(close->parentWidget(), &box);
  EXPECT_GE(close->y(), panel->geometry().bottom());
  EXPECT_TRUE(box.rect().contains(close->geometry()));
  EXPECT_FALSE(close->icon().isNull());
}

TEST(AboutBox, Texts) {
  TAboutBox box;
  EXPECT_EQ(box.ProductName->text(), "Ortivo");
  EXPECT_EQ(box.Version->text(), "Version 2.1");
  EXPECT_TRUE(box.Copyright->text().contains("Ortivo-Team"));
  EXPECT_TRUE(box.Comments->text().startsWith("Nutzungsbedingungen"));
  EXPECT_TRUE(box.Label1->text().contains(QString::fromUtf8("ohne jede Gewährleistung")));
  EXPECT_EQ(box.BitBtnSchliessen->text(), QString::fromUtf8("&Schließen"));

  // The buttons show the bare addresses; their clicks add the scheme.
  EXPECT_EQ(box.ButtonWebseite->text(), TAboutBox::webAddress);
  EXPECT_FALSE(box.ButtonWebseite->text().contains("://"));
  EXPECT_EQ(box.ButtonMail->text(), TAboutBox::mailAddress);
  EXPECT_TRUE(box.ButtonMail->text().contains('@'));
}

TEST(AboutBox, EveryTextFitsItsControl) {
  TAboutBox box;
  for (QLabel* label : box.Panel1->findChildren<QLabel*>()) {
    if (label == box.ProgramIcon) continue;
    const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                         : label->sizeHint().height();
    EXPECT_LE(needed, label->height()) << label->objectName().toStdString();
    if (!label->wordWrap()) {
      EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
    }
    EXPECT_TRUE(box.Panel1->contentsRect().contains(label->geometry()))
        << label->objectName().toStdString();
  }
  for (QPushButton* button : box.findChildren<QPushButton*>())
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
}

TEST(AboutBox, ProgramIconIsDrawn) {
  const QIcon icon = programIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(QSize(64, 64)).toImage();
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(64, 64));
  // The globe fills the middle; the corners stay transparent.
  EXPECT_EQ(qAlpha(image.pixel(32, 36)), 255);
  EXPECT_EQ(qAlpha(image.pixel(0, 63)), 0);

  TAboutBox box;
  ASSERT_FALSE(box.ProgramIcon->pixmap().isNull());
  EXPECT_TRUE(box.ProgramIcon->hasScaledContents());
}

TEST(AboutBox, ButtonsOpenWebPageAndMail) {
  RecordingShell shell;
  TAboutBox box;
  box.show();
  QTest::mouseClick(box.ButtonWebseite, Qt::LeftButton);
  QTest::mouseClick(box.ButtonMail, Qt::LeftButton);
  ASSERT_EQ(shell.targets.size(), 2u);
  EXPECT_EQ(shell.targets[0], std::string("http://") + TAboutBox::webAddress);
  EXPECT_EQ(shell.targets[1], std::string("Mailto:") + TAboutBox::mailAddress);
  EXPECT_TRUE(box.isVisible());
}

TEST(AboutBox, ShownCentredAndHiddenBySchliessen) {
  RecordingShell shell;
  TAboutBox box;
  for (int round = 0; round < 2; ++round) {
    box.show();
    ASSERT_TRUE(box.isVisible());
    const QPoint centre = box.screen()->availableGeometry().center();
    EXPECT_LE((box.frameGeometry().center() - centre).manhattanLength(), 2) << round;
    if (round == 0) saveScreenshot(&box, "about.png");
    QTest::mouseClick(box.BitBtnSchliessen, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    box.move(0, 0);  // the next show centres it again
  }
  EXPECT_TRUE(shell.targets.empty());
}

TEST(QtShell, TargetsBecomeUrls) {
  const QUrl web = shellTargetUrl("http://www.ortivo.example.org");
  EXPECT_EQ(web.scheme(), "http");
  EXPECT_EQ(web.host(), "www.ortivo.example.org");

  const QUrl mail = shellTargetUrl("Mailto:team@ortivo.example.org");
  EXPECT_EQ(mail.scheme(), "mailto");
  EXPECT_EQ(mail.path(), "team@ortivo.example.org");

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));
  // A file name is opened as a local file with its absolute path, even one with a colon.
  QFile odd(dir.filePath("hilfe:neu.chm"));
  ASSERT_TRUE(odd.open(QIODevice::WriteOnly));
  odd.close();
  const QUrl help = shellTargetUrl("GPS.chm");
  const QUrl colon = shellTargetUrl("hilfe:neu.chm");
  QDir::setCurrent(previous);

  EXPECT_TRUE(help.isLocalFile());
  EXPECT_EQ(help.toLocalFile(), QDir(dir.path()).absoluteFilePath("GPS.chm"));
  EXPECT_TRUE(colon.isLocalFile());
  EXPECT_EQ(colon.toLocalFile(), QDir(dir.path()).absoluteFilePath("hilfe:neu.chm"));
}
