#include "language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>
#include <QTranslator>
#include <memory>

namespace thalmuro {
namespace {

// The translation of the windows' Greek texts into English, embedded at build time.
constexpr char kEnglishTranslation[] = ":/translations/thalmuro_en.qm";
// The Greek of Qt's own texts (file and print dialogs, buttons, context menus of text boxes),
// which Qt does not ship, embedded at build time.
constexpr char kQtGreekTranslation[] = ":/translations/qt_el.qm";

// The translator installed while English is shown, none while Greek is.
std::unique_ptr<QTranslator>& englishTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// The translator of Qt's own texts installed while Greek is shown, none while English is: in
// English the dialogs show Qt's own English.
std::unique_ptr<QTranslator>& qtGreekTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

// Installs the translation at `file` in `slot`, unless one is there already. A translation that
// cannot be loaded leaves the slot empty.
bool install(std::unique_ptr<QTranslator>& slot, const char* file) {
    if (slot) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QString::fromLatin1(file))) return false;
    slot = std::move(translator);
    QCoreApplication::installTranslator(slot.get());
    return true;
}

void remove(std::unique_ptr<QTranslator>& slot) {
    // Moved out first, so that the windows retranslating on the change read without it.
    const std::unique_ptr<QTranslator> removed = std::move(slot);
    if (removed) QCoreApplication::removeTranslator(removed.get());
}

// Greek is the language the program starts in: Qt's own texts are Greek from the first window
// on, in the program and in every test of its windows alike.
void showQtTextsInGreek() {
    install(qtGreekTranslator(), kQtGreekTranslation);
}
Q_COREAPP_STARTUP_FUNCTION(showQtTextsInGreek)

}  // namespace

Language interfaceLanguage() {
    return englishTranslator() ? Language::english : Language::greek;
}

void setInterfaceLanguage(Language language) {
    // Greek is shown in full once Qt's own texts are Greek too.
    const bool shown = language == interfaceLanguage() &&
                       (language == Language::english || qtGreekTranslator() != nullptr);
    if (shown) return;
    if (language == Language::english) {
        // An English translation that cannot be loaded leaves the windows in Greek rather than
        // in a mixture of both.
        if (!install(englishTranslator(), kEnglishTranslation)) return;
        remove(qtGreekTranslator());
    } else {
        remove(englishTranslator());
        install(qtGreekTranslator(), kQtGreekTranslation);
    }
    // The application posts the change to every window; delivered here, so that every open
    // window shows the new language when this returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

std::optional<Language> languageOfCode(const QString& code) {
    if (code == QLatin1String("el")) return Language::greek;
    if (code == QLatin1String("en")) return Language::english;
    return std::nullopt;
}

QString languageCode(Language language) {
    return language == Language::english ? QStringLiteral("en") : QStringLiteral("el");
}

Language savedLanguage(const QSettings& settings) {
    return languageOfCode(settings.value(QLatin1String(kLanguageKey)).toString())
        .value_or(Language::greek);
}

void saveLanguage(QSettings& settings, Language language) {
    settings.setValue(QLatin1String(kLanguageKey), languageCode(language));
}

}  // namespace thalmuro
