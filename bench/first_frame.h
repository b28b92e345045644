#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

// Prints "first-frame <steady clock in microseconds>" once the window named `window` has
// painted for the first time, then "peak-rss-kib <VmHWM>", "anon-rss-kib <RssAnon>" and quits after
// --quit-after milliseconds (default 0). Install it on the application to see every window's
// events.
inline void ReportFirstFrame(QObject* watched, const QString& window,
                             const QStringList& arguments) {
    const qsizetype at = arguments.indexOf("--quit-after");
    const int quitAfter = at >= 0 && at + 1 < arguments.size() ? arguments[at + 1].toInt() : 0;
    struct Filter : QObject {
        int quitAfter;
        QString window;
        bool seen = false;
        bool eventFilter(QObject* receiver, QEvent* event) override {
            if (event->type() != QEvent::Paint || seen || receiver->objectName() != window)
                return false;
            seen = true;
            // After this paint the frame is flushed to the window on the next turn.
            QTimer::singleShot(0, [this] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf(
                    "first-frame %lld\n",
                    (long long)std::chrono::duration_cast<std::chrono::microseconds>(now).count());
                std::fflush(stdout);
                QTimer::singleShot(quitAfter, [] {
                    QFile status("/proc/self/status");
                    if (status.open(QIODevice::ReadOnly))
                        for (const QByteArray& line : status.readAll().split('\n'))
                            for (auto [field, key] : {std::pair{"VmHWM:", "peak-rss-kib"},
                                                      std::pair{"RssAnon:", "anon-rss-kib"}})
                                if (line.startsWith(field))
                                    std::printf("%s %s\n", key,
                                                line.mid(qsizetype(std::strlen(field)))
                                                    .trimmed()
                                                    .split(' ')[0]
                                                    .constData());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                });
            });
            return false;
        }
    };
    auto* filter = new Filter;
    filter->quitAfter = quitAfter;
    filter->window = window;
    filter->setParent(watched);
    watched->installEventFilter(filter);
}
