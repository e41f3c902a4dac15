#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "platform/numformat.h"
#include "ui/ExportFiles.h"

namespace {

const char* const kLanguageKey = "Sprache";
const char* const kCore = "core";

Language current = Language::german;

// Made once, on first use, and kept: a switch of language only installs or removes them.
struct Translators {
  QTranslator qtbase, qtHelp, program;
  bool qtLoaded = false, programLoaded = false;
};

Translators& translators() {
  static Translators t;
  return t;
}

// Installed translators are asked last to first; removing one that is not installed
// does nothing.
void install(QTranslator& translator, bool on) {
  QCoreApplication::removeTranslator(&translator);
  if (on && !translator.isEmpty()) QCoreApplication::installTranslator(&translator);
}

QLocale localeOf(Language language) {
  if (language == Language::german) return QLocale(QLocale::German, QLocale::Germany);
  // An English desktop keeps its own English (American dates, say); another gets British.
  const QLocale system = QLocale::system();
  return system.language() == QLocale::English ? system
                                               : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

// A core text's translation from the program's translator, or the text itself.
std::string lookupCore(const std::string& german) {
  return QCoreApplication::translate(kCore, german.c_str()).toStdString();
}

}  // namespace

Language desktopLanguage() {
  return QLocale::system().language() == QLocale::English ? Language::english : Language::german;
}

Language startLanguage() {
  const QString chosen = programSettings()->value(kLanguageKey).toString();
  if (chosen == QLatin1String("en")) return Language::english;
  if (chosen == QLatin1String("de")) return Language::german;
  return desktopLanguage();
}

Language currentLanguage() { return current; }

void setLanguage(Language language) {
  Translators& t = translators();
  const bool german = language == Language::german;
  if (german && !t.qtLoaded) {
    const QString qtDirectory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Missing files (Qt's translations not installed) leave Qt's texts English.
    (void)t.qtbase.load(QStringLiteral("qtbase_de"), qtDirectory);
    (void)t.qtHelp.load(QStringLiteral("qt_help_de"), qtDirectory);
    t.qtLoaded = true;
  }
  if (!german && !t.programLoaded) {
    (void)t.program.load(QStringLiteral(":/i18n/ortivo_en.qm"));
    t.programLoaded = true;
  }
  current = language;
  QLocale::setDefault(localeOf(language));
  platform::setDecimalSeparator(german ? "," : ".");
  platform::setGroupSeparator(german ? "." : ",");
  install(t.program, !german);
  install(t.qtbase, german);
  install(t.qtHelp, german);
}

void chooseLanguage(Language language) {
  programSettings()->setValue(kLanguageKey, language == Language::english ? "en" : "de");
  if (language != current) setLanguage(language);
}

QString coreText(const std::string& german) {
  if (current == Language::german || german.empty()) return QString::fromStdString(german);
  return QString::fromStdString(platform::translateText(german, lookupCore));
}

platform::Translation coreTranslation() {
  return [](const char* german) { return coreText(german).toStdString(); };
}

platform::TableLanguage tableLanguage() {
  if (current == Language::german) return {};
  // Built whole: assigning "." to the default "," trips GCC 12's -Wrestrict under -O2.
  return {coreTranslation(), std::string(1, '.')};
}

QString shownHemisphere(const QString& german) {
  if (current == Language::german) return german;
  return QString::fromStdString(platform::shownHemisphere(german.toStdString(), lookupCore));
}

std::string enteredHemisphere(const QString& shown) {
  if (current == Language::german) return shown.toStdString();
  return platform::enteredHemisphere(shown.toStdString(), lookupCore);
}
