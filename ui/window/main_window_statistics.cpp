// "Opcije" -> "Statistika": the player's statistics, kept by the window and
// fed by the controller's match events.
#include "ui/window/main_window.h"

#include "ui/dialogs/statistics_dialog.h"
#include "game/controller/statistics_store.h"

void TForm1::Statistika1Click()
{
    if (!Idle()) return;
    TStatisticsDialog dialog(*FStatistics, FUndoStatistics.get(), FNetStatistics.get(), this);
    dialog.exec();
}
