// The windows on Windows: fonts that every Windows has, the user's known folder "Documents".
#include <QDir>
#include <QFontDatabase>
#include <QStandardPaths>

#include "desktop_platform.h"

namespace thalmuro {

QFont windowFontFace() {
    // "MS Sans Serif" is a bitmap font on Windows, which does not scale with the screen:
    // Microsoft Sans Serif is its outline form, of the same widths and with Greek, and Tahoma
    // and Segoe UI are about as wide. DejaVu Sans Condensed is for Wine, which sees the fonts
    // of fontconfig.
    QFont font;
    for (const QString& family :
         {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
          QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans Condensed")}) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            return font;
        }
    }
    // Qt's offscreen platform reads the fonts of its font folder from their files, where
    // DejaVu Sans Condensed is the condensed face of the family DejaVu Sans.
    font.setFamily(QStringLiteral("DejaVu Sans"));
    font.setStretch(QFont::Condensed);
    return font;
}

QStringList fixedWidthFontFamilies() {
    // Consolas and Courier New come with every Windows and carry Greek. DejaVu Sans Mono is for
    // Wine, which may have neither but sees the fonts of fontconfig, and for Qt's offscreen
    // platform.
    return {QStringLiteral("Consolas"), QStringLiteral("Courier New"),
            QStringLiteral("DejaVu Sans Mono")};
}

namespace {

// The user's folders come from the user's profile, not from the environment: HOME, which some
// shells of Unix tools set on Windows, is not the user's home there. The window tests, which
// run side by side for one user, give each test program a home folder of its own in
// THALMURO_TEST_HOME instead, with its documents folder in it, as HOME does on other systems.
QString testHome() {
    return qEnvironmentVariable("THALMURO_TEST_HOME");
}

}  // namespace

QString homeFolder() {
    const QString test = testHome();
    return test.isEmpty() ? QDir::homePath() : QDir::cleanPath(test);
}

QString documentsFolder() {
    const QString test = testHome();
    if (!test.isEmpty()) return QDir::cleanPath(test + QStringLiteral("/Documents"));
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::string engineFileName(const QString& fileName) {
    return fileName.toStdString();
}

}  // namespace thalmuro
