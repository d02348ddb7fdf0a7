// The two kinds of control of the main window that Qt lacks as such.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

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

// A label that reports a click: a press and a release of the left button on the label.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace thalmuro
