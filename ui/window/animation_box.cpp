#include "ui/window/animation_box.h"

#include "settings/ini_file.h"

#include <QComboBox>

#include <algorithm>

namespace {

const QString kSection = QStringLiteral("GameOptions");
const QString kKey = QStringLiteral("Animation");

} // namespace

TAnimation ReadAnimation(const QString& settingsFile)
{
    const int value = TIniFile(settingsFile).ReadInteger(kSection, kKey, 0);
    // An unknown value keeps the cards still, as the missing key does.
    return value >= 0 && value <= 3 ? TAnimation(value) : TAnimation::Off;
}

bool StoreAnimation(const QString& settingsFile, TAnimation animation)
{
    try {
        TIniFile ini(settingsFile);
        ini.WriteInteger(kSection, kKey, int(animation));
        ini.UpdateFile();
        return true;
    } catch (const EIniFileException&) {
        return false;
    }
}

int FlightTimeMs(TAnimation animation)
{
    switch (animation) {
    case TAnimation::Fast:
        return 150;
    case TAnimation::Normal:
        return 300;
    case TAnimation::Slow:
        return 600;
    case TAnimation::Off:
        break;
    }
    return 0;
}

TAnimationBox::TAnimationBox(QWidget* parent)
    : QGroupBox(tr("Animacija"), parent)
    , FCombo(new QComboBox(this))
{
    FCombo->setObjectName(QStringLiteral("ComboAnimation"));
    FCombo->addItems({ tr("Iskljucena"), tr("Brza"), tr("Normalna"), tr("Spora") });
    FCombo->setGeometry(8, 18, 257, 22);
}

TAnimation TAnimationBox::Animation() const
{
    return TAnimation(std::clamp(FCombo->currentIndex(), 0, 3));
}

void TAnimationBox::SetAnimation(TAnimation animation)
{
    FCombo->setCurrentIndex(int(animation));
}
