#include "platform/qt/QtEventLoop.h"

#include <fcntl.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDateTime>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "platform/qt/QtSupport.h"

namespace kolt {
namespace {

// The self-pipe that carries a signal from its handler into the loop.
int g_signalPipe[2] = {-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = ::write(g_signalPipe[1], &byte, 1);
}

class QtTimer : public Timer {
  public:
    QtTimer() {
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { fire(); });
    }
    ~QtTimer() override { timer_->stop(); }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }
    void setInterval(int milliseconds) override {
        interval_ = std::max(0, milliseconds);
        timer_->setInterval(interval_);
        if (active_) restart();
    }
    int interval() const override { return interval_; }
    void start() override {
        active_ = true;
        restart();
    }
    void stop() override {
        active_ = false;
        timer_->stop();
    }
    bool isActive() const override { return active_; }

  private:
    // An interval of 0 never fires; the timer still counts as running.
    void restart() {
        if (interval_ > 0) {
            timer_->start(interval_);
        } else {
            timer_->stop();
        }
    }
    void fire() {
        if (running_ || !handler_) return;
        running_ = true;
        const auto alive = token_.watch();
        fireEvent(handler_);
        // The handler may have ended this timer.
        if (*alive) running_ = false;
    }

    QtOwned<QTimer> timer_{new QTimer};
    AliveToken token_;
    std::function<void()> handler_;
    int interval_ = 0;
    bool active_ = false;
    bool running_ = false;
};

}  // namespace

QtEventLoop::QtEventLoop() {
    clock_.start();
}

QtEventLoop::~QtEventLoop() = default;

std::unique_ptr<Timer> QtEventLoop::createTimer() {
    return std::make_unique<QtTimer>();
}

void QtEventLoop::processEvents() {
    QCoreApplication::processEvents();
}

void QtEventLoop::pause(int milliseconds) {
    if (milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

void QtEventLoop::post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        this, [task = std::move(task)] { task(); }, Qt::QueuedConnection);
}

LocalDateTime QtEventLoop::localNow() const {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

void QtEventLoop::addExitCleanup(std::function<void()> cleanup) {
    cleanups_.push_back(std::move(cleanup));
}

void QtEventLoop::exitNow(int status) {
    for (auto& c : cleanups_)
        c();
    std::fflush(nullptr);
    // At once: no destructor, no further event; the system releases the rest.
    ::_exit(status);
}

void QtEventLoop::onTerminationSignal(std::function<void()> handler) {
    onSignal_ = std::move(handler);
    if (signalNotifier_) return;
    if (::pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    signalNotifier_ = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    QObject::connect(signalNotifier_, &QSocketNotifier::activated, this,
                     [this] { signalArrived(); });
    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGINT, &sa, nullptr);
    ::sigaction(SIGTERM, &sa, nullptr);
}

void QtEventLoop::signalArrived() {
    char buffer[16];
    while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
    }
    if (onSignal_) {
        onSignal_();
    } else {
        exitNow(0);
    }
}

}  // namespace kolt
