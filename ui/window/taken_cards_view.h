#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QScrollArea;
class TZuCardGroup;

// The window that shows one player's captured cards face up, in rows of 26
// sorted by value once a row is full. It lives for the whole run and is
// reused for every view.
class TFPregledKarata : public QDialog {
    Q_OBJECT
public:
    static constexpr int RowCount = 4;
    static constexpr int SlotsPerRow = 26;
    static constexpr int MaxCards = RowCount * SlotsPerRow;

    explicit TFPregledKarata(QWidget* parent = nullptr);
    ~TFPregledKarata() override;

    // The caption names the player; "Ja", "JA" and "ja" are the person's own name.
    void SetPlayer(const QString& Name);
    // Lays the IDs out in taking order, 26 to a row; the window takes the
    // height of the rows shown, as far as the screen allows.
    void ShowCards(const std::vector<int>& ids);
    // SetPlayer and ShowCards for a seat's taken cards in taking order, then
    // Execute; every view of a seat's cards goes through here.
    void ShowTakenBy(const TZuCardGroup& group);

    // Shows the window modally and returns at once: a nested event loop
    // here would still be running when the end of a hand, handed over from
    // the worker inside it, closes the view and opens its own dialog, and
    // the view could not open again from there. False when already open.
    bool Execute();
    bool IsOpen() const { return isVisible(); }
    // Lets the main window close the view before another dialog shows.
    void CloseIfOpen();

    // Row k (0..3): Karte, Karte2, Karte3, Karte4.
    TZuCardGroup* Karte(int k) const { return FRows[k]; }
    int RowsShown() const { return FRowsShown; }
    // The client size the rows need.
    QSize ContentSize() const;

private:
    TZuCardGroup* MakeRow(QWidget* parent, int k);
    void FillRow(TZuCardGroup& row, const std::vector<int>& ids, int first);
    void FitToRows();

    QScrollArea* FScroll = nullptr;
    QWidget* FContent = nullptr;
    std::array<TZuCardGroup*, RowCount> FRows {};
    int FRowsShown = 1;
};
