#pragma once

// The program's language. German is the language of every text as written; English is
// its translation (translations/ortivo_en.ts, compiled into the program). The core's
// texts (ORTIVO_TEXT) stay German where they are made and are translated here, where a
// window shows them. Qt's own texts (dialog buttons, file dialogs, the help's search)
// come from Qt's German translations whenever the program is German.

#include <QString>
#include <string>

#include "platform/csv.h"
#include "platform/texts.h"

enum class Language { german, english };

// The language of a new start: the one chosen in the program, kept in the settings
// (key "Sprache": "de" or "en"; a system-wide default counts too), otherwise the
// desktop's: English where the desktop asks for English, German everywhere else.
Language startLanguage();
// English for an English desktop (LANG, LC_ALL…), German for every other.
Language desktopLanguage();

// Puts `language` in place at once: Qt's own texts and the program's translation,
// QLocale's default and the core's decimal and thousands separators. Every widget
// hears QEvent::LanguageChange and writes its texts anew.
void setLanguage(Language language);
Language currentLanguage();
// The choice in the program: kept for the next start, and in place at once.
void chooseLanguage(Language language);

// A core text, also one filled from a template (platform::fillText), in the program's
// language. Texts that are no core text (file names, numbers) stay as they are.
QString coreText(const std::string& german);
// The same for pictures and tables.
platform::Translation coreTranslation();
platform::TableLanguage tableLanguage();

// The letter of a hemisphere as the language writes it (English E for the German O),
// and back, for entries: whatever is no hemisphere letter stays as it is.
QString shownHemisphere(const QString& german);
std::string enteredHemisphere(const QString& shown);
