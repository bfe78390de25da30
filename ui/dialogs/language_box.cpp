#include "ui/dialogs/language_box.h"

#include "platform/message_sink.h"
#include "settings/ini_file.h"
#include "ui/desktop/language.h"

#include <QComboBox>

TLanguageBox::TLanguageBox(QWidget* parent)
    : QGroupBox(tr("Jezik"), parent)
    , FCombo(new QComboBox(this))
{
    FCombo->setObjectName(QStringLiteral("ComboLanguage"));
    for (const TLanguage& language : Languages())
        FCombo->addItem(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
    FCombo->setGeometry(8, 18, 257, 22);
    SetLanguage(CurrentLanguage());
    FShown = Language();
}

void TLanguageBox::ShowChoice(const QString& SettingsFile)
{
    const QString stored = StoredLanguage(SettingsFile);
    SetLanguage(stored.isEmpty() ? CurrentLanguage() : stored);
    FShown = Language();
}

QString TLanguageBox::Language() const
{
    return FCombo->currentData().toString();
}

void TLanguageBox::SetLanguage(const QString& Code)
{
    const int index = FCombo->findData(Code);
    if (index >= 0) FCombo->setCurrentIndex(index);
}

bool TLanguageBox::Store(const QString& SettingsFile) const
{
    if (Language() == FShown) return false;
    try {
        StoreLanguage(SettingsFile, Language());
    } catch (const EIniFileException& e) {
        MessageSink().Error(e.ShownText().toStdString());
        return false;
    }
    MessageSink().Information(tr("Izabrani jezik vazi od sledeceg pokretanja igre.").toStdString());
    return true;
}
