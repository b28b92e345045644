#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The numbered reports of the one-based lists.
inline constexpr std::int32_t kIndexAboveCount = 1;
inline constexpr std::int32_t kIndexBelowOne = 4;
inline constexpr const char* kIndexAboveCountMessage = "数组成员引用下标超出定义范围";
inline constexpr const char* kIndexBelowOneMessage = "数组成员引用下标必须大于等于1";
inline constexpr const char* kStartupWindowFailedMessage = "载入启动窗口失败";

// The text of the run-time error box, UTF-8, with CR LF line breaks.
std::string RuntimeErrorText(std::int32_t code, std::string_view message);

// Shows the run-time error box (title "错误", no owner, one OK button), waits for the
// user, drops the exit routine and ends the process with status -1. Never returns.
[[noreturn]] void ReportRuntimeError(std::int32_t code, std::string_view message);
