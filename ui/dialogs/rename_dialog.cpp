#include "ui/dialogs/rename_dialog.h"

#include "platform/message_sink.h"
#include "settings/ini.h"
#include "settings/ini_file.h"
#include "ui/dialogs/dialog_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <iterator>

namespace {

QLineEdit* NameEdit(QWidget* parent, const char* name, int top)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(16, top, 121, 21);
    // Longer names would be cut when the settings are read back; cutting
    // them here shows the player what is kept.
    edit->setMaxLength(TFPromenaImena::MaxNameLength);
    return edit;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text, int left)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 192, 75, 25);
    return button;
}

} // namespace

TFPromenaImena::TFPromenaImena(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Promena imena"));
    setFont(DialogFont());
    // Wide enough for the whole title; the controls stay in the middle.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const int width = std::max(ClientWidth,
        QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + 2 * TitleButtonsRoom);
    setFixedSize(width, ClientHeight);
    auto* panel = new QWidget(this);
    panel->setGeometry((width - ClientWidth) / 2, 0, ClientWidth, ClientHeight);

    auto* own = new QGroupBox(tr("Tvoje ime"), panel);
    own->setGeometry(16, 8, 153, 57);
    FSouth = NameEdit(own, "EditSouth", 20);
    auto* others = new QGroupBox(tr("Imena ostalih igraca"), panel);
    others->setGeometry(16, 72, 153, 105);
    FWest = NameEdit(others, "EditWest", 24);
    FNorth = NameEdit(others, "EditNorth", 48);
    FEast = NameEdit(others, "EditEast", 72);
    FAccept = Button(panel, "ButtonAccept", tr("Promeni"), 16);
    FAccept->setDefault(true);
    FCancel = Button(panel, "ButtonCancel", tr("Ponisti"), 96);

    QWidget* order[] = { FSouth, FWest, FNorth, FEast, FAccept, FCancel };
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    connect(FAccept, &QPushButton::clicked, this, &TFPromenaImena::Accept);
    connect(FCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFPromenaImena::FillNames(TIni* Settings, const QString& South, const QString& West,
    const QString& North, const QString& East)
{
    FSettings = Settings;
    FSouth->setText(South);
    FWest->setText(West);
    FNorth->setText(North);
    FEast->setText(East);
}

// Either way the dialog closes with OK: the window then shows the names the
// settings hold, old or new. Names are taken as typed; blanks are a name.
void TFPromenaImena::Accept()
{
    const QString names[] = { FSouth->text(), FWest->text(), FNorth->text(), FEast->text() };
    if (std::any_of(
            std::begin(names), std::end(names), [](const QString& n) { return n.isEmpty(); }))
        MessageSink().Message(tr(EmptyNameMessage).toStdString());
    else if (FSettings) {
        try {
            FSettings->SetPlayerNames(names[0], names[1], names[2], names[3]);
        } catch (const EIniFileException& e) {
            MessageSink().Error(e.ShownText().toStdString());
        }
    }
    accept();
}
