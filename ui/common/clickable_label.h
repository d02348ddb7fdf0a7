// A label that the user can click, as the "?" marks of the main window and the Froude limits of
// the graph window are.
#pragma once

#include <QLabel>

namespace thalmuro {

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
