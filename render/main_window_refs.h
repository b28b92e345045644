#pragma once

#include "control_ref.h"

// The controls of the main window that the program's behaviour addresses.
inline constexpr std::uint32_t kMainWindowNumber = 0x52010001;

inline constexpr ControlRef 编辑框1{kMainWindowNumber, 0x16010002};
inline constexpr ControlRef 编辑框2{kMainWindowNumber, 0x1601000F};
inline constexpr ControlRef 选择框1{kMainWindowNumber, 0x16010013};
inline constexpr ControlRef 画板1{kMainWindowNumber, 0x16010003};
inline constexpr ControlRef 画板2{kMainWindowNumber, 0x16010011};
inline constexpr ControlRef 画板3{kMainWindowNumber, 0x16010012};
inline constexpr ControlRef 画板4{kMainWindowNumber, 0x1601002B};
inline constexpr ControlRef 画板5{kMainWindowNumber, 0x1601002C};
inline constexpr ControlRef 画板6{kMainWindowNumber, 0x1601002D};
inline constexpr ControlRef 保存图片{kMainWindowNumber, 0x16010032};
inline constexpr ControlRef 通用对话框1{kMainWindowNumber, 0x16010033};
