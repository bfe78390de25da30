#pragma once

#include <QDialog>

class QLabel;
class TUrlLabel;

// The About dialog ("O Programu"): version, the web page and the mail link,
// and under them the game's keys.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    // The dialog's size above the key list; the list is at least as wide.
    static constexpr int ClientWidth = 234;
    static constexpr int ClientHeight = 212;
    static constexpr const char* WebAddress = "https://zaviko.example.org/";
    static constexpr const char* MailAddress = "zaviko@example.org";

    explicit TFAbout(QWidget* parent = nullptr);

    TUrlLabel* WebLink() const { return FWebLink; }
    TUrlLabel* MailLink() const { return FMailLink; }
    QLabel* Keys() const { return FKeys; }

private:
    TUrlLabel* FWebLink;
    TUrlLabel* FMailLink;
    QLabel* FKeys;
};
