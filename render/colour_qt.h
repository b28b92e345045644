#pragma once

#include <QColor>

#include "colour.h"

// The platform's face colour of controls, looked up each time it is needed.
QColor FaceColour();

// A colour value as the toolkit's colour; kFaceColour becomes the face colour.
QColor ToQColor(Colour colour);
