#include "bundled_fonts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>

QString BundledFontFolder() {
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath("../share/glyphora/fonts");
}

int RegisterBundledFonts() {
    const QDir folder(BundledFontFolder());
    int loaded = 0;
    for (const QString& name : folder.entryList({"*.ttf", "*.otf"}, QDir::Files, QDir::Name))
        loaded += QFontDatabase::addApplicationFont(folder.filePath(name)) >= 0;
    return loaded;
}
