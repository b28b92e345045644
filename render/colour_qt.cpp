#include "colour_qt.h"

#include <QGuiApplication>
#include <QPalette>

QColor FaceColour() {
    return QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor ToQColor(Colour colour) {
    if (colour == kFaceColour) return FaceColour();
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}
