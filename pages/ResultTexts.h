// Fixed texts that the problem pages put into the text box.
#pragma once

namespace qimbel {

// Placed before each worked solution; everything from the first "----" counts as old results.
inline constexpr const char *kResultHeader = "\r\n---------------------------------------------\r\n解题过程:\r\n";

// Old results start at the first of these.
inline constexpr const char *kResultMark = "----";

// Appended by the check of page 130 when the text holds a "÷".
inline constexpr const char *kDivisionNoticeLong
    = "\r\n---------------------------------------------\r\n注意：\r\n在算式检测时，可能将“/”替换为“÷”，\r\n如果是分号，请手动将“÷”修改为“/”.";

// The same notice on pages 133, 134 and 135.
inline constexpr const char *kDivisionNoticeShort
    = "\r\n--------\r\n注意：\r\n在算式检测时，可能将“/”替换为“÷”，\r\n如果是分号，请手动将“÷”修改为“/”.";

} // namespace qimbel
