// Qt's own texts (the buttons of the file, print and message dialogs) in German.
#pragma once

class QCoreApplication;
class QTranslator;

namespace trimora {

// Loads Qt's German translations from the Qt installation, when they are there. Returns the
// installed translator (owned by `app`), or nullptr: without them Qt's texts stay English.
QTranslator* InstallGermanTranslations(QCoreApplication& app);

} // namespace trimora
