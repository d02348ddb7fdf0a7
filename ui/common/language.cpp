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

// The translator installed while English is shown, none while Greek is.
std::unique_ptr<QTranslator>& englishTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

Language interfaceLanguage() {
    return englishTranslator() ? Language::english : Language::greek;
}

void setInterfaceLanguage(Language language) {
    if (language == interfaceLanguage()) return;
    std::unique_ptr<QTranslator>& installed = englishTranslator();
    if (language == Language::english) {
        auto translator = std::make_unique<QTranslator>();
        // An English translation that cannot be loaded leaves the windows in Greek rather than
        // in a mixture of both.
        if (!translator->load(QString::fromLatin1(kEnglishTranslation))) return;
        installed = std::move(translator);
        QCoreApplication::installTranslator(installed.get());
    } else {
        // Moved out first, so that the windows retranslating on the change read Greek.
        const std::unique_ptr<QTranslator> removed = std::move(installed);
        QCoreApplication::removeTranslator(removed.get());
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
