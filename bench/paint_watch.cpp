#include "paint_watch.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace tolvane::bench {

std::int64_t monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

long peakResidentKb()
{
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) {
            kb = std::strtol(line + 6, nullptr, 10);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

void writeLine(const char *text)
{
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(STDOUT_FILENO, text, left);
        if (written <= 0)
            break;
        text += written;
        left -= std::size_t(written);
    }
    ::write(STDOUT_FILENO, "\n", 1);
}

void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

WatchedApplication::WatchedApplication(int &argc, char **argv) : QApplication(argc, argv) {}

void WatchedApplication::watchPaint(Match match, Done done)
{
    m_match = std::move(match);
    m_done = std::move(done);
    m_paintDepth = 0;
    m_painted = nullptr;
}

void WatchedApplication::cancelWatch()
{
    m_match = nullptr;
    m_done = nullptr;
    m_paintDepth = 0;
    m_painted = nullptr;
}

void WatchedApplication::finish()
{
    const std::int64_t now = monotonicNs();
    Done done = std::move(m_done);
    QWidget *window = m_painted;
    cancelWatch();
    if (done)
        done(window, now);
}

bool WatchedApplication::notify(QObject *receiver, QEvent *event)
{
    if (!m_match)
        return QApplication::notify(receiver, event);

    const int depth = ++m_depth;
    if (m_paintDepth == 0 && event->type() == QEvent::Paint && receiver->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(receiver);
        if (widget->isWindow() && m_match(widget)) {
            m_paintDepth = depth;
            m_painted = widget;
        }
    }

    struct Leave {
        int &depth;
        ~Leave() { --depth; }
    } leave{m_depth};
    const bool result = QApplication::notify(receiver, event);

    // The delivery that enclosed the window's Paint has returned: the controls
    // are drawn and the backing store flushed. A Paint delivered from outside
    // any event (a direct repaint) ends with its own delivery.
    if (m_paintDepth > 0 && (depth == m_paintDepth - 1 || (m_paintDepth == 1 && depth == 1)))
        finish();
    return result;
}

bool isWindowOf(const QWidget *window, std::string_view screenName)
{
    return window && window->isWindow() &&
           window->objectName() == QLatin1String(screenName.data(), qsizetype(screenName.size()));
}

QWidget *windowNamed(std::string_view screenName)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (isWindowOf(window, screenName))
            return window;
    }
    return nullptr;
}

} // namespace tolvane::bench
