// A push button whose caption wraps, for the narrow buttons of the windows.
#pragma once

#include <QPushButton>

namespace thalmuro {

// A push button whose caption wraps onto a second line when it is wider than the button, as
// "Γραφικές Παραστάσεις" and "Ταχύτητα Διαχυτήρα" do on their buttons.
class CaptionButton : public QPushButton {
  public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace thalmuro
