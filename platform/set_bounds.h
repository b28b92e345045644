#pragma once

#include <QRect>
#include <optional>

#include "control_ref.h"

class QWidget;

// Moves or sizes a control, in its parent's coordinates (the screen's for a window, its
// outer frame). Omitted values stay; a width or height of -1 stays too. When the new
// rectangle equals the current one nothing at all happens.
void SetBounds(QWidget* control, std::optional<int> left, std::optional<int> top,
               std::optional<int> width, std::optional<int> height);
void SetBounds(ControlRef control, std::optional<int> left, std::optional<int> top,
               std::optional<int> width, std::optional<int> height);

// The rectangle SetBounds asks for, from the current one.
QRect BoundsAfter(const QRect& current, std::optional<int> left, std::optional<int> top,
                  std::optional<int> width, std::optional<int> height);
