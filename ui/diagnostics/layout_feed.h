#pragma once

#include <QObject>
#include <QString>

#include <memory>

class TForm1;

// Where the cards lie in the window as it is now, for a script that plays the
// real program by clicks at any window size and in either look: when the
// environment variable ZAVIKO_LAYOUT_FEED names a file, the table's every
// paint that moved a card or the window rewrites it (whole, by a rename) with
// LiveLayoutReport's lines. Without the variable nothing is installed.
class TLayoutFeed : public QObject {
public:
    static std::unique_ptr<TLayoutFeed> FromEnvironment(TForm1* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TLayoutFeed(const QString& path, TForm1* form);
    void Write(const QString& report);

    QString FPath;
    TForm1* FForm;
    QString FLast;
};

// The window's size and the click points of the human's hand and the table's
// two rows, in the window's coordinates, as shell assignments:
//   WIN_W=1100 WIN_H=700 CARD_H=96
//   HAND_XS=(x0 .. x5) HAND_Y=y      (-1 for an empty slot)
//   SLOT_XS=(x0 .. x11) SLOT_YS=(y0 .. y11)   (the two rows, six a row)
// CARD_H is a card's height on the screen, at the table's scale.
QString LiveLayoutReport(const TForm1& form);
