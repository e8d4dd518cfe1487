#pragma once

namespace hestova::forms {

// The platform's own texts (message-box buttons, print, print set-up and preview dialogs) in Chinese, from Qt's
// catalogue "qtbase_zh_CN", whatever the system locale. Called once at start, after the application object
// exists; a second call changes nothing. A missing or unreadable catalogue raises AppError 53 and leaves the
// platform's texts in English.
void installPlatformTranslations();

}  // namespace hestova::forms
