#pragma once

#include <QDialog>
#include <QString>

class QTextBrowser;

// A window that shows the help page (an HTML file beside the program) and
// follows the links inside it.
class THelpViewer : public QDialog {
    Q_OBJECT
public:
    // The caller has checked that the file can be read.
    THelpViewer(const QString& HelpFile, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return FBrowser; }

private:
    QTextBrowser* FBrowser;
};

// The help file of a program file: its path with ".hlp" for the extension.
QString HelpFileOf(const QString& ProgramPath);

// Shows the help file in a viewer that closes and frees itself, and returns
// it. When the file is missing or cannot be read, says so through the message
// sink and returns nullptr.
THelpViewer* ShowHelp(QWidget* parent, const QString& helpFile);
