// The window's part in "Analiza": the review window, kept for the run, and
// its item in "Igra".
#include "ui/window/main_window.h"

#include "ui/review/analysis_window.h"

#include <QAction>

TFAnaliza* TForm1::Analysis()
{
    if (!FAnalysis) FAnalysis = new TFAnaliza(this);
    return FAnalysis;
}

void TForm1::Analiza1Click()
{
    if (Analysis()->HasHands()) Analysis()->ShowWindow();
}

void TForm1::NameAnalysisItem()
{
    const bool available = FAnalysis && FAnalysis->HasHands();
    FMenu.Analysis->setEnabled(available);
    // The reason stands in the item itself, where a player looking for it reads it.
    FMenu.Analysis->setText(
        available ? tr("&Analiza...") : tr("&Analiza (nijedna ruka jos nije procenjena)"));
}
