// Form6, the loading-shaft window "ΦΡΕΑΤΙΟ ΦΟΡΤΙΣΗΣ": the head that the loading shaft on shore
// must provide, from the last Solve and the length and depth the user types.
#pragma once

#include <QPointer>
#include <QWidget>

#include "thalmuro/engine.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace thalmuro {

class LoadingShaftWindow : public QWidget {
    Q_OBJECT
  public:
    // `results` is the program's results store, read afresh at every press of "Υπολογισμός";
    // `numberLocale` is the regional format in which L, Zt and Δρ/ρ are read and the head is
    // written.
    LoadingShaftWindow(const DiffuserResults& results, NumberLocale numberLocale,
                       QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    // Sets every text of the window in the interface language; the typed texts and the head
    // shown stay as they are.
    void retranslate();
    void calculate();

    const DiffuserResults& results_;
    const NumberLocale numberLocale_;
    // The length L of the pipe to the shaft (Text1), the depth Zt at the outlet of the last
    // riser (Text2) and the head H the loading shaft must provide (Text3).
    QLineEdit* pipeLengthBox_ = nullptr;
    QLineEdit* depthBox_ = nullptr;
    QLineEdit* headBox_ = nullptr;
    // The window's heading (Label1), the request for more data (Label2), the captions of L
    // (Label3), Zt (Label4) and the head (Label5), and the button "Υπολογισμός" (Command1).
    QLabel* titleLabel_ = nullptr;
    QLabel* requestLabel_ = nullptr;
    QLabel* pipeLengthLabel_ = nullptr;
    QLabel* depthLabel_ = nullptr;
    QLabel* headLabel_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
};

// Shows the loading-shaft window held in `window`: creates it, with three empty boxes, when
// there is none, or brings the open one to the front with its texts. The window has no owner
// and destroys itself when closed, which clears `window`.
LoadingShaftWindow* showLoadingShaftWindow(QPointer<LoadingShaftWindow>& window,
                                           const DiffuserResults& results,
                                           const NumberLocale& numberLocale);

}  // namespace thalmuro
