// The windows on POSIX systems: fonts through fontconfig, the folders of the XDG user
// directories (which follow HOME).
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QStandardPaths>

#include "desktop_platform.h"

namespace thalmuro {

QFont windowFontFace() {
    // "MS Sans Serif" where a user has it; DejaVu Sans Condensed is about as narrow, where the
    // ordinary DejaVu Sans would wrap or cut the captions. Without either, fontconfig
    // substitutes a font that covers Greek.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed")});
    return font;
}

QStringList fixedWidthFontFamilies() {
    // The fixed-width font the desktop is set to comes first: fontconfig's "monospace" unless
    // the user chose another.
    return {QFontDatabase::systemFont(QFontDatabase::FixedFont).family(),
            QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
            QStringLiteral("Noto Sans Mono")};
}

QString homeFolder() {
    return QDir::homePath();
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::string engineFileName(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace thalmuro
