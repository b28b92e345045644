#include "open_address.h"

#include <QDesktopServices>
#include <QUrl>

void OpenAddress(const Text& address) {
    // Read the way the desktop's "open" reads it: a web address as it stands, a bare
    // host name as a web address, a path as a file. The empty text stays empty and the
    // desktop refuses it.
    QDesktopServices::openUrl(QUrl::fromUserInput(address.ToQString()));
}

void OpenAddress() {
    OpenAddress(Text::FromUtf8(kDefaultAddress));
}
