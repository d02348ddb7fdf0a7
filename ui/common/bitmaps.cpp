#include "bitmaps.h"

#include <QString>

namespace thalmuro {

QPixmap loadBitmap(int id) {
    // The reader recognises a picture by its content, so a resource keeps its ".bmp" name
    // whatever format it is stored in.
    return QPixmap(QStringLiteral(":/bitmaps/%1.bmp").arg(id));
}

QIcon programIcon() {
    return QIcon(QStringLiteral(":/bitmaps/icon.png"));
}

}  // namespace thalmuro
