#pragma once
// Qt's own dialogs (file, print, message boxes, standard buttons) in the
// user's language, from the translations Qt ships with.
class QCoreApplication;

namespace tarvo {

// Installs Qt's translation for the user's language, when there is one.
// False when none was found (the dialogs then stay in English).
bool LaadQtVertaling(QCoreApplication& app);

}  // namespace tarvo
