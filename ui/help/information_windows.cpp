#include "information_windows.h"

#include <QCoreApplication>
#include <QEvent>
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

// The About window's labels, from the top, with their texts. Each line break starts the next
// item of a text on a line of its own.
struct Credit {
    const char* name;
    TwipsRect rect;
    const char* text;
};
const Credit kCredits[] = {
    {"Label1",
     {0, 0, 3375, 495},
     QT_TRANSLATE_NOOP("thalmuro::help::AboutWindow",
                       "Thalmuro.exe. Πρόγραμμα υδραυλικού υπολογισμού του διαχυτήρα")},
    {"Label2",
     {0, 480, 4455, 975},
     QT_TRANSLATE_NOOP("thalmuro::help::AboutWindow",
                       "Τα κείμενα, οι εξισώσεις και οι μέθοδοι υπολογισμού του προγράμματος "
                       "ακολουθούν την κλασική μέθοδο υδραυλικού υπολογισμού πολύθυρων "
                       "διαχυτήρων θαλάσσιων αγωγών διάθεσης.")},
    {"Label4",
     {0, 1560, 2415, 495},
     QT_TRANSLATE_NOOP("thalmuro::help::AboutWindow", "Επικοινωνία:\nThalmuro issue tracker")},
    {"Label3",
     {0, 2040, 2655, 855},
     QT_TRANSLATE_NOOP("thalmuro::help::AboutWindow", "Author:\nthe Thalmuro project")},
    {"Label5",
     {0, 3000, 2295, 735},
     QT_TRANSLATE_NOOP("thalmuro::help::AboutWindow",
                       "Για απορίες, προβλήματα τεχνικής φύσεως:\nThalmuro issue tracker")},
};

}  // namespace

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setUpDialog(this, QStringLiteral("Form5"), QString(), 8340, 5070,
                [this](QWidget* target) { paintPicture(target, background_, Qt::black); });

    // White text on opaque black.
    for (std::size_t i = 0; i < credits_.size(); ++i) {
        QLabel* label =
            plainLabel(QString(), QLatin1String(kCredits[i].name), kCredits[i].rect, this);
        setBackground(label, Qt::black);
        setTextColour(label, Qt::white);
        credits_[i] = label;
    }
    retranslate();
}

void AboutWindow::paintEvent(QPaintEvent* /*event*/) {
    // Black where the picture, drawn at its own size, does not reach (it is larger than the
    // window, so nowhere).
    paintPicture(this, background_, Qt::black);
}

void AboutWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void AboutWindow::retranslate() {
    setWindowTitle(tr("About"));
    for (std::size_t i = 0; i < credits_.size(); ++i)
        credits_[i]->setText(tr(kCredits[i].text));
    background_ = thalmuro::loadBitmap(kAboutBackgroundBitmap);
    update();
}

NomographWindow::NomographWindow(QWidget* parent) : QDialog(parent) {
    setUpDialog(this, QStringLiteral("Form7"), QString(), 14565, 8205);
    setBackground(this, kLightYellow);

    auto* nomograph = new PictureBox(QStringLiteral("Picture1"), {3240, 0, 11295, 8175}, this);
    explanation_ = plainLabel(QString(), QStringLiteral("Label1"), {120, 120, 3015, 2655}, this);
    retranslate();
    nomograph->loadBitmap(kNomographBitmap);
}

void NomographWindow::changeEvent(QEvent* event) {
    // The nomograph changes its picture itself, as the event reaches it.
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void NomographWindow::retranslate() {
    setWindowTitle(tr("Νομογράφημα Abraham"));
    // The Greek paragraph stands exactly as worded, without blanks after its inner full stops.
    explanation_->setText(
        tr("Ο Abraham πρότεινε το νομογράφημα που υπάρχει δεξια για τον υπολογισμό "
           "της κατακόρυφης ανάμειξης του πλουμίου.Στον άξονα y είναι το βάθος δια "
           "την διάμετρο της εκροής και στον άξονα x ο πυκνομετρικός αριθμός "
           "FROUDE.Είναι εμφανές ότι οι καμπύλεςτης διάλυσης αλλάζουν μονοτονία "
           "(προς τα κάτω) για τιμές του Froude μεγαλύτερες από 10.Γι' αυτό λοιπόν "
           "συνίσται ο Froude να μην υπερβαίνει την τιμή 10. "));
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
