// Qt's own texts (context menus, message-box buttons) in Chinese, like the rest of the interface.
#pragma once

class QCoreApplication;

namespace QtTranslation {

// Loads Qt's Chinese translation from Qt's translations folder into app, whatever the user's locale; false when it
// is not installed (Debian package qt6-translations-l10n), and Qt's texts stay English.
bool installChinese(QCoreApplication &app);

} // namespace QtTranslation
