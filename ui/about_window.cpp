#include "about_window.h"

#include <array>

#include "build_settings.h"
#include "font_window.h"
#include "joined_text.h"
#include "load_window.h"

namespace {

using enum ControlKind;
constexpr bool yes = true;
constexpr bool no = false;

constexpr Colour kMagenta = 0xFF00FF;

constexpr ControlFont kSong16 = {"宋体", 16, 400};
constexpr ControlFont kSong19Bold = {"宋体", 19, 700};
constexpr ControlFont kSong12Bold = {"宋体", 12, 700};

// Two sentences, each followed by an empty line, then the contact lines of the build.
// The first sentence ends in two spaces.
// clang-format off
constexpr auto kThanksText = JoinText(
    "很感谢大家能使用我们开发的软件，如果觉得我们的软件好，请将软件推荐给你的朋友，谢谢您的支持！", "  ", kCrLf,
    kCrLf,
    "欢迎与本人洽谈：软件开发 与 网站建设业务！", kCrLf,
    kCrLf,
    kContactLine1, kCrLf,
    kContactLine2);
// clang-format on

constexpr char kWarningText[] =
    "如果你的电脑没有本软件所需要的字体，请先下载并安装字体，否则无法使用本软件！";

constexpr ControlLook kThanksLook = {.font = kSong16, .wrap = true};
constexpr ControlLook kWarningLook = {.font = kSong19Bold, .textColour = kMagenta, .wrap = true};
constexpr ControlLook kButtonLook = {.font = kSong12Bold};
constexpr ControlLook kInPanel2 = {.parent = "图片框2"};

// Stacking order, topmost first; focus traversal runs over the Tab rows from the bottom up.
// The two panels inside 图片框2 are placed in it and cut off by it.
// clang-format off
const std::array<ControlRow, 10> kControls = {{
    // name          kind              number      left top  w    h    vis  tab  text
    {"按钮3",         Button,           0x16010061, 111, 192, 176, 32,  yes, yes, "请点击这里下载字体", kButtonLook},
    {"透明标签2",     TransparentLabel, 0x16010056, 20,  144, 384, 95,  yes, no,  kWarningText,         kWarningLook},
    {"标签1",         Label,            0x1601004A, 16,  11,  432, 133, yes, no,  kThanksText.data(),   kThanksLook},
    {"图片框7",       PictureBox,       0x16010049, -6,  162, 16,  152, yes, no,  nullptr},
    {"图片框6",       PictureBox,       0x16010048, 438, 229, 32,  128, yes, no,  nullptr},
    {"图片框5",       PictureBox,       0x16010047, 439, -9,  24,  96,  yes, no,  nullptr,              kInPanel2},
    {"图片框4",       PictureBox,       0x16010046, 0,   367, 456, 40,  yes, no,  nullptr},
    {"图片框3",       PictureBox,       0x16010045, 0,   112, 456, 32,  yes, no,  nullptr,              kInPanel2},
    {"图片框2",       PictureBox,       0x16010044, 9,   231, 456, 32,  yes, no,  nullptr},
    {"超文本浏览框1", WebView,          0x16010042, 0,   287, 456, 118, yes, yes, kWebViewAddress},
}};
// clang-format on

const std::array<EventBinding, 1> kBindings = {{
    {"按钮3", OpenFontWindow},
}};

const WindowDescription kAboutWindow = {
    .settings =
        {
            .name = "AboutWindow",
            .number = kAboutWindowNumber,
            .caption = "关于本软件",
            .outerWidth = 460,
            .outerHeight = 407,
            .minimiseButton = false,
            .taskBarEntry = true,  // asked for, but a modal window never gets one
            .escCloses = true,
        },
    .controls = kControls,
    .bindings = kBindings,
};

}  // namespace

const WindowDescription& AboutWindowDescription() {
    return kAboutWindow;
}

void OpenAboutWindow() {
    LoadWindow(kAboutWindow, nullptr, true);
}
