#include "platform/message_sink.h"

#include <QApplication>
#include <QPushButton>
#include <QMessageBox>

namespace {

QString Title()
{
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Zaviko") : name;
}

// Texts are plain: a player's name with "<" or "&" shows as typed. The
// buttons speak the game's language.
int Show(QMessageBox::Icon icon, const std::string& text, bool question)
{
    QMessageBox box(icon, Title(), QString::fromStdString(text), QMessageBox::NoButton,
        QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    if (question) {
        box.setDefaultButton(box.addButton(QStringLiteral("Da"), QMessageBox::YesRole));
        QPushButton* no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
        box.setEscapeButton(no);
    } else {
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    }
    box.exec();
    return box.buttonRole(box.clickedButton());
}

class TQtMessageSink : public TMessageSink {
public:
    void Information(const std::string& text) override
    {
        Show(QMessageBox::Information, text, false);
    }
    bool Confirmation(const std::string& text) override
    {
        return Show(QMessageBox::Question, text, true) == QMessageBox::YesRole;
    }
    void Error(const std::string& text) override { Show(QMessageBox::Critical, text, false); }
    void Message(const std::string& text) override { Show(QMessageBox::NoIcon, text, false); }
};

std::unique_ptr<TMessageSink>& Installed()
{
    static std::unique_ptr<TMessageSink> sink = std::make_unique<TQtMessageSink>();
    return sink;
}

} // namespace

TMessageSink& MessageSink()
{
    return *Installed();
}

std::unique_ptr<TMessageSink> SetMessageSink(std::unique_ptr<TMessageSink> sink)
{
    if (!sink) sink = std::make_unique<TQtMessageSink>();
    std::swap(Installed(), sink);
    return sink;
}
