#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class TUrlLabel;

// Where the About box's links lead: set when the game is built
// (ZAVIKO_HOME_PAGE, ZAVIKO_MAIL), empty by default.
struct TAboutLinks {
    QString homePage; // a whole web address
    QString mail; // an address for "mailto:"
    static TAboutLinks Built();
};

// The About dialog ("O Programu"): version, the web page and the mail link,
// and under them the game's keys. Without a home page the web link opens the
// game's own help; without a mail address the mail link is not shown.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    // The dialog's size above the key list; the list is at least as wide.
    static constexpr int ClientWidth = 234;
    static constexpr int ClientHeight = 212;

    explicit TFAbout(QWidget* parent = nullptr, const TAboutLinks& links = TAboutLinks::Built());

    TUrlLabel* WebLink() const { return FWebLink; }
    TUrlLabel* MailLink() const { return FMailLink; }
    QLabel* Keys() const { return FKeys; }
    // The web link led to the help: the dialog has closed for it to open.
    bool HelpAsked() const { return FHelpAsked; }

private:
    TUrlLabel* FWebLink;
    TUrlLabel* FMailLink;
    QLabel* FKeys;
    bool FHelpAsked = false;
};
