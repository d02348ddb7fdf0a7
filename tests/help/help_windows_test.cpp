// Form2 and Form3: the tabbed container with its tabs and pages, the page scrolling, the
// one-instance, modeless life of the windows, and their texts and pages in either language.
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>

#include "bitmaps.h"
#include "help_windows.h"
#include "language.h"
#include "picture_box.h"
#include "shown_texts.h"
#include "tabbed_container.h"

Q_DECLARE_METATYPE(thalmuro::Language)

using thalmuro::Language;
using thalmuro::help::GeneralitiesWindow;
using thalmuro::help::InstructionsWindow;
using thalmuro::help::PictureBox;
using thalmuro::help::TabbedContainer;

namespace {

// Opens Form2 or Form3 the way the main window's menu does.
struct HelpWindows {
    QPointer<InstructionsWindow> form2;
    QPointer<GeneralitiesWindow> form3;

    QWidget* show(const QString& name) {
        if (name == QLatin1String("Form2")) return thalmuro::help::showInstructionsWindow(form2);
        return thalmuro::help::showGeneralitiesWindow(form3);
    }
    ~HelpWindows() {
        delete form2;
        delete form3;
    }
};

TabbedContainer* container(QWidget* window) {
    return window->findChild<TabbedContainer*>(QStringLiteral("SSTab1"));
}

PictureBox* picture(QWidget* window, const QString& name) {
    return window->findChild<PictureBox*>(name);
}

QScrollBar* scrollBar(QWidget* window, const QString& name) {
    return window->findChild<QScrollBar*>(name);
}

QPoint centreOf(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar).center();
}

// Chooses `tab` by clicking it, as the user does.
void clickTab(QWidget* window, int tab) {
    TabbedContainer* tabs = container(window);
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
}

void waitUntilDestroyed() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The words the window shows: its own texts and, drawn by the container, the tab captions.
QStringList shownWords(QWidget* window) {
    QStringList words = thalmuro::testing::shownTextLines(*window);
    TabbedContainer* tabs = container(window);
    for (int tab = 0; tab < tabs->count(); ++tab)
        words << QStringLiteral("tab %1: ").arg(tab) + tabs->tabCaption(tab);
    return words;
}

// The words of the window that belong to the other language than `language`: those of its
// controls, and any tab caption with a Greek letter in English or a Latin word in Greek.
QStringList otherLanguageWords(QWidget* window, Language language) {
    QStringList other = thalmuro::testing::otherLanguageTexts(*window, language);
    static const QRegularExpression latinWord(QStringLiteral("[A-Za-z]{2,}"));
    TabbedContainer* tabs = container(window);
    for (int tab = 0; tab < tabs->count(); ++tab) {
        const QString caption = tabs->tabCaption(tab);
        if (language == Language::english ? thalmuro::testing::hasGreekLetter(caption)
                                          : caption.contains(latinWord))
            other << QStringLiteral("tab %1: ").arg(tab) + caption;
    }
    return other;
}

// Whether `box` shows `picture` on the screen, from its top-left corner.
bool showsPicture(PictureBox* box, const QImage& picture) {
    const QRect area = box->rect().intersected(picture.rect());
    return box->grab().toImage().copy(area).convertToFormat(QImage::Format_RGB32) ==
           picture.copy(area).convertToFormat(QImage::Format_RGB32);
}

// Which pages hold a picture other than the one of `language` for their id.
QStringList pagesNotIn(QWidget* window, Language language) {
    QStringList wrong;
    for (PictureBox* page : window->findChildren<PictureBox*>()) {
        if (page->picture().toImage() != thalmuro::loadBitmap(page->bitmapId(), language).toImage())
            wrong << page->objectName();
    }
    return wrong;
}

}  // namespace

class HelpWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void tabsAndPages_data();
    void tabsAndPages();
    void twoRowsOfTabsInForm2();
    void choosingATabShowsOnlyItsControls();
    void tabsForAssistiveTechnology_data();
    void tabsForAssistiveTechnology();
    void scrolling_data();
    void scrolling();
    void draggedThumbMovesThePageOnRelease();
    void pagesDrawnUnscaledOnWhite();
    void pageMovedUpCoversTheTabStrip();
    void form3ShowsItsPictureBesideTheContainer();
    void openingAgainRaisesTheOpenWindow_data();
    void openingAgainRaisesTheOpenWindow();
    void reopeningStartsAfresh_data();
    void reopeningStartsAfresh();
    void eachLanguageAlone_data();
    void eachLanguageAlone();
    void switchingLanguageKeepsTabAndScroll_data();
    void switchingLanguageKeepsTabAndScroll();

    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }
};

void HelpWindowsTest::tabsAndPages_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<int>("bitmap");
    QTest::addColumn<QSize>("pictureSize");

    QTest::newRow("Form2 tab 0") << "Form2" << 0 << QString::fromUtf8("Γενικές Οδηγίες")
                                 << QStringList{"Picture1"} << 102 << QSize(608, 546);
    QTest::newRow("Form2 tab 1") << "Form2" << 1
                                 << QString::fromUtf8("Οδηγίες Συμπλήρωσης Δεδομένων")
                                 << QStringList{"Picture2", "VScroll1"} << 117 << QSize(590, 1757);
    QTest::newRow("Form2 tab 2") << "Form2" << 2 << QString::fromUtf8(" Αρχείο Αποτελεσμάτων")
                                 << QStringList{"Picture3"} << 104 << QSize(586, 359);
    QTest::newRow("Form2 tab 3") << "Form2" << 3 << QString::fromUtf8("Παροχή Υπολογισμού")
                                 << QStringList{"Picture4"} << 116 << QSize(616, 606);
    QTest::newRow("Form3 tab 0") << "Form3" << 0 << QString::fromUtf8("Γενικά για τον Διαχυτήρα")
                                 << QStringList{"Picture1", "VScroll1"} << 114 << QSize(598, 758);
    QTest::newRow("Form3 tab 1") << "Form3" << 1 << QString::fromUtf8("Τρόπος Υπολογισμού")
                                 << QStringList{"Picture2", "VScroll2"} << 115 << QSize(604, 1276);
}

void HelpWindowsTest::tabsAndPages() {
    QFETCH(QString, window);
    QFETCH(int, tab);
    QFETCH(QString, caption);
    QFETCH(QStringList, controls);
    QFETCH(int, bitmap);
    QFETCH(QSize, pictureSize);

    HelpWindows windows;
    QWidget* form = windows.show(window);
    TabbedContainer* tabs = container(form);
    QVERIFY(tabs != nullptr);
    QCOMPARE(tabs->tabCaption(tab), caption);
    QStringList names;
    for (QWidget* control : tabs->controls(tab)) {
        QCOMPARE(control->parentWidget(), tabs);
        names << control->objectName();
    }
    QCOMPARE(names, controls);
    PictureBox* page = picture(form, controls.first());
    QCOMPARE(page->bitmapId(), bitmap);
    QCOMPARE(page->picture().size(), pictureSize);
}

void HelpWindowsTest::twoRowsOfTabsInForm2() {
    HelpWindows windows;
    TabbedContainer* form2Tabs = container(windows.show(QStringLiteral("Form2")));
    QCOMPARE(form2Tabs->count(), 4);
    QCOMPARE(form2Tabs->rowCount(), 2);
    QCOMPARE(form2Tabs->currentIndex(), 0);
    // Three tabs side by side in the first row, the fourth alone below them.
    QCOMPARE(form2Tabs->tabRect(1).top(), form2Tabs->tabRect(0).top());
    QCOMPARE(form2Tabs->tabRect(2).top(), form2Tabs->tabRect(0).top());
    QVERIFY(form2Tabs->tabRect(3).top() > form2Tabs->tabRect(0).top());
    QCOMPARE(form2Tabs->tabRect(3).width(), form2Tabs->tabRect(0).width());
    // The pages start below the strip.
    QVERIFY(form2Tabs->stripHeight() <= picture(form2Tabs, QStringLiteral("Picture1"))->y());

    TabbedContainer* form3Tabs = container(windows.show(QStringLiteral("Form3")));
    QCOMPARE(form3Tabs->count(), 2);
    QCOMPARE(form3Tabs->rowCount(), 1);
    // Three to a row: two tabs fill two thirds of the strip.
    QCOMPARE(form3Tabs->tabRect(1).right() + 1, form3Tabs->width() * 2 / 3);
}

void HelpWindowsTest::choosingATabShowsOnlyItsControls() {
    HelpWindows windows;
    QWidget* form2 = windows.show(QStringLiteral("Form2"));
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    TabbedContainer* tabs = container(form2);
    QSignalSpy changes(tabs, &TabbedContainer::currentChanged);
    for (int chosen : {1, 3, 0, 2}) {
        clickTab(form2, chosen);
        QCOMPARE(tabs->currentIndex(), chosen);
        for (int tab = 0; tab < tabs->count(); ++tab) {
            for (QWidget* control : tabs->controls(tab))
                QCOMPARE(control->isVisible(), tab == chosen);
        }
    }
    QCOMPARE(changes.count(), 4);
    // Clicking the chosen tab again changes nothing.
    clickTab(form2, 2);
    QCOMPARE(changes.count(), 4);
}

void HelpWindowsTest::tabsForAssistiveTechnology_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("tabNames");
    QTest::addColumn<QStringList>("pages");  // the page of each tab
    QTest::addColumn<int>("controls");       // children of the container besides the tabs
    QTest::newRow("Form2") << "Form2"
                           << "ΟΔΗΓΙΕΣ"
                           << QStringList{"Γενικές Οδηγίες", "Οδηγίες Συμπλήρωσης Δεδομένων",
                                          "Αρχείο Αποτελεσμάτων", "Παροχή Υπολογισμού"}
                           << QStringList{"Picture1", "Picture2", "Picture3", "Picture4"} << 5;
    QTest::newRow("Form3") << "Form3"
                           << "ΓΕΝΙΚΟΤΗΤΕΣ"
                           << QStringList{"Γενικά για τον Διαχυτήρα", "Τρόπος Υπολογισμού"}
                           << QStringList{"Picture1", "Picture2"} << 4;
}

// Assistive technology finds the strip as a tab list named after the window: the tabs first,
// named by their captions, the chosen one selected, each chosen by its press action; then the
// controls, the pages among them named by their tabs' titles.
void HelpWindowsTest::tabsForAssistiveTechnology() {
    QFETCH(QString, window);
    QFETCH(QString, title);
    QFETCH(QStringList, tabNames);
    QFETCH(QStringList, pages);
    QFETCH(int, controls);

    HelpWindows windows;
    QWidget* form = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    TabbedContainer* tabs = container(form);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    QVERIFY(list != nullptr);
    QCOMPARE(list->role(), QAccessible::PageTabList);
    QCOMPARE(list->text(QAccessible::Name), title);
    QCOMPARE(list->childCount(), static_cast<int>(tabNames.size()) + controls);

    for (int k = 0; k < controls; ++k) {
        QAccessibleInterface* control = list->child(static_cast<int>(tabNames.size()) + k);
        QVERIFY(control != nullptr);
        QCOMPARE(control->object()->parent(), tabs);
        QCOMPARE(list->indexOfChild(control), static_cast<int>(tabNames.size()) + k);
    }
    for (int tab = 0; tab < tabNames.size(); ++tab) {
        auto* page = picture(form, pages[tab]);
        QCOMPARE(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Name),
                 tabNames[tab]);
        QCOMPARE(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Description),
                 pages[tab]);
    }

    // Each press chooses its tab, from the last to the first.
    for (int chosen = static_cast<int>(tabNames.size()) - 1; chosen >= 0; --chosen) {
        QAccessibleInterface* tab = list->child(chosen);
        QVERIFY(tab != nullptr);
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), tabNames[chosen]);
        QCOMPARE(tab->parent(), list);
        QCOMPARE(list->indexOfChild(tab), chosen);
        QCOMPARE(list->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
        QAccessibleActionInterface* actions = tab->actionInterface();
        QVERIFY(actions != nullptr);
        QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        actions->doAction(QAccessibleActionInterface::pressAction());

        QCOMPARE(tabs->currentIndex(), chosen);
        QVERIFY(picture(form, pages[chosen])->isVisible());
        for (int other = 0; other < tabNames.size(); ++other) {
            QCOMPARE(list->child(other)->state().selected, other == chosen);
            if (other != chosen) QVERIFY(!picture(form, pages[other])->isVisible());
        }
    }
}

void HelpWindowsTest::scrolling_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("page");
    // '+' and '-': a click on the lower or upper arrow; 'p': a click in the trough below the
    // thumb; 'D' and 'E': the Down and End keys.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("top");

    // The page stays at its starting Top 840 until the first change, which then puts it at
    // 1000 − value.
    QTest::newRow("Form2 untouched") << "Form2" << 1 << "VScroll1"
                                     << "Picture2"
                                     << "" << 100 << 840;
    QTest::newRow("Form2 down arrow") << "Form2" << 1 << "VScroll1"
                                      << "Picture2"
                                      << "+" << 1000 << 0;
    QTest::newRow("Form2 down arrow twice") << "Form2" << 1 << "VScroll1"
                                            << "Picture2"
                                            << "++" << 1900 << -900;
    QTest::newRow("Form2 up arrow first") << "Form2" << 1 << "VScroll1"
                                          << "Picture2"
                                          << "-" << 0 << 1000;
    QTest::newRow("Form2 trough") << "Form2" << 1 << "VScroll1"
                                  << "Picture2"
                                  << "p" << 1000 << 0;
    QTest::newRow("Form2 Down key") << "Form2" << 1 << "VScroll1"
                                    << "Picture2"
                                    << "D" << 1000 << 0;
    // At the end the whole page has gone above the container.
    QTest::newRow("Form2 End key") << "Form2" << 1 << "VScroll1"
                                   << "Picture2"
                                   << "E" << 30000 << -29000;
    QTest::newRow("Form3 page 114 down arrow") << "Form3" << 0 << "VScroll1"
                                               << "Picture1"
                                               << "+" << 500 << 499;
    QTest::newRow("Form3 page 114 End key") << "Form3" << 0 << "VScroll1"
                                            << "Picture1"
                                            << "E" << 5000 << -4001;
    // At 0 already: no change, so the page stays where it started.
    QTest::newRow("Form3 page 114 up arrow at the top") << "Form3" << 0 << "VScroll1"
                                                        << "Picture1"
                                                        << "-" << 0 << 480;
    QTest::newRow("Form3 page 115 down arrow") << "Form3" << 1 << "VScroll2"
                                               << "Picture2"
                                               << "+" << 500 << 150;
    QTest::newRow("Form3 page 115 up again") << "Form3" << 1 << "VScroll2"
                                             << "Picture2"
                                             << "+-" << 0 << 650;
}

void HelpWindowsTest::scrolling() {
    QFETCH(QString, window);
    QFETCH(int, tab);
    QFETCH(QString, bar);
    QFETCH(QString, page);
    QFETCH(QString, actions);
    QFETCH(int, value);
    QFETCH(int, top);

    HelpWindows windows;
    QWidget* form = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    clickTab(form, tab);
    QScrollBar* scroll = scrollBar(form, bar);
    PictureBox* box = picture(form, page);
    const int left = box->x();
    const QSize size = box->size();
    for (QChar action : actions) {
        switch (action.toLatin1()) {
            case '+':
                QTest::mouseClick(scroll, Qt::LeftButton, {},
                                  centreOf(scroll, QStyle::SC_ScrollBarAddLine));
                break;
            case '-':
                QTest::mouseClick(scroll, Qt::LeftButton, {},
                                  centreOf(scroll, QStyle::SC_ScrollBarSubLine));
                break;
            case 'p':
                QTest::mouseClick(scroll, Qt::LeftButton, {},
                                  centreOf(scroll, QStyle::SC_ScrollBarAddPage));
                break;
            case 'D':
                QTest::keyClick(scroll, Qt::Key_Down);
                break;
            case 'E':
                QTest::keyClick(scroll, Qt::Key_End);
                break;
        }
    }
    QCOMPARE(scroll->value(), value);
    QCOMPARE(box->topTwips(), top);
    QCOMPARE(box->y(), thalmuro::twipsToPixels(top));
    QCOMPARE(box->x(), left);
    QCOMPARE(box->size(), size);
}

void HelpWindowsTest::draggedThumbMovesThePageOnRelease() {
    HelpWindows windows;
    QWidget* form3 = windows.show(QStringLiteral("Form3"));
    QVERIFY(QTest::qWaitForWindowExposed(form3));
    clickTab(form3, 1);
    QScrollBar* scroll = scrollBar(form3, QStringLiteral("VScroll2"));
    PictureBox* page = picture(form3, QStringLiteral("Picture2"));

    const QPoint thumb = centreOf(scroll, QStyle::SC_ScrollBarSlider);
    const QPoint bottom(thumb.x(), scroll->height() - 1);
    QTest::mousePress(scroll, Qt::LeftButton, {}, thumb);
    QMouseEvent drag(QEvent::MouseMove, QPointF(bottom), scroll->mapToGlobal(QPointF(bottom)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(scroll, &drag);
    // The thumb is at the bottom, the page has not moved.
    QCOMPARE(scroll->sliderPosition(), 10000);
    QCOMPARE(page->topTwips(), 480);
    QTest::mouseRelease(scroll, Qt::LeftButton, {}, bottom);
    QCOMPARE(scroll->value(), 10000);
    QCOMPARE(page->topTwips(), -9350);
}

void HelpWindowsTest::pagesDrawnUnscaledOnWhite() {
    HelpWindows windows;
    QWidget* form2 = windows.show(QStringLiteral("Form2"));
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    PictureBox* box = picture(form2, QStringLiteral("Picture1"));
    const QImage shown = box->grab().toImage();
    const QImage page = thalmuro::loadBitmap(102).toImage();
    // Pixel for pixel from the top-left corner, and white where the page does not reach
    // (the box is 729 × 561 pixels, the page 608 × 546).
    for (const QPoint& at : {QPoint(0, 0), QPoint(150, 28), QPoint(300, 100), QPoint(607, 545)})
        QCOMPARE(shown.pixel(at), page.pixel(at));
    QCOMPARE(shown.pixel(700, 10), qRgb(255, 255, 255));
    QCOMPARE(shown.pixel(10, 555), qRgb(255, 255, 255));
}

void HelpWindowsTest::pageMovedUpCoversTheTabStrip() {
    HelpWindows windows;
    QWidget* form2 = windows.show(QStringLiteral("Form2"));
    QVERIFY(QTest::qWaitForWindowExposed(form2));
    clickTab(form2, 1);
    TabbedContainer* tabs = container(form2);
    QScrollBar* scroll = scrollBar(form2, QStringLiteral("VScroll1"));
    PictureBox* page = picture(form2, QStringLiteral("Picture2"));
    const QPoint onTab = tabs->tabRect(0).center();
    const QImage before = tabs->grab().toImage();
    QTest::mouseClick(scroll, Qt::LeftButton, {}, centreOf(scroll, QStyle::SC_ScrollBarAddLine));
    QCOMPARE(page->y(), 0);
    // Where the first tab was, the page now shows.
    const QImage after = tabs->grab().toImage();
    const QImage sheet = thalmuro::loadBitmap(117).toImage();
    QVERIFY(after.pixel(onTab) != before.pixel(onTab));
    QCOMPARE(after.pixel(onTab), sheet.pixel(onTab - page->pos()));
}

void HelpWindowsTest::form3ShowsItsPictureBesideTheContainer() {
    HelpWindows windows;
    auto* form3 = qobject_cast<GeneralitiesWindow*>(windows.show(QStringLiteral("Form3")));
    QVERIFY(QTest::qWaitForWindowExposed(form3));
    QCOMPARE(form3->backgroundPicture().size(), QSize(1065, 749));
    // The container overhangs the left edge; right of it the window shows picture 108 at its
    // own size from the top-left corner.
    TabbedContainer* tabs = container(form3);
    QCOMPARE(tabs->geometry(), QRect(-24, 24, 657, 1000));
    const QImage shown = form3->grab().toImage();
    const QImage background = form3->backgroundPicture().toImage();
    for (const QPoint& at : {QPoint(700, 100), QPoint(857, 634), QPoint(300, 10)})
        QCOMPARE(shown.pixel(at), background.pixel(at));
}

void HelpWindowsTest::openingAgainRaisesTheOpenWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("bar");
    QTest::newRow("Form2") << "Form2"
                           << "VScroll1";
    QTest::newRow("Form3") << "Form3"
                           << "VScroll2";
}

void HelpWindowsTest::openingAgainRaisesTheOpenWindow() {
    QFETCH(QString, window);
    QFETCH(QString, bar);
    HelpWindows windows;
    QWidget* first = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    // Modeless and without owner.
    QVERIFY(!first->isModal());
    QVERIFY(first->isWindow());
    QCOMPARE(first->parentWidget(), nullptr);
    clickTab(first, 1);
    QScrollBar* scroll = scrollBar(first, bar);
    QTest::keyClick(scroll, Qt::Key_Down);
    const int value = scroll->value();

    QWidget* second = windows.show(window);
    QCOMPARE(second, first);
    QCOMPARE(container(second)->currentIndex(), 1);
    QCOMPARE(scroll->value(), value);
    QCOMPARE(QApplication::topLevelWidgets().count(second), 1);
}

void HelpWindowsTest::reopeningStartsAfresh_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("initialValue");
    QTest::addColumn<int>("designTop");
    QTest::newRow("Form2") << "Form2"
                           << "VScroll1"
                           << "Picture2" << 100 << 840;
    QTest::newRow("Form3") << "Form3"
                           << "VScroll2"
                           << "Picture2" << 0 << 480;
}

void HelpWindowsTest::reopeningStartsAfresh() {
    QFETCH(QString, window);
    QFETCH(QString, bar);
    QFETCH(QString, page);
    QFETCH(int, initialValue);
    QFETCH(int, designTop);
    HelpWindows windows;
    QPointer<QWidget> first = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    clickTab(first, 1);
    QTest::keyClick(scrollBar(first, bar), Qt::Key_End);
    QVERIFY(first->close());
    waitUntilDestroyed();
    QVERIFY(first.isNull());

    QWidget* again = windows.show(window);
    QVERIFY(again != nullptr);
    QCOMPARE(container(again)->currentIndex(), 0);
    QCOMPARE(scrollBar(again, bar)->value(), initialValue);
    QCOMPARE(picture(again, page)->topTwips(), designTop);
}

void HelpWindowsTest::eachLanguageAlone_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("switchedWhileOpen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("secondTab");
    QTest::newRow("Form2 in English") << "Form2" << Language::english << false << "INSTRUCTIONS"
                                      << "Entering the Data";
    QTest::newRow("Form2 turned English") << "Form2" << Language::english << true << "INSTRUCTIONS"
                                          << "Entering the Data";
    QTest::newRow("Form2 in Greek")
        << "Form2" << Language::greek << false << QString::fromUtf8("ΟΔΗΓΙΕΣ")
        << QString::fromUtf8("Οδηγίες Συμπλήρωσης Δεδομένων");
    QTest::newRow("Form3 in English")
        << "Form3" << Language::english << false << "GENERAL INFORMATION"
        << "Method of Calculation";
    QTest::newRow("Form3 turned English")
        << "Form3" << Language::english << true << "GENERAL INFORMATION"
        << "Method of Calculation";
    QTest::newRow("Form3 in Greek")
        << "Form3" << Language::greek << false << QString::fromUtf8("ΓΕΝΙΚΟΤΗΤΕΣ")
        << QString::fromUtf8("Τρόπος Υπολογισμού");
}

// A window opened in a language, or turned to it while open, shows no word of the other, and its
// pages are those drawn in its language: the English pages are not the Greek ones.
void HelpWindowsTest::eachLanguageAlone() {
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(bool, switchedWhileOpen);
    QFETCH(QString, caption);
    QFETCH(QString, secondTab);

    if (!switchedWhileOpen) thalmuro::setInterfaceLanguage(language);
    HelpWindows windows;
    QWidget* form = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    if (switchedWhileOpen) thalmuro::setInterfaceLanguage(language);

    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(container(form)->tabCaption(1), secondTab);
    const QStringList other = otherLanguageWords(form, language);
    QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    const QStringList wrongPages = pagesNotIn(form, language);
    QVERIFY2(wrongPages.isEmpty(), qPrintable(wrongPages.join(u' ')));
    if (language == Language::english) {
        for (PictureBox* page : form->findChildren<PictureBox*>()) {
            QVERIFY2(page->picture().toImage() !=
                         thalmuro::loadBitmap(page->bitmapId(), Language::greek).toImage(),
                     qPrintable(page->objectName()));
        }
    }
}

void HelpWindowsTest::switchingLanguageKeepsTabAndScroll_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<QString>("page");
    QTest::newRow("Form2") << "Form2"
                           << "VScroll1"
                           << "Picture2";
    QTest::newRow("Form3") << "Form3"
                           << "VScroll2"
                           << "Picture2";
}

// Switching the language while a page is scrolled into view changes the words and the page on
// the screen, not the tab, the scroll value or where the page stands; switching back shows
// exactly the Greek words and pages again.
void HelpWindowsTest::switchingLanguageKeepsTabAndScroll() {
    QFETCH(QString, window);
    QFETCH(QString, bar);
    QFETCH(QString, page);
    HelpWindows windows;
    QWidget* form = windows.show(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));
    clickTab(form, 1);
    QScrollBar* scroll = scrollBar(form, bar);
    QTest::keyClick(scroll, Qt::Key_Down);
    QTest::keyClick(scroll, Qt::Key_Down);
    PictureBox* box = picture(form, page);
    const int value = scroll->value();
    const int top = box->topTwips();
    const QStringList greekWords = shownWords(form);

    for (const Language language : {Language::english, Language::greek}) {
        thalmuro::setInterfaceLanguage(language);
        QCOMPARE(container(form)->currentIndex(), 1);
        QCOMPARE(scroll->value(), value);
        QCOMPARE(box->topTwips(), top);
        const QStringList wrongPages = pagesNotIn(form, language);
        QVERIFY2(wrongPages.isEmpty(), qPrintable(wrongPages.join(u' ')));
        const QImage page = thalmuro::loadBitmap(box->bitmapId(), language).toImage();
        QVERIFY(showsPicture(box, page));
        if (language == Language::english)
            QVERIFY(shownWords(form) != greekWords);
        else
            QCOMPARE(shownWords(form), greekWords);
    }
}

QTEST_MAIN(HelpWindowsTest)
#include "help_windows_test.moc"
