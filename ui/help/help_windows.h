// Form2 "ΟΔΗΓΙΕΣ" and Form3 "ΓΕΝΙΚΟΤΗΤΕΣ": the instructions and the background of the method,
// as pages of pictures in a tabbed container. Pages taller than the window move up and down
// with a scroll bar beside them. Both windows are modeless and have no owner; each destroys
// itself, with its tab and scroll state, when closed. They show their captions and pages in the
// interface language and change both, keeping the tab and the scroll places, when it changes.
#pragma once

#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <array>

namespace thalmuro::help {

class PictureBox;
class TabbedContainer;

// Form2: general instructions (page 102), filling in the data (117, scrolled by VScroll1), the
// results file (104) and the calculation discharge (116), on four tabs in two rows.
class InstructionsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit InstructionsWindow(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets the caption and the tab captions in the interface language.
    void retranslate();

    TabbedContainer* tabs_;             // SSTab1
    std::array<PictureBox*, 4> pages_;  // Picture1 … Picture4, the page of each tab
};

// Form3: the submarine outfall system (page 114, VScroll1) and the method of calculation (115,
// VScroll2), on two tabs, beside the decorative picture 108.
class GeneralitiesWindow : public QWidget {
    Q_OBJECT
  public:
    explicit GeneralitiesWindow(QWidget* parent = nullptr);

    // The window's background picture, drawn at its own size from the top-left corner.
    const QPixmap& backgroundPicture() const { return background_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Sets the caption and the tab captions in the interface language, and the background
    // picture of that language.
    void retranslate();

    TabbedContainer* tabs_;             // SSTab1
    std::array<PictureBox*, 2> pages_;  // Picture1 and Picture2, the page of each tab
    QPixmap background_;
};

// Shows the window held in `window`: creates it, at its first tab with its pages at their
// starting places, when there is none; otherwise brings the open one to the front as it is.
// Closing the window destroys it, which clears `window`.
InstructionsWindow* showInstructionsWindow(QPointer<InstructionsWindow>& window);
GeneralitiesWindow* showGeneralitiesWindow(QPointer<GeneralitiesWindow>& window);

}  // namespace thalmuro::help
