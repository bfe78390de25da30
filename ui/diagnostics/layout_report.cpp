#include "ui/diagnostics/layout_report.h"

#include "cards/zucard.h"
#include "ui/window/main_window.h"

#include <QTemporaryDir>

#include <cstdio>

QString LayoutReport(const TForm1& form)
{
    const TZuCardGroup& talon = *form.Talon1;
    const int slots = talon.SlotCount();
    const int slotStep = slots > 1 ? (talon.width() - ZuCardWidth) / (slots - 1) : ZuCardWidth;
    const std::pair<const char*, int> facts[] = {
        { "CLIENT_W", TForm1::ClientWidth },
        { "CLIENT_H", TForm1::ClientHeight },
        { "CARD_W", ZuCardWidth },
        { "CARD_H", ZuCardHeight },
        // The human's hand: its top, and the step of its tight cascade.
        { "HAND_TOP", form.PlayerS->y() },
        { "HAND_STEP", form.PlayerS->Tightness() },
        // The table rows of empty slots: their width, the step from slot to
        // slot and from the upper row to the lower.
        { "TALON_W", talon.width() },
        { "SLOT_STEP", slotStep },
        { "ROW_STEP", form.Talon2->y() - talon.y() },
    };
    QString report;
    for (const auto& [name, value] : facts)
        report += QStringLiteral("%1=%2\n").arg(QLatin1String(name)).arg(value);
    return report;
}

int PrintLayout()
{
    QTemporaryDir files;
    if (!files.isValid()) return 1;
    TForm1 form(files.path());
    std::fputs(qPrintable(LayoutReport(form)), stdout);
    return 0;
}
