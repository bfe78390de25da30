// "Igra preko mreze": the window's side of a network table.
#include "settings/ini.h"
#include "ui/network/net_table.h"
#include "ui/window/main_window.h"

void TForm1::CreateNetTable()
{
    FNet = std::make_unique<TNetTable>(this);
}

void TForm1::Otvoristo1Click()
{
    FNet->playerName = FSettings->S;
    FNet->OpenTable();
}

void TForm1::Pridruzise1Click()
{
    JoinByLink({});
}

void TForm1::JoinByLink(const QString& link)
{
    FNet->playerName = FSettings->S;
    FNet->JoinTable(link);
}
