#include "main_window.h"

#include <array>

#include "about_window.h"
#include "build_settings.h"
#include "composite_picture.h"
#include "file_dialog_control.h"
#include "main_window_refs.h"
#include "previews.h"

namespace {

using enum ControlKind;
constexpr bool yes = true;
constexpr bool no = false;

const FileDialogSettings kSaveDialog = {
    .kind = 1,
    .title = "",
    .filter = "位图文件(*.bmp)|*.bmp",
    .initialFilter = 0,
    .initialFolder = "",
    .defaultExtension = "bmp",
    .promptCreate = false,
    .fileMustExist = true,
    .promptOverwrite = true,
    .pathMustExist = true,
    .keepFolder = false,
};

constexpr ControlLook kPreviewBoard = {.backColour = 0xFFFFFF};
constexpr ControlLook kCompositionBoard = {.backColour = kFaceColour};

// Stacking order, topmost first; focus traversal runs over the Tab rows from the bottom up.
// clang-format off
const std::array<ControlRow, 20> kControls = {{
    // name          kind          number               left top  w    h    vis  tab  text
    {"图片框2",       PictureBox,   0x1601004F,          415, 419, 120, 100, yes, no,  nullptr},
    {"按钮5",         Button,       0x1601004E,          234, 434, 70,  29,  yes, yes, "关于软件"},
    {"按钮4",         Button,       0x1601004D,          334, 434, 70,  29,  yes, yes, "支持作者"},
    {"图片框1",       PictureBox,   0x16010040,          0,   442, 432, 24,  yes, no,  nullptr},
    {"超文本浏览框1", WebView,      0x1601003C,          -12, 455, 460, 137, yes, yes, kWebViewAddress},
    {"通用对话框1",   FileDialog,   通用对话框1.control, 328, 32,  24,  24,  no,  no,  nullptr,         {.dialog = &kSaveDialog}},
    {"保存图片",      DrawingBoard, 保存图片.control,    488, 16,  56,  32,  no,  no,  nullptr,         kCompositionBoard},
    {"按钮2",         Button,       0x16010031,          200, 35,  96,  24,  yes, yes, "保存图片"},
    {"画板6",         DrawingBoard, 画板6.control,       224, 288, 180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"画板5",         DrawingBoard, 画板5.control,       8,   288, 180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"画板4",         DrawingBoard, 画板4.control,       224, 176, 180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"选择框1",       CheckBox,     选择框1.control,     8,   35,  48,  20,  yes, yes, "反色",          {.checked = true}},
    {"画板3",         DrawingBoard, 画板3.control,       8,   176, 180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"画板2",         DrawingBoard, 画板2.control,       224, 64,  180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"编辑框2",       EditBox,      编辑框2.control,     272, 8,   136, 20,  yes, yes, "Dadaz"},
    {"标签2",         Label,        0x1601000E,          208, 8,   56,  20,  yes, no,  "英文姓名："},
    {"标签1",         Label,        0x1601000D,          8,   8,   56,  20,  yes, no,  "中文姓名："},
    {"按钮1",         Button,       0x16010008,          80,  35,  96,  24,  yes, yes, "预览"},
    {"画板1",         DrawingBoard, 画板1.control,       8,   64,  180, 100, yes, no,  nullptr,         kPreviewBoard},
    {"编辑框1",       EditBox,      编辑框1.control,     80,  8,   120, 20,  yes, yes, "苏墨"},
}};
// clang-format on

const std::array<EventBinding, 4> kBindings = {{
    {"按钮1", RenderPreviews},
    {"按钮2", SaveCompositePicture},
    {"按钮5", OpenAboutWindow},
    {"按钮4", OpenAboutWindow},
}};

const WindowDescription kMainWindow = {
    .settings =
        {
            .name = "MainWindow",
            .number = kMainWindowNumber,
            .caption = "Glyphora  v3.0 官方正式版",
            .outerWidth = 421,
            .outerHeight = 585,
            .minimiseButton = true,
            .taskBarEntry = true,
            .escCloses = true,
            .created = OnMainWindowCreated,
        },
    .controls = kControls,
    .bindings = kBindings,
};

}  // namespace

const WindowDescription& MainWindowDescription() {
    return kMainWindow;
}
