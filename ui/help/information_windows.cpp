#include "information_windows.h"

#include <QLabel>
#include <utility>

#include "bitmaps.h"
#include "picture_box.h"
#include "screen_fit.h"
#include "window_controls.h"

namespace thalmuro::help {
namespace {

constexpr int kAboutBackgroundBitmap = 109;
constexpr int kNomographBitmap = 110;

// The nomograph window is light yellow.
const QColor kLightYellow(255, 255, 192);

// A dialog of fixed size with its name and caption, modal for the whole program.
void setUpDialog(QDialog* dialog, const QString& name, const QString& caption, int widthTwips,
                 int heightTwips, BackgroundPainter paintBackground = {}) {
    setUpWindow(dialog, name, caption);
    dialog->setWindowModality(Qt::ApplicationModal);
    setClientSize(dialog, widthTwips, heightTwips, WindowSizing::fixed, std::move(paintBackground));
}

// A wrapped label whose text is shown as it is written, never read as markup.
QLabel* plainLabel(const QString& text, const QString& name, const TwipsRect& rect,
                   QWidget* parent) {
    QLabel* label = wrappedLabel(text, name, rect, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setUpDialog(this, QStringLiteral("Form5"), QStringLiteral("About"), 8340, 5070,
                [this](QWidget* target) { paintPicture(target, background_, Qt::black); });

    struct Text {
        const char* name;
        TwipsRect rect;
        const char* text;
    };
    // Each line break starts the next item of a text on a line of its own.
    const Text texts[] = {
        {"Label1",
         {0, 0, 3375, 495},
         "Thalmuro.exe. Πρόγραμμα υδραυλικού υπολογισμού του διαχυτήρα"},
        {"Label2",
         {0, 480, 4455, 975},
         "Τα κείμενα, οι εξισώσεις και οι μέθοδοι υπολογισμού του προγράμματος ακολουθούν την "
         "κλασική μέθοδο υδραυλικού υπολογισμού πολύθυρων διαχυτήρων θαλάσσιων αγωγών "
         "διάθεσης."},
        {"Label4", {0, 1560, 2415, 495}, "Επικοινωνία:\nThalmuro issue tracker"},
        {"Label3", {0, 2040, 2655, 855}, "Author:\nthe Thalmuro project"},
        {"Label5",
         {0, 3000, 2295, 735},
         "Για απορίες, προβλήματα τεχνικής φύσεως:\nThalmuro issue tracker"},
    };
    // White text on opaque black.
    for (const Text& text : texts) {
        QLabel* label = plainLabel(utf8(text.text), QLatin1String(text.name), text.rect, this);
        setBackground(label, Qt::black);
        setTextColour(label, Qt::white);
    }

    background_ = thalmuro::loadBitmap(kAboutBackgroundBitmap);
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
    // Black where the picture, drawn at its own size, does not reach (it is larger than the
    // window, so nowhere).
    paintPicture(this, background_, Qt::black);
}

NomographWindow::NomographWindow(QWidget* parent) : QDialog(parent) {
    setUpDialog(this, QStringLiteral("Form7"), utf8("Νομογράφημα Abraham"), 14565, 8205);
    setBackground(this, kLightYellow);

    auto* nomograph = new PictureBox(QStringLiteral("Picture1"), {3240, 0, 11295, 8175}, this);
    // The paragraph stands exactly as worded, without blanks after its inner full stops.
    plainLabel(utf8("Ο Abraham πρότεινε το νομογράφημα που υπάρχει δεξια για τον υπολογισμό "
                    "της κατακόρυφης ανάμειξης του πλουμίου.Στον άξονα y είναι το βάθος δια "
                    "την διάμετρο της εκροής και στον άξονα x ο πυκνομετρικός αριθμός "
                    "FROUDE.Είναι εμφανές ότι οι καμπύλεςτης διάλυσης αλλάζουν μονοτονία "
                    "(προς τα κάτω) για τιμές του Froude μεγαλύτερες από 10.Γι' αυτό λοιπόν "
                    "συνίσται ο Froude να μην υπερβαίνει την τιμή 10. "),
               QStringLiteral("Label1"), {120, 120, 3015, 2655}, this);
    nomograph->loadBitmap(kNomographBitmap);
}

void showAboutWindow(QWidget* parent) {
    AboutWindow window(parent);
    window.exec();
}

void showNomographWindow(QWidget* parent) {
    NomographWindow window(parent);
    window.exec();
}

}  // namespace thalmuro::help
