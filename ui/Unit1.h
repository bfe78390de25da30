#pragma once

#include <QMainWindow>

// The game's main window: the green table the card groups are laid out on.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 772;
    static constexpr int ClientHeight = 554;

    explicit TForm1(QWidget* parent = nullptr);
};
