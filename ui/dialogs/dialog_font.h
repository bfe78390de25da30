#pragma once

#include <QFont>

// The dialogs are laid out in pixels for a small sans of 11 pixels. Where
// "MS Sans Serif" is missing, narrow faces come first so every caption still
// fits the box it was measured for.
QFont DialogFont();

// The same face for a given family asked first (the links use "Tahoma").
QFont DialogFont(const QString& Family);
