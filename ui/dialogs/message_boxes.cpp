#include "ui/dialogs/message_boxes.h"

#include "platform/message_sink.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace {

QPointer<QWidget>& Owner()
{
    static QPointer<QWidget> owner;
    return owner;
}

// Without a parent a box opens in the middle of the screen, wherever the
// game's window is.
QWidget* BoxParent()
{
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (Owner()) return Owner();
    return QApplication::activeWindow();
}

QString Title()
{
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Zaviko") : name;
}

// Texts are plain: a player's name with "<" or "&" shows as typed. The
// buttons speak the game's language.
enum class TButtons { Ok, YesDefault, NoDefault };

int Show(QMessageBox::Icon icon, const std::string& text, TButtons buttons)
{
    QMessageBox box(
        icon, Title(), QString::fromStdString(text), QMessageBox::NoButton, BoxParent());
    box.setTextFormat(Qt::PlainText);
    if (buttons != TButtons::Ok) {
        QPushButton* yes = box.addButton(
            QCoreApplication::translate("TMessageSink", "Da"), QMessageBox::YesRole);
        QPushButton* no
            = box.addButton(QCoreApplication::translate("TMessageSink", "Ne"), QMessageBox::NoRole);
        box.setDefaultButton(buttons == TButtons::NoDefault ? no : yes);
        box.setEscapeButton(no);
    } else {
        box.addButton(QCoreApplication::translate("TMessageSink", "OK"), QMessageBox::AcceptRole);
    }
    box.exec();
    return box.buttonRole(box.clickedButton());
}

// The answers in the order given; the first is the default and Escape's, as
// it throws nothing away.
int ShowChoice(const std::string& text, const std::vector<std::string>& answers)
{
    QMessageBox box(QMessageBox::Warning, Title(), QString::fromStdString(text),
        QMessageBox::NoButton, BoxParent());
    box.setTextFormat(Qt::PlainText);
    std::vector<QPushButton*> buttons;
    for (const std::string& answer : answers)
        buttons.push_back(box.addButton(QString::fromStdString(answer), QMessageBox::ActionRole));
    if (!buttons.empty()) {
        box.setDefaultButton(buttons.front());
        box.setEscapeButton(buttons.front());
    }
    box.exec();
    const auto chosen = std::find(buttons.begin(), buttons.end(), box.clickedButton());
    return chosen == buttons.end() ? -1 : int(chosen - buttons.begin());
}

class TMessageBoxSink : public TMessageSink {
public:
    void Information(const std::string& text) override
    {
        Show(QMessageBox::Information, text, TButtons::Ok);
    }
    bool Confirmation(const std::string& text) override
    {
        return Show(QMessageBox::Question, text, TButtons::YesDefault) == QMessageBox::YesRole;
    }
    bool DestructiveConfirmation(const std::string& text) override
    {
        return Show(QMessageBox::Question, text, TButtons::NoDefault) == QMessageBox::YesRole;
    }
    void Error(const std::string& text) override
    {
        Show(QMessageBox::Critical, text, TButtons::Ok);
    }
    void Message(const std::string& text) override
    {
        Show(QMessageBox::NoIcon, text, TButtons::Ok);
    }
    int Choice(const std::string& text, const std::vector<std::string>& answers) override
    {
        return ShowChoice(text, answers);
    }
};

} // namespace

std::unique_ptr<TMessageSink> MakeMessageBoxSink()
{
    return std::make_unique<TMessageBoxSink>();
}

void SetMessageOwner(QWidget* owner)
{
    Owner() = owner;
}
