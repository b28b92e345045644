#include "font_window.h"

#include <array>

#include "build_settings.h"
#include "load_window.h"
#include "open_address.h"

namespace {

using enum ControlKind;
constexpr bool yes = true;
constexpr bool no = false;

constexpr Colour kRed = 0x0000FF;

// Six lines, the second and the fourth empty. The colons are ASCII, the quotation marks
// curved, the backslashes single; the fourth line ends in a lone LF and the fifth in a
// space.
constexpr char kInstallationText[] =
    "安装字体有两种方法:\r\n"
    "\r\n"
    "一是:复制到C:\\WINDOWS\\Fonts目录。\r\n"
    "\n"
    "二是:打控制面板里面的“字体” \r\n"
    "然后把字体文件拖进去";

constexpr ControlLook kInstallationLook = {
    .font = {"宋体", 19, 700}, .textColour = kRed, .wrap = true};

void OpenFirstDiskAddress() {
    OpenAddress(Text::FromUtf8(kDownloadAddress1));
}

void OpenSecondDiskAddress() {
    OpenAddress(Text::FromUtf8(kDownloadAddress2));
}

void OpenDownloadSiteAddress() {
    OpenAddress(Text::FromUtf8(kDownloadAddress3));
}

// Stacking order, topmost first; focus traversal runs over the Tab rows from the bottom
// up, so Tab goes from the left button to the right one and then to the middle one.
// clang-format off
const std::array<ControlRow, 5> kControls = {{
    // name      kind              number      left top  w    h    vis  tab  text
    {"按钮3",     Button,           0x1601006F, 162, 192, 80,  32,  yes, yes, "网盘下载2"},
    {"按钮2",     Button,           0x1601006D, 295, 192, 80,  32,  yes, yes, "网站下载"},
    {"按钮1",     Button,           0x1601006C, 25,  192, 80,  32,  yes, yes, "网盘下载1"},
    {"标签1",     Label,            0x1601006B, 24,  152, 104, 40,  yes, no,  "字体下载地址："},
    {"透明标签1", TransparentLabel, 0x16010064, 12,  7,   348, 169, yes, no,  kInstallationText, kInstallationLook},
}};
// clang-format on

const std::array<EventBinding, 3> kBindings = {{
    {"按钮1", OpenFirstDiskAddress},
    {"按钮3", OpenSecondDiskAddress},
    {"按钮2", OpenDownloadSiteAddress},
}};

const WindowDescription kFontWindow = {
    .settings =
        {
            .name = "FontWindow",
            .number = kFontWindowNumber,
            .caption = "字体下载与安装",
            .outerWidth = 407,
            .outerHeight = 274,
            .minimiseButton = false,
            .taskBarEntry = true,  // asked for, but a modal window never gets one
            .escCloses = true,
        },
    .controls = kControls,
    .bindings = kBindings,
};

}  // namespace

const WindowDescription& FontWindowDescription() {
    return kFontWindow;
}

void OpenFontWindow() {
    LoadWindow(kFontWindow, nullptr, true);
}
