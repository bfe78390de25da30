#include "platform/thread.h"

#include "platform/message_sink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <exception>
#include <stdexcept>
#include <string>

namespace {

// How long the GUI thread blocks between two rounds of serving hand-offs
// while it waits for a worker.
constexpr int kServeIntervalMs = 1;

constexpr const char* kUnknownErrorText
    = QT_TRANSLATE_NOOP("TThread", "Neocekivana greska u radu igre.");

void ReportOnGuiThread(const std::string& text)
{
    MessageSink().Error(text);
}

// Runs fn and reports what it throws; must run on the GUI thread.
void RunReporting(const std::function<void()>& fn)
{
    try {
        fn();
    } catch (const std::exception& e) {
        ReportOnGuiThread(e.what());
    } catch (...) {
        ReportOnGuiThread(QCoreApplication::translate("TThread", kUnknownErrorText).toStdString());
    }
}

} // namespace

class TThread::TBody : public QThread {
public:
    explicit TBody(TThread& owner)
        : FOwner(owner)
    {
    }

protected:
    void run() override { FOwner.Run(); }

private:
    TThread& FOwner;
};

TThread::TThread()
    : FBody(std::make_unique<TBody>(*this))
{
}

TThread::~TThread()
{
    Terminate();
    WaitFor();
}

void TThread::SetPriority(QThread::Priority priority)
{
    FPriority = priority;
    if (FBody->isRunning()) FBody->setPriority(priority);
}

bool TThread::Resume()
{
    if (!FStarted) {
        FStarted = true;
        FBody->start(FPriority);
    }
    // A refused start leaves the body neither running nor finished.
    return FBody->isRunning() || FBody->isFinished();
}

void TThread::WaitFor()
{
    if (QThread::currentThread() == FBody.get())
        throw std::logic_error("A thread cannot wait for its own end");
    if (IsGuiThread()) {
        // The body may be blocked in a hand-off that only this thread serves.
        while (!FBody->wait(QDeadlineTimer(kServeIntervalMs)))
            QCoreApplication::processEvents();
    } else {
        FBody->wait();
    }
}

void TThread::WaitForQuietEnd()
{
    if (QThread::currentThread() == FBody.get())
        throw std::logic_error("A thread cannot wait for its own end");
    FBody->wait();
}

bool TThread::IsGuiThread()
{
    const QCoreApplication* app = QCoreApplication::instance();
    return app != nullptr && QThread::currentThread() == app->thread();
}

void TThread::Synchronize(const std::function<void()>& fn)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr || IsGuiThread()) {
        RunReporting(fn);
        return;
    }
    QMetaObject::invokeMethod(
        app, [&fn] { RunReporting(fn); }, Qt::BlockingQueuedConnection);
}

void TThread::Run()
{
    try {
        Execute();
    } catch (const std::exception& e) {
        const std::string text = e.what();
        Synchronize([&text] { ReportOnGuiThread(text); });
    } catch (...) {
        Synchronize([] {
            ReportOnGuiThread(
                QCoreApplication::translate("TThread", kUnknownErrorText).toStdString());
        });
    }
    FFinished = true;
}
