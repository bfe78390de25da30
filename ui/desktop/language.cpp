#include "ui/desktop/language.h"

#include "settings/ini_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <memory>

namespace {

const QString kSection = QStringLiteral("GameOptions");
const QString kKey = QStringLiteral("Language");

struct TInstalled {
    QString code = QString::fromLatin1(SourceLanguage);
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

TInstalled& Installed()
{
    static TInstalled installed;
    return installed;
}

bool Known(const QString& code)
{
    return std::any_of(Languages().begin(), Languages().end(),
        [&code](const TLanguage& l) { return code == QLatin1String(l.code); });
}

void Remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator) QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

// Qt's own translation for the language, when the system has one.
std::unique_ptr<QTranslator> QtTranslation(const QString& code)
{
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"), folder))
        return nullptr;
    QCoreApplication::installTranslator(translator.get());
    return translator;
}

} // namespace

const std::vector<TLanguage>& Languages()
{
    static const std::vector<TLanguage> languages
        = { { SourceLanguage, "Srpski (bez dijakritika)" }, { "en", "English" },
              { "sr_Latn", "Srpski" }, { "sr_Cyrl", "\u0421\u0440\u043f\u0441\u043a\u0438" } };
    return languages;
}

QString DefaultLanguage(const QLocale& System)
{
    return System.language() == QLocale::English ? QStringLiteral("en")
                                                 : QString::fromLatin1(SourceLanguage);
}

QString StoredLanguage(const QString& SettingsFile)
{
    const QString code = TIniFile(SettingsFile).ReadString(kSection, kKey, QString());
    return Known(code) ? code : QString();
}

void StoreLanguage(const QString& SettingsFile, const QString& Code)
{
    TIniFile ini(SettingsFile);
    ini.WriteString(kSection, kKey, Code);
    ini.UpdateFile();
}

QString ChosenLanguage(const QString& SettingsFile, const QLocale& System)
{
    const QString stored = StoredLanguage(SettingsFile);
    return stored.isEmpty() ? DefaultLanguage(System) : stored;
}

bool InstallLanguage(const QString& Code)
{
    TInstalled& installed = Installed();
    Remove(installed.game);
    Remove(installed.qt);
    installed.code = QString::fromLatin1(SourceLanguage);
    if (Code == QLatin1String(SourceLanguage)) return true;
    if (!Known(Code)) return false;
    auto game = std::make_unique<QTranslator>();
    if (!game->load(QStringLiteral(":/i18n/zaviko_") + Code)) return false;
    // Installed first, so where both speak, the game's own words win.
    installed.qt = QtTranslation(Code);
    QCoreApplication::installTranslator(game.get());
    installed.game = std::move(game);
    installed.code = Code;
    return true;
}

QString CurrentLanguage()
{
    return Installed().code;
}

QString DecimalText(double value, int decimals)
{
    const QString text = QString::number(value, 'f', decimals);
    return CurrentLanguage() == QLatin1String("en") ? text : QString(text).replace('.', ',');
}

QString HelpFileIn(const QString& HelpFile, const QString& Code)
{
    if (Code == QLatin1String(SourceLanguage) || !Known(Code)) return HelpFile;
    const QFileInfo file(HelpFile);
    const QString translated = file.dir().filePath(
        file.completeBaseName() + QLatin1Char('.') + Code + QLatin1Char('.') + file.suffix());
    return QFileInfo(translated).isFile() ? translated : HelpFile;
}
