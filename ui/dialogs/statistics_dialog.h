#pragma once

#include <QDialog>

class QTableWidget;
class TStatisticsStore;

// "Statistika": the player's statistics in a table, one column per game mode
// and deck count, with a reset that asks first. The matches in which a move
// was taken back (`withUndo`, counted apart) and those played at network
// tables (`network`) show in rows of their own.
class TStatisticsDialog : public QDialog {
    Q_OBJECT
public:
    explicit TStatisticsDialog(TStatisticsStore& store, TStatisticsStore* withUndo = nullptr,
        TStatisticsStore* network = nullptr, QWidget* parent = nullptr);

    QTableWidget* Table() const { return FTable; }
    // Fills the table from the store.
    void Refresh();
    // "Ponisti": after a confirmation, the statistics start again from nothing.
    void ResetClick();

private:
    TStatisticsStore& FStore;
    TStatisticsStore* FWithUndo;
    TStatisticsStore* FNetwork;
    QTableWidget* FTable = nullptr;
};
