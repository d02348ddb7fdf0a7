#include "help_windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <cstdint>
#include <utility>

#include "bitmaps.h"
#include "picture_box.h"
#include "screen_fit.h"
#include "secondary_window.h"
#include "tabbed_container.h"
#include "window_controls.h"

namespace thalmuro::help {
namespace {

// Both windows are light orange.
const QColor kLightOrange(255, 224, 192);

// Form3's background picture.
constexpr int kBackgroundBitmap = 108;

// The tab captions, which are also the titles of the tabs' pages.
const char* const kInstructionsTabs[] = {
    QT_TRANSLATE_NOOP("thalmuro::help::InstructionsWindow", "Γενικές Οδηγίες"),
    QT_TRANSLATE_NOOP("thalmuro::help::InstructionsWindow", "Οδηγίες Συμπλήρωσης Δεδομένων"),
    QT_TRANSLATE_NOOP("thalmuro::help::InstructionsWindow", " Αρχείο Αποτελεσμάτων"),
    QT_TRANSLATE_NOOP("thalmuro::help::InstructionsWindow", "Παροχή Υπολογισμού"),
};
const char* const kGeneralitiesTabs[] = {
    QT_TRANSLATE_NOOP("thalmuro::help::GeneralitiesWindow", "Γενικά για τον Διαχυτήρα"),
    QT_TRANSLATE_NOOP("thalmuro::help::GeneralitiesWindow", "Τρόπος Υπολογισμού"),
};

struct ScrollRange {
    int maximum;
    int step;  // the arrows and the trough alike
    int initial;
};

// A vertical scroll bar that moves `page`: on every change of its value the page's Top (twips
// within the container) becomes `topAtZero` − value. The page keeps its starting Top until the
// first change, so the first step may move it by more or less than the later ones. A dragged
// thumb changes the value only when it is released, so the page does not follow the drag.
QScrollBar* pageScrollBar(const QString& name, const TwipsRect& rect, const ScrollRange& range,
                          int topAtZero, PictureBox* page, QWidget* container) {
    auto* bar = placed(new QScrollBar(Qt::Vertical, container), name, rect);
    bar->setRange(0, range.maximum);
    bar->setSingleStep(range.step);
    bar->setPageStep(range.step);
    bar->setValue(range.initial);
    bar->setTracking(false);
    QObject::connect(bar, &QScrollBar::valueChanged, page, [page, topAtZero](int value) {
        // A 16-bit Top, as the page positions are held; within the scroll ranges the
        // difference always fits.
        page->setTopTwips(static_cast<std::int16_t>(topAtZero - value));
    });
    return bar;
}

// Gives each tab its caption in the interface language, and names each tab's page for assistive
// technology by that caption, which is the page's title. `context` is the window's class.
template <std::size_t count>
void captionTabs(TabbedContainer* tabs, const std::array<PictureBox*, count>& pages,
                 const char* context, const char* const (&captions)[count]) {
    for (std::size_t tab = 0; tab < count; ++tab) {
        const QString caption = QCoreApplication::translate(context, captions[tab]);
        tabs->setTabCaption(static_cast<int>(tab), caption);
        pages[tab]->setAccessibleName(caption.trimmed());
    }
}

// A window of fixed size: the pages and the container are laid out for exactly this client area.
// Its caption is set with its other texts.
void setUpFixedWindow(QWidget* window, const QString& name, int widthTwips, int heightTwips,
                      BackgroundPainter paintBackground = {}) {
    setUpWindow(window, name, QString());
    window->setAttribute(Qt::WA_DeleteOnClose);
    setClientSize(window, widthTwips, heightTwips, WindowSizing::fixed, std::move(paintBackground));
}

}  // namespace

InstructionsWindow::InstructionsWindow(QWidget* parent) : QWidget(parent) {
    setUpFixedWindow(this, QStringLiteral("Form2"), 11040, 9525);
    setBackground(this, kLightOrange);

    // The container overhangs the client area a little on the left and on the right.
    auto* tabs = tabs_ =
        placed(new TabbedContainer(4, 3, this), QStringLiteral("SSTab1"), {-240, 120, 11295, 9495});
    setBackground(tabs, kLightOrange);

    auto* generalPage = new PictureBox(QStringLiteral("Picture1"), {120, 840, 10935, 8415}, tabs);
    auto* dataEntryPage =
        new PictureBox(QStringLiteral("Picture2"), {240, 840, 10335, 30000}, tabs);
    auto* dataEntryScrollBar = pageScrollBar(QStringLiteral("VScroll1"), {10680, 840, 375, 8535},
                                             {30000, 900, 100}, 1000, dataEntryPage, tabs);
    auto* resultsFilePage =
        new PictureBox(QStringLiteral("Picture3"), {240, 840, 10575, 7815}, tabs);
    auto* dischargePage = new PictureBox(QStringLiteral("Picture4"), {360, 840, 10815, 8535}, tabs);
    tabs->addControl(0, generalPage);
    tabs->addControl(1, dataEntryPage);
    tabs->addControl(1, dataEntryScrollBar);
    tabs->addControl(2, resultsFilePage);
    tabs->addControl(3, dischargePage);
    pages_ = {generalPage, dataEntryPage, resultsFilePage, dischargePage};
    retranslate();

    generalPage->loadBitmap(102);
    dataEntryPage->loadBitmap(117);
    resultsFilePage->loadBitmap(104);
    dischargePage->loadBitmap(116);
}

void InstructionsWindow::changeEvent(QEvent* event) {
    // The pages change their pictures themselves, as the event reaches them.
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void InstructionsWindow::retranslate() {
    setWindowTitle(tr("ΟΔΗΓΙΕΣ"));
    captionTabs(tabs_, pages_, staticMetaObject.className(), kInstructionsTabs);
}

GeneralitiesWindow::GeneralitiesWindow(QWidget* parent) : QWidget(parent) {
    setUpFixedWindow(this, QStringLiteral("Form3"), 12870, 9525,
                     [this](QWidget* target) { paintPicture(target, background_, kLightOrange); });

    // The container's lower part lies below the client area; the strip right of it shows the
    // window's background picture.
    auto* tabs = tabs_ =
        placed(new TabbedContainer(2, 3, this), QStringLiteral("SSTab1"), {-360, 360, 9855, 15000});
    setBackground(tabs, tabs->palette().color(QPalette::Button));

    auto* outfallPage = new PictureBox(QStringLiteral("Picture1"), {360, 480, 9015, 15000}, tabs);
    auto* outfallScrollBar = pageScrollBar(QStringLiteral("VScroll1"), {9360, 480, 375, 8655},
                                           {5000, 500, 0}, 999, outfallPage, tabs);
    auto* methodPage = new PictureBox(QStringLiteral("Picture2"), {240, 480, 9015, 20000}, tabs);
    auto* methodScrollBar = pageScrollBar(QStringLiteral("VScroll2"), {9240, 480, 375, 8655},
                                          {10000, 500, 0}, 650, methodPage, tabs);
    tabs->addControl(0, outfallPage);
    tabs->addControl(0, outfallScrollBar);
    tabs->addControl(1, methodPage);
    tabs->addControl(1, methodScrollBar);
    pages_ = {outfallPage, methodPage};

    outfallPage->loadBitmap(114);
    methodPage->loadBitmap(115);
    retranslate();
}

void GeneralitiesWindow::changeEvent(QEvent* event) {
    // The pages change their pictures themselves, as the event reaches them.
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void GeneralitiesWindow::retranslate() {
    setWindowTitle(tr("ΓΕΝΙΚΟΤΗΤΕΣ"));
    captionTabs(tabs_, pages_, staticMetaObject.className(), kGeneralitiesTabs);
    background_ = thalmuro::loadBitmap(kBackgroundBitmap);
    update();
}

void GeneralitiesWindow::paintEvent(QPaintEvent* /*event*/) {
    // The light orange shows only where the picture, drawn at its own size, does not reach.
    paintPicture(this, background_, kLightOrange);
}

InstructionsWindow* showInstructionsWindow(QPointer<InstructionsWindow>& window) {
    return showSecondaryWindow(window);
}

GeneralitiesWindow* showGeneralitiesWindow(QPointer<GeneralitiesWindow>& window) {
    return showSecondaryWindow(window);
}

}  // namespace thalmuro::help
