#include "platform/message_sink.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString Title()
{
    const QString name = QApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("Zaviko") : name;
}

class TQtMessageSink : public TMessageSink {
public:
    void Information(const std::string& text) override
    {
        QMessageBox::information(
            QApplication::activeWindow(), Title(), QString::fromStdString(text));
    }
    bool Confirmation(const std::string& text) override
    {
        return QMessageBox::question(QApplication::activeWindow(), Title(),
                   QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No)
            == QMessageBox::Yes;
    }
    void Error(const std::string& text) override
    {
        QMessageBox::critical(QApplication::activeWindow(), Title(), QString::fromStdString(text));
    }
    void Message(const std::string& text) override
    {
        QMessageBox::information(
            QApplication::activeWindow(), Title(), QString::fromStdString(text));
    }
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
