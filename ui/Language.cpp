#include "ui/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <vector>

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

// A template of the core as a pattern that matches its filled texts: the placeholders
// become groups, in the order they stand in.
struct FilledPattern {
  QByteArray source;
  QRegularExpression match;
  QList<int> numbers;  // the placeholder of each group
  qsizetype literal;   // letters that are not placeholders: the longer, the surer a match
};

const std::vector<FilledPattern>& filledPatterns() {
  static std::vector<FilledPattern> patterns;
  static std::size_t known = 0;
  const std::vector<std::string> templates = platform::filledTemplates();
  if (templates.size() == known) return patterns;
  for (std::size_t i = known; i < templates.size(); ++i) {
    const QString text = QString::fromStdString(templates[i]);
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    FilledPattern p{QByteArray::fromStdString(templates[i]), {}, {}, 0};
    QString regex;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
      regex += QRegularExpression::escape(text.mid(from, m.capturedStart() - from)) + "(.*?)";
      p.literal += m.capturedStart() - from;
      p.numbers << m.captured(1).toInt();
      from = m.capturedEnd();
    }
    regex += QRegularExpression::escape(text.mid(from));
    p.literal += text.size() - from;
    p.match.setPattern(QRegularExpression::anchoredPattern(regex));
    p.match.setPatternOptions(QRegularExpression::DotMatchesEverythingOption);
    patterns.push_back(std::move(p));
  }
  known = templates.size();
  std::stable_sort(
      patterns.begin(), patterns.end(),
      [](const FilledPattern& a, const FilledPattern& b) { return a.literal > b.literal; });
  return patterns;
}

// %1 … %9 in one pass, so that an argument's own % signs stay as they are.
QString fill(const QString& pattern, const QStringList& args) {
  QString out;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
    const int n = next.digitValue();
    if (pattern[i] == '%' && n >= 1 && n <= args.size()) {
      out += args[n - 1];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

// Filled texts nest (a file's refusal names its reason, which may name an entry): the
// parts are translated in turn, a few levels deep at most.
QString translateCore(const QString& text, int depth) {
  const QByteArray utf8 = text.toUtf8();
  const QString direct = QCoreApplication::translate(kCore, utf8.constData());
  if (direct != text || depth > 4) return direct;
  for (const FilledPattern& p : filledPatterns()) {
    const QRegularExpressionMatch m = p.match.match(text);
    if (!m.hasMatch()) continue;
    QStringList args(9);
    for (int g = 0; g < p.numbers.size(); ++g)
      args[p.numbers[g] - 1] = translateCore(m.captured(g + 1), depth + 1);
    return fill(QCoreApplication::translate(kCore, p.source.constData()), args);
  }
  return text;
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
  const QString text = QString::fromStdString(german);
  if (current == Language::german || text.isEmpty()) return text;
  return translateCore(text, 0);
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
  if (german.size() != 1) return german;
  const QString upper = german.toUpper();
  const QString shown = coreText(upper.toStdString());
  return german == upper ? shown : shown.toLower();
}

std::string enteredHemisphere(const QString& shown) {
  if (shown.size() != 1) return shown.toStdString();
  for (const char* letter : {"N", "O", "S", "W"}) {
    const QString german = QString::fromLatin1(letter);
    if (shown.compare(shownHemisphere(german), Qt::CaseInsensitive) == 0)
      return (shown.isUpper() ? german : german.toLower()).toStdString();
    // A German letter the language writes otherwise is none of its letters.
    if (shown.compare(german, Qt::CaseInsensitive) == 0) return "?";
  }
  return shown.toStdString();
}
