// What the user is told when the window cannot go on.
#pragma once

#include <string_view>

namespace ondrave::win32::text {

inline constexpr std::string_view kWindowNotCreated = "无法创建主窗口，程序无法继续运行。";
inline constexpr std::string_view kControlNotCreated = "无法创建窗口的控件，程序无法继续运行。";
inline constexpr std::string_view kOutOfMemory = "内存不足，程序无法继续运行。";
inline constexpr std::string_view kNoMessages = "无法读取窗口消息，程序无法继续运行。";

}  // namespace ondrave::win32::text
