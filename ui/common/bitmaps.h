// The program's pictures, embedded as Qt resources and loaded by numeric id.
#pragma once

#include <QIcon>
#include <QPixmap>

#include "thalmuro/wording.h"

namespace thalmuro {

// The picture with resource id `id` in `language`. The pictures that hold words come in both
// languages: the Greek one as ":/bitmaps/<id>.bmp", the English one as ":/bitmaps/en/<id>.bmp".
// A picture without words exists once, as ":/bitmaps/<id>.bmp", and serves both. A null pixmap
// when the program holds no picture of that id.
QPixmap loadBitmap(int id, Language language);

// The picture with resource id `id` in the language the windows show now.
QPixmap loadBitmap(int id);

// The program's icon, which every window carries.
QIcon programIcon();

}  // namespace thalmuro
