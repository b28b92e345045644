#pragma once

#include <QWidget>

struct ControlRow;

// Makes one control of a window description inside `parent`, at its place, with its
// texts, font and colours. File dialog controls are not widgets; they are children of
// the window. Returns null when the row cannot be made.
QObject* MakeControl(const ControlRow& row, QWidget* parent, QWidget* window);

// A text of a description as the toolkit shows it: each CR LF or lone LF ends a line.
QString DisplayText(const char* utf8);
