// Qt's own texts in Chinese: the buttons of message boxes (确定, 取消), the file and print dialogs.
#pragma once

class QCoreApplication;

namespace qimbel {

// Loads qtbase_zh_CN from Qt's translations folder, whatever the desktop's language: Qimbel is a
// Chinese program throughout. Without the file (package qt6-translations-l10n) Qt stays English.
void InstallQtTranslations(QCoreApplication &app);

} // namespace qimbel
