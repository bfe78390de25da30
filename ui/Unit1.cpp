#include "ui/Unit1.h"

#include <QLayout>
#include <QPalette>
#include <QWidget>

namespace {
const QColor clGreen(0x00, 0x80, 0x00);
}

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Zaviko"));

    auto* table = new QWidget(this);
    table->setObjectName(QStringLiteral("Table"));
    table->setFixedSize(ClientWidth, ClientHeight);
    table->setAutoFillBackground(true);
    QPalette palette = table->palette();
    palette.setColor(QPalette::Window, clGreen);
    table->setPalette(palette);
    setCentralWidget(table);

    // The table is laid out in fixed pixels: the window never resizes.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}
