// The program's pictures, embedded as Qt resources and loaded by numeric id.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace thalmuro {

// The picture with resource id `id` (":/bitmaps/<id>.bmp"); a null pixmap when the program
// holds no picture of that id.
QPixmap loadBitmap(int id);

// The program's icon, which every window carries.
QIcon programIcon();

}  // namespace thalmuro
