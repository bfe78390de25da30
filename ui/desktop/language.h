#pragma once

#include <QLocale>
#include <QString>

#include <vector>

// The languages the game speaks. The texts in the sources are Serbian without
// diacritics; every other language is a translation embedded in the program.
// The player's choice is kept in the settings file under GameOptions/Language.
struct TLanguage {
    const char* code; // as stored in the settings and in the names of the files
    const char* name; // in the language itself, as the options dialog lists it
};

// The source language first.
const std::vector<TLanguage>& Languages();
inline constexpr const char* SourceLanguage = "sr_plain";

// Without a choice: English for an English system, the source texts for any other.
QString DefaultLanguage(const QLocale& System);
// The stored choice, or an empty string when there is none the game knows.
QString StoredLanguage(const QString& SettingsFile);
// Raises EIniFileException when the settings file cannot be written.
void StoreLanguage(const QString& SettingsFile, const QString& Code);
// The stored choice, else the default for the system.
QString ChosenLanguage(const QString& SettingsFile, const QLocale& System = QLocale::system());

// Makes the language current for the whole program: its translation of the
// game's texts and Qt's own texts (dialog buttons, edit menus). False when the
// code is unknown or its translation cannot be loaded; the source texts are
// then in use.
bool InstallLanguage(const QString& Code);
QString CurrentLanguage();
// How the language in use writes a decimal fraction: "1.50" in English,
// "1,50" in Serbian, the source texts included.
QString DecimalText(double value, int decimals);

// The help page in a language: Zaviko.hlp becomes Zaviko.en.hlp and so on,
// or stays Zaviko.hlp for the source language or when the translated page is missing.
QString HelpFileIn(const QString& HelpFile, const QString& Code);
