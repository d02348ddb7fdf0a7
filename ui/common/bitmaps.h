// The program's pictures, embedded as Qt resources and loaded by numeric id.
#pragma once

#include <QPixmap>

namespace thalmuro {

// The picture with resource id `id` (":/bitmaps/<id>.bmp"); a null pixmap when the program
// holds no picture of that id.
QPixmap loadBitmap(int id);

}  // namespace thalmuro
