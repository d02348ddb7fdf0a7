// What the windows ask of the system they run on: one file per system, desktop_platform_posix.cpp
// and desktop_platform_windows.cpp, chosen by the build.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>
#include <string>

namespace thalmuro {

// The face of the windows' captions and boxes, without its size. The windows are laid out for
// "MS Sans Serif", 8.25 pt; where the system has no font of that name that it can scale, one of
// about its width that covers Greek takes its place.
QFont windowFontFace();

// Fixed-width families that cover Greek, first choice first, for text laid out in columns of
// characters such as the report's.
QStringList fixedWidthFontFamilies();

// The user's home folder, where the file dialogs start when nothing else says where.
QString homeFolder();

// The user's documents folder, where a report named without a folder goes when nothing else
// says where; empty when the system names none.
QString documentsFolder();

// `fileName` as the engine's file functions take it: the bytes of the name in the file system
// on POSIX systems, UTF-8 on Windows (where the system's code page would turn a Greek letter of
// a Latin code page, or any letter outside the user's code page, into "?").
std::string engineFileName(const QString& fileName);

}  // namespace thalmuro
