#pragma once

#include <cstdint>
#include <span>

#include "colour.h"

struct FileDialogSettings;

// A window is described once, as data: its settings, its controls in stacking order
// (topmost first) and the handlers bound to their events. One loader builds any
// description into a live window.

enum class ControlKind {
    PictureBox,
    Button,
    Label,
    TransparentLabel,
    EditBox,
    CheckBox,
    DrawingBoard,
    WebView,
    FileDialog,
};

// A font given as family, em height in pixels and weight; no family means the
// platform's default user-interface font.
struct ControlFont {
    const char* family = nullptr;
    int pixelHeight = 0;
    int weight = 400;
};

// The settings a row needs beyond the common columns.
struct ControlLook {
    ControlFont font = {};
    Colour textColour = 0x000000;
    Colour backColour = kFaceColour;
    const char* parent = nullptr;                // name of the panel that holds the control
    bool wrap = false;                           // labels: wrap at the width, laid out from the top
    bool checked = false;                        // check boxes: state when the window opens
    const FileDialogSettings* dialog = nullptr;  // file dialog controls
};

struct ControlRow {
    const char* name;
    ControlKind kind;
    std::uint32_t number;
    int left;
    int top;
    int width;
    int height;
    bool visible;
    bool tab;
    const char* text;  // UTF-8; nullptr for none
    ControlLook look = {};
};

struct EventBinding {
    const char* control;
    void (*clicked)();
};

struct WindowSettings {
    const char* name;
    std::uint32_t number;
    const char* caption;  // UTF-8
    int outerWidth;
    int outerHeight;
    bool minimiseButton;
    bool taskBarEntry;
    bool escCloses;
    void (*created)() = nullptr;  // runs once the controls exist, before the window shows
};

struct WindowDescription {
    WindowSettings settings;
    std::span<const ControlRow> controls;
    std::span<const EventBinding> bindings;
};

// Frame metrics that turn an outer size into the client area: 3 pixels left, right
// and bottom, and a 26-pixel title bar with its top frame.
inline constexpr int kFrameWidth = 6;
inline constexpr int kFrameHeight = 29;
