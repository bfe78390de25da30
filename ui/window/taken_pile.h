#pragma once

#include <QWidget>

#include <functional>

// A side's taken cards in the modern look: a small face-down pile by its
// hand, as thick as the cards allow, with their count. A click (or Enter or
// space with the focus on it) opens them, where the player may look.
class TTakenPile : public QWidget {
    Q_OBJECT
public:
    static constexpr int PileWidth = 46;
    static constexpr int PileHeight = 60;

    explicit TTakenPile(QWidget* parent);
    // `owner` names whose cards these are, for the tooltip and the screen reader.
    void Show(int count, const QString& owner, bool canOpen);
    int Count() const { return FCount; }
    std::function<void()> OnOpen;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FCount = 0;
    bool FCanOpen = false;
};
