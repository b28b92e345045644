#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QUrl>

// What the desktop is handed, caught where the toolkit hands addresses to the desktop's
// handlers: a handler registered for a scheme (QDesktopServices::setUrlHandler with the
// slot "Open") takes the place of the desktop's own.
class DesktopCatcher : public QObject {
    Q_OBJECT

  public:
    QList<QByteArray> opened;

  public slots:
    void Open(const QUrl& url) { opened.append(url.toEncoded()); }
};
