// The check box of the main window that Qt lacks as such.
#pragma once

#include <QCheckBox>

namespace thalmuro {

// A check box whose caption wraps onto several lines within the box's width, with the tick
// box centred vertically. The whole area of the control takes the click, caption included.
class CaptionCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit CaptionCheckBox(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

}  // namespace thalmuro
