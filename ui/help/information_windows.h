// Form5 "About" and Form7 "Νομογράφημα Abraham": two small windows that
// only show a picture and some text, in the interface language. Each is modal: while it is open
// no other window of the program takes input. Neither has a button; the user closes it with the
// window's close box.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>

class QLabel;

namespace thalmuro::help {

// Form5: the program's name and its credits, in white on the spheres of picture 109.
class AboutWindow : public QDialog {
    Q_OBJECT
  public:
    explicit AboutWindow(QWidget* parent = nullptr);

    // The window's background picture, drawn at its own size from the top-left corner.
    const QPixmap& backgroundPicture() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Sets the caption and the credits in the interface language, and the background picture
    // of that language.
    void retranslate();

    // Label1 (the program), Label2 (its sources), Label4 (contact), Label3 (author), Label5
    // (questions), from the top.
    std::array<QLabel*, 5> credits_;
    QPixmap background_;
};

// Form7: the Abraham nomograph (picture 110) with the paragraph that explains the Froude
// limit 10 of the graph window.
class NomographWindow : public QDialog {
    Q_OBJECT
  public:
    explicit NomographWindow(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets the caption and the explanation in the interface language.
    void retranslate();

    QLabel* explanation_;  // Label1
};

// Open the window modally over `parent` (which may be null) and return when it is closed; the
// window is destroyed then, and the next opening draws it afresh.
void showAboutWindow(QWidget* parent);
void showNomographWindow(QWidget* parent);

}  // namespace thalmuro::help
