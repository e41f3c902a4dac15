#include "ui/HelpWindow.h"

#include <QEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/shell.h"
#include "ui/Glyphs.h"
#include "ui/Language.h"
#include "ui/UnitAbout.h"
#include "ui/WidgetHelpers.h"

namespace {

// The help of each language: its Qt help file beside GPS.chm, the collection beside it,
// its namespace and virtual folder.
struct HelpBook {
  const char* qch;
  const char* qhc;
  const char* ns;
  const char* folder;
};
const HelpBook kBooks[] = {
    {platform::builtInHelpFileName, "ortivo.qhc", "de.ortivo.hilfe", "hilfe"},
    {"ortivo_en.qch", "ortivo_en.qhc", "de.ortivo.help", "help"},
};

const HelpBook& bookOf(Language language) { return kBooks[language == Language::german ? 0 : 1]; }

}  // namespace

HelpBrowser::HelpBrowser(QHelpEngine* engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
  setOpenLinks(true);
  setOpenExternalLinks(false);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  const QUrl url = name.isRelative() ? base_.resolved(name) : name;
  if (url.scheme() == QLatin1String("qthelp")) return engine_->fileData(url);
  return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::doSetSource(const QUrl& name, QTextDocument::ResourceType type) {
  const QUrl url = name.isRelative() ? source().resolved(name) : name;
  if (url.scheme() != QLatin1String("qthelp")) {
    platform::shellOpen(url.toString().toStdString());
    return;
  }
  // The page's style sheet is loaded while it is parsed, before source() names the page.
  base_ = url;
  QTextBrowser::doSetSource(url, type);
  base_ = source();
}

HelpWindow* HelpWindow::instance() {
  static HelpWindow* windows[2] = {};
  const Language language = currentLanguage();
  HelpWindow*& window = windows[language == Language::german ? 0 : 1];
  if (window) return window;
  const HelpBook& book = bookOf(language);
  const QFileInfo qch(QString::fromLatin1(book.qch));
  if (!qch.isFile() || !qch.isReadable()) return nullptr;

  // The help engine writes its search index beside the collection, so both files are
  // used from a copy in the cache, one for each place they are found.
  const QFileInfo qhc(qch.path() + '/' + QString::fromLatin1(book.qhc));
  if (!qhc.isFile()) return nullptr;
  const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                        QStringLiteral("/hilfe-") +
                        QString::fromLatin1(QCryptographicHash::hash(qch.absoluteFilePath().toUtf8(),
                                                                     QCryptographicHash::Sha1)
                                                .toHex()
                                                .left(12));
  QDir().mkpath(cache);
  for (const QFileInfo& source : {qch, qhc}) {
    const QFileInfo copy(cache + QLatin1Char('/') + source.fileName());
    if (copy.exists() && copy.size() == source.size() &&
        copy.lastModified() >= source.lastModified())
      continue;
    QFile::remove(copy.filePath());
    QDir(cache + QStringLiteral("/.ortivo")).removeRecursively();  // a stale search index
    if (!QFile::copy(source.absoluteFilePath(), copy.filePath())) return nullptr;
  }
  auto* engine = new QHelpEngine(cache + '/' + qhc.fileName());
  if (!engine->setupData() ||
      !engine->registeredDocumentations().contains(QString::fromLatin1(book.ns))) {
    qWarning("Hilfe: %s", qPrintable(engine->error()));
    delete engine;
    return nullptr;
  }
  window = new HelpWindow(engine, language);
  engine->setParent(window);
  // Lives to the end of the program, like the other windows.
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, window, [slot = &window] {
    delete *slot;
    *slot = nullptr;
  });
  return window;
}

bool HelpWindow::showPage(const QString& page) {
  HelpWindow* window = instance();
  if (!window) return false;
  window->open(page);
  window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
  showInFront(window);
  return true;
}

HelpWindow::HelpWindow(QHelpEngine* engine, Language language)
    : QWidget(nullptr, Qt::Window), engine_(engine), language_(language) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowIcon(programIcon());
  resize(1000, 720);
  buildLayout();
  retranslate();
  engine_->contentModel()->createContents(QString());
  engine_->indexModel()->createIndex(QString());
  engine_->searchEngine()->scheduleIndexDocumentation();
}

void HelpWindow::buildLayout() {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("HelpToolBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  layout->addWidget(bar);

  auto* splitter = new QSplitter(this);
  layout->addWidget(splitter, 1);
  tabs_ = new QTabWidget(splitter);
  tabs_->setObjectName(QStringLiteral("HelpTabs"));
  browser_ = new HelpBrowser(engine_, splitter);
  browser_->setObjectName(QStringLiteral("HelpBrowser"));
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({280, 720});

  QAction* back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), browser_,
                                 &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("HelpBack"));
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(),
                                    browser_, &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("HelpForward"));
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  QAction* home = bar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), QString(), this,
                                 [this] { open(QString()); });
  home->setObjectName(QStringLiteral("HelpHome"));
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  QHelpContentWidget* contents = engine_->contentWidget();
  contents->setHeaderHidden(true);
  tabs_->addTab(contents, QString());
  connect(contents, &QHelpContentWidget::linkActivated, browser_,
          [this](const QUrl& url) { browser_->setSource(url); });

  auto* indexPage = new QWidget(tabs_);
  auto* indexLayout = new QVBoxLayout(indexPage);
  indexFilter_ = new QLineEdit(indexPage);
  indexFilter_->setObjectName(QStringLiteral("HelpIndexFilter"));
  indexFilter_->setClearButtonEnabled(true);
  QHelpIndexWidget* index = engine_->indexWidget();
  indexLayout->addWidget(indexFilter_);
  indexLayout->addWidget(index, 1);
  tabs_->addTab(indexPage, QString());
  connect(indexFilter_, &QLineEdit::textChanged, index, [index](const QString& text) {
    index->filterIndices(text);
  });
  connect(indexFilter_, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
  connect(index, &QHelpIndexWidget::documentActivated, browser_,
          [this](const QHelpLink& link, const QString&) { browser_->setSource(link.url); });
  connect(index, &QHelpIndexWidget::documentsActivated, browser_,
          [this](const QList<QHelpLink>& links, const QString&) {
            if (!links.isEmpty()) browser_->setSource(links.first().url);
          });

  QHelpSearchEngine* search = engine_->searchEngine();
  auto* searchPage = new QWidget(tabs_);
  auto* searchLayout = new QVBoxLayout(searchPage);
  searchLayout->addWidget(search->queryWidget());
  searchLayout->addWidget(search->resultWidget(), 1);
  tabs_->addTab(searchPage, QString());
  connect(search->queryWidget(), &QHelpSearchQueryWidget::search, search,
          [search] { search->search(search->queryWidget()->searchInput()); });
  connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, browser_,
          [this](const QUrl& url) { browser_->setSource(url); });
  // A search before the index is built would find nothing and look like an answer.
  search->queryWidget()->setEnabled(false);
  connect(search, &QHelpSearchEngine::indexingStarted, this, [this, search] {
    searchReady_ = false;
    search->queryWidget()->setEnabled(false);
  });
  connect(search, &QHelpSearchEngine::indexingFinished, this, [this, search] {
    searchReady_ = true;
    search->queryWidget()->setEnabled(true);
  });
}

void HelpWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    retranslate();
    // An open help follows the program into the other language, at the same page.
    if (language_ != currentLanguage() && isVisible()) {
      const QString page = currentPage();
      if (showPage(page)) hide();
    }
  }
  QWidget::changeEvent(event);
}

void HelpWindow::retranslate() {
  setWindowTitle(tr("Ortivo - Hilfe"));
  const std::pair<const char*, QString> actions[] = {
      {"HelpBack", tr("Zurück")}, {"HelpForward", tr("Vorwärts")}, {"HelpHome", tr("Startseite")}};
  for (const auto& [name, text] : actions)
    findChild<QAction*>(QString::fromLatin1(name))->setText(text);
  tabs_->setTabText(0, tr("Inhalt"));
  tabs_->setTabText(1, tr("Index"));
  tabs_->setTabText(2, tr("Suche"));
  indexFilter_->setPlaceholderText(tr("Stichwort suchen"));
}

void HelpWindow::open(const QString& page) {
  const HelpBook& book = bookOf(language_);
  browser_->setSource(QUrl(QStringLiteral("qthelp://%1/%2/%3")
                               .arg(QLatin1String(book.ns), QLatin1String(book.folder),
                                    page.isEmpty() ? QStringLiteral("index.html") : page)));
}

QString HelpWindow::currentPage() const { return browser_->source().fileName(); }

void installHelpKey(QWidget* window, const QString& page) {
  auto* key = new QShortcut(QKeySequence::HelpContents, window);
  key->setObjectName(QStringLiteral("HelpKey"));
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, window, [page] { openHelpPage(page); });
}

void openHelpPage(const QString& page) {
  // Without the built-in help the desktop's GPS.chm is the help there is.
  if (!HelpWindow::showPage(page)) platform::openHelpFile(platform::helpFileName);
}

void installBuiltInHelp() {
  platform::setHelpViewer(
      [](const std::string& page) { return HelpWindow::showPage(QString::fromStdString(page)); });
}
