// A picture box of the help windows: one of the program's pictures at its own pixel size from
// the box's top-left corner, never scaled, clipped to the box; where the picture does not reach,
// the box shows white. Its position is kept in twips so that a scroll bar can move it by the
// twips its value says. It shows its picture in the interface language, and the picture of the
// new language as soon as that changes.
#pragma once

#include <QPixmap>
#include <QWidget>

#include "twips.h"

namespace thalmuro::help {

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    // A box without picture named `name` at `rect` (twips) within `parent`.
    PictureBox(const QString& name, const TwipsRect& rect, QWidget* parent);

    // Loads the picture with resource id `id` in the interface language.
    void loadBitmap(int id);
    // The id of the picture shown, 0 before one is loaded.
    int bitmapId() const { return bitmapId_; }
    const QPixmap& picture() const { return picture_; }

    // Top in twips within the parent. Left, width and height never change.
    int topTwips() const { return rect_.top; }
    void setTopTwips(int top);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    TwipsRect rect_;
    int bitmapId_ = 0;
    QPixmap picture_;
};

}  // namespace thalmuro::help
