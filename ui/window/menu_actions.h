#pragma once

#include <array>

class QAction;
class QMenu;

// The window's menu items that the window and its tests reach after the menus
// are made: kept here as they are made, never looked up by name.
struct TMenuActions {
    // "Igra"
    QMenu* Game = nullptr;
    QAction* New = nullptr;
    QAction* StartMatch = nullptr;
    QAction* Hint = nullptr;
    QAction* Undo = nullptr;
    QAction* Analysis = nullptr;
    QAction* Quit = nullptr;
    // "Igra preko mreze" and its items; "Razgovor" joins it with the first
    // network match.
    QMenu* Network = nullptr;
    QAction* OpenTable = nullptr;
    QAction* JoinTable = nullptr;
    // "Opcije"
    QAction* ScoreTable = nullptr;
    QAction* TableToMiddle = nullptr;
    QAction* History = nullptr;
    QMenu* Taken = nullptr;
    // The seats' items of "Pokupljene karte", S W N E.
    std::array<QAction*, 4> TakenBy {};
    QAction* Rename = nullptr;
    QAction* Options = nullptr;
    QAction* Statistics = nullptr;
    // "Pomoc"
    QAction* Help = nullptr;
    QAction* About = nullptr;
};
