#include "settings/ini.h"

#include "platform/message_sink.h"
#include "settings/ini_file.h"
#include "settings/option_limits.h"

#include <QFileInfo>

namespace {

const QString kNames = QStringLiteral("PlayerNames");
const QString kOptions = QStringLiteral("GameOptions");

// A value outside 0..last becomes the fallback.
int InRange(int value, int last, int fallback = 0)
{
    return value >= 0 && value <= last ? value : fallback;
}

void WriteNames(TIniFile& ini, const TIni& s)
{
    ini.WriteString(kNames, QStringLiteral("S"), s.S);
    ini.WriteString(kNames, QStringLiteral("W"), s.W);
    ini.WriteString(kNames, QStringLiteral("N"), s.N);
    ini.WriteString(kNames, QStringLiteral("E"), s.E);
}

void WriteOptions(TIniFile& ini, const TIni& s)
{
    ini.WriteInteger(kOptions, QStringLiteral("NumberOfPlayers"), s.NumberOfPlayers);
    ini.WriteInteger(kOptions, QStringLiteral("NumberOfDecks"), s.NumberOfDecks);
    ini.WriteInteger(kOptions, QStringLiteral("CompPlays"), s.CompPlays);
    ini.WriteInteger(kOptions, QStringLiteral("CompPlayDelay"), s.CompPlayDelay);
    ini.WriteInteger(kOptions, QStringLiteral("CompWaitForPlay"), s.CompWaitForPlay);
    ini.WriteBool(kOptions, QStringLiteral("Clockwise"), s.Clockwise);
    ini.WriteBool(kOptions, QStringLiteral("CompCardsTight"), s.CompCardsTight);
    ini.WriteBool(kOptions, QStringLiteral("HumanCardsTight"), s.HumanCardsTight);
    ini.WriteBool(kOptions, QStringLiteral("CanViewMyCollectedCards"), s.CanViewMyCollectedCards);
    ini.WriteBool(
        kOptions, QStringLiteral("CanViewOtherCollectedCards"), s.CanViewOtherCollectedCards);
    ini.WriteBool(kOptions, QStringLiteral("Log"), s.Log);
}

} // namespace

TIni::TIni(const QString& FileName)
    : FileName(FileName)
{
    if (!QFileInfo::exists(FileName)) {
        // The defaults stay in effect for the run even when they cannot be
        // saved; the player learns that changes will not be kept.
        try {
            WriteDefaults();
        } catch (const EIniFileException& e) {
            MessageSink().Error(e.ShownText().toStdString());
        }
    }
    ReadSettings();
}

void TIni::ReadSettings()
{
    static const TIni d; // the defaults, the same values WriteDefaults writes
    const TIniFile ini(FileName);
    S = ini.ReadString(kNames, QStringLiteral("S"), d.S);
    W = ini.ReadString(kNames, QStringLiteral("W"), d.W);
    N = ini.ReadString(kNames, QStringLiteral("N"), d.N);
    E = ini.ReadString(kNames, QStringLiteral("E"), d.E);
    // A strength or pause the options dialog cannot show would reach the
    // game unchecked; such values fall back to the defaults.
    CompPlays = InRange(ini.ReadInteger(kOptions, QStringLiteral("CompPlays"), d.CompPlays),
        OptionLimits::LastCompPlays, d.CompPlays);
    NumberOfPlayers = InRange(
        ini.ReadInteger(kOptions, QStringLiteral("NumberOfPlayers"), d.NumberOfPlayers), 2);
    NumberOfDecks
        = InRange(ini.ReadInteger(kOptions, QStringLiteral("NumberOfDecks"), d.NumberOfDecks), 1);
    CompPlayDelay
        = InRange(ini.ReadInteger(kOptions, QStringLiteral("CompPlayDelay"), d.CompPlayDelay),
            OptionLimits::MaxCompPlayDelay, d.CompPlayDelay);
    CompWaitForPlay
        = InRange(ini.ReadInteger(kOptions, QStringLiteral("CompWaitForPlay"), d.CompWaitForPlay),
            OptionLimits::MaxCompWaitForPlay, d.CompWaitForPlay);
    Clockwise = ini.ReadBool(kOptions, QStringLiteral("Clockwise"), d.Clockwise);
    CompCardsTight = ini.ReadBool(kOptions, QStringLiteral("CompCardsTight"), d.CompCardsTight);
    HumanCardsTight = ini.ReadBool(kOptions, QStringLiteral("HumanCardsTight"), d.HumanCardsTight);
    CanViewMyCollectedCards = ini.ReadBool(
        kOptions, QStringLiteral("CanViewMyCollectedCards"), d.CanViewMyCollectedCards);
    CanViewOtherCollectedCards = ini.ReadBool(
        kOptions, QStringLiteral("CanViewOtherCollectedCards"), d.CanViewOtherCollectedCards);
    Log = ini.ReadBool(kOptions, QStringLiteral("Log"), d.Log);
}

void TIni::WriteDefaults()
{
    static const TIni d;
    TIniFile ini(FileName);
    WriteNames(ini, d);
    WriteOptions(ini, d);
    ini.UpdateFile();
}

void TIni::SetPlayerNames(const QString& S, const QString& W, const QString& N, const QString& E)
{
    this->S = S;
    this->W = W;
    this->N = N;
    this->E = E;
    TIniFile ini(FileName);
    WriteNames(ini, *this);
    ini.UpdateFile();
}

void TIni::SetGameOptions(int NumberOfPlayers, int NumberOfDecks, int CompPlays, int CompPlayDelay,
    int CompWaitForPlay, bool Clockwise, bool CompCardsTight, bool HumanCardsTight,
    bool CanViewMyCollectedCards, bool CanViewOtherCollectedCards, bool Log)
{
    this->NumberOfPlayers = NumberOfPlayers;
    this->NumberOfDecks = NumberOfDecks;
    this->CompPlays = CompPlays;
    this->CompPlayDelay = CompPlayDelay;
    this->CompWaitForPlay = CompWaitForPlay;
    this->Clockwise = Clockwise;
    this->CompCardsTight = CompCardsTight;
    this->HumanCardsTight = HumanCardsTight;
    this->CanViewMyCollectedCards = CanViewMyCollectedCards;
    this->CanViewOtherCollectedCards = CanViewOtherCollectedCards;
    this->Log = Log;
    TIniFile ini(FileName);
    WriteOptions(ini, *this);
    ini.UpdateFile();
}
