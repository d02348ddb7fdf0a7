// The language of the windows: Greek, the language in which their texts are written, or
// English through the program's translation. Qt's own texts (the file and print dialogs, the
// buttons of questions, the context menus of text boxes) follow: Greek through the program's own
// translation of them, from the start, or Qt's English. The regional number format is a
// separate choice and does not follow the language.
#pragma once

#include <QString>
#include <optional>

#include "thalmuro/wording.h"

class QSettings;

namespace thalmuro {

// The settings key under which the language chosen in the menu is kept ("el" or "en").
inline constexpr char kLanguageKey[] = "language";

// The language the windows show now; Greek until another is set.
Language interfaceLanguage();

// Shows the windows in `language`: installs the English translation and removes the Greek of
// Qt's own texts, or the other way round. Every open window receives QEvent::LanguageChange
// before this returns and sets its texts again.
void setInterfaceLanguage(Language language);

// The language of a code as the command line and the settings write it: "el" or "en";
// nothing for any other text.
std::optional<Language> languageOfCode(const QString& code);
QString languageCode(Language language);

// The language kept in `settings`; Greek when none is kept or the kept one is unknown.
Language savedLanguage(const QSettings& settings);
void saveLanguage(QSettings& settings, Language language);

}  // namespace thalmuro
