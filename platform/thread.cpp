#include "platform/thread.h"

#include "platform/message_sink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#ifdef __linux__
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

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

// Linux schedules every thread of ordinary priority alike whatever Qt's
// priority says, so a search on both cores took the processor from the
// window while cards flew. A thread of low priority is made nicer: it still
// gets every core nobody else wants, and gives way to the window and the
// display server when they have work.
void LowerNiceness(QThread::Priority priority)
{
#ifdef __linux__
    const int nice = priority == QThread::LowestPriority ? 15
        : priority == QThread::LowPriority               ? 10
                                                         : 0;
    if (nice > 0) setpriority(PRIO_PROCESS, id_t(gettid()), nice);
#else
    (void)priority;
#endif
}

} // namespace

int TThread::CurrentNiceness()
{
#ifdef __linux__
    return getpriority(PRIO_PROCESS, id_t(gettid()));
#else
    return 0;
#endif
}

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

bool TThread::WaitFor(int boundMs)
{
    if (QThread::currentThread() == FBody.get())
        throw std::logic_error("A thread cannot wait for its own end");
    const QDeadlineTimer bound
        = boundMs < 0 ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(boundMs);
    if (!IsGuiThread()) return FBody->wait(bound);
    // The body may be blocked in a hand-off that only this thread serves.
    while (!FBody->wait(QDeadlineTimer(kServeIntervalMs))) {
        if (bound.hasExpired()) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

void TThread::Abandon(std::unique_ptr<TThread> thread)
{
    // Reachable to the end of the process, so no leak check counts it either.
    static auto* const kept = new std::vector<std::unique_ptr<TThread>>;
    thread->FAbandoned = true;
    kept->push_back(std::move(thread));
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
    // The threads the body starts (the search's helpers) inherit it.
    LowerNiceness(FPriority);
    try {
        Execute();
    } catch (const std::exception& e) {
        const std::string text = e.what();
        if (!Abandoned()) Synchronize([&text] { ReportOnGuiThread(text); });
    } catch (...) {
        if (!Abandoned())
            Synchronize([] {
                ReportOnGuiThread(
                    QCoreApplication::translate("TThread", kUnknownErrorText).toStdString());
            });
    }
    FFinished = true;
}
