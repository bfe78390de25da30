#pragma once

#include <QDialog>

class TUrlLabel;

// The About dialog ("O Programu"): version, the web page and the mail link.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 234;
    static constexpr int ClientHeight = 212;
    static constexpr const char* WebAddress = "https://zaviko.example.org/";
    static constexpr const char* MailAddress = "zaviko@example.org";

    explicit TFAbout(QWidget* parent = nullptr);

    TUrlLabel* WebLink() const { return FWebLink; }
    TUrlLabel* MailLink() const { return FMailLink; }

private:
    TUrlLabel* FWebLink;
    TUrlLabel* FMailLink;
};
