// The texts of the clicker's message boxes and captions.
#pragma once

#include <string_view>

namespace ondrave::text {

inline constexpr std::string_view kSetInterval = "请设置秒数！";
inline constexpr std::string_view kCoordinateMissing = "请按下F1键获取要点击的X或Y坐标不然无法定时点击！";
inline constexpr std::string_view kLockNotice = " 上键 关闭锁定，按确定钮每次点击锁定按钮不出现此信息框";
inline constexpr std::string_view kScheduleNotice = "时间到了自动点击的时候，想关闭的话请按下F4就行了。";
inline constexpr std::string_view kScheduleUpdated = "更新成功！";
inline constexpr std::string_view kHotkeyHelp =
    "F3显示/隐藏界面\r\nF1取X、Y坐标\r\n定时点击功能关闭的时候按F4键就能关闭\r\n上键关闭锁定点击功能！";
inline constexpr std::string_view kUsageHelp =
    "用法：\r\n按F1键开启取鼠标横纵坐标功能。然后选好位置了，按F1键结束取坐标功能，X坐标和Y坐标就会显示在编辑框里";

inline constexpr std::string_view kCaptureOn = "已开启！";
inline constexpr std::string_view kCaptureOff = "已关闭！";

inline constexpr std::string_view kScheduleSet = "确定";
inline constexpr std::string_view kScheduleCancel = "取消";
inline constexpr std::string_view kScheduleCancelled = "已取消定时点击！";
inline constexpr std::string_view kSchedulePrefix = "自动点击时间为：";
inline constexpr std::string_view kHourUnit = "时";
inline constexpr std::string_view kMinuteUnit = "分";
inline constexpr std::string_view kSecondUnit = "秒";

}  // namespace ondrave::text
