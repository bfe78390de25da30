#include "ui/network/drop_notice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TDropNotice::TDropNotice(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("DropNotice"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    FText = new QLabel(this);
    FText->setObjectName(QStringLiteral("DropText"));
    layout->addWidget(FText, 1);
    FCancel = new QPushButton(tr("Odustani"), this);
    FCancel->setObjectName(QStringLiteral("DropCancel"));
    layout->addWidget(FCancel);
    connect(FCancel, &QPushButton::clicked, this, [this] {
        if (OnCancel) OnCancel();
    });
    hide();
}

void TDropNotice::ShowCountdown(int secondsLeft)
{
    const QString what = tr("Veza sa stolom je prekinuta; racunar igra umesto tebe.");
    FText->setText(secondsLeft > 0
            ? what + QLatin1Char(' ') + tr("Novi pokusaj za %1 s.").arg(secondsLeft)
            : what + QLatin1Char(' ') + tr("Povezivanje..."));
    FText->setAccessibleName(FText->text());
    adjustSize();
    const QWidget* table = parentWidget();
    move((table->width() - width()) / 2, table->height() / 3);
    show();
    raise();
}

QString TDropNotice::Text() const
{
    return FText->text();
}
