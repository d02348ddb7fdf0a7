// Form1 when it opens: state of the controls, their places and looks, and the scrolling of
// the section table.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>
#include <memory>

#include "bitmaps.h"
#include "main_window.h"
#include "twips.h"
#include "ui_test_support.h"

using thalmuro::MainWindow;
using thalmuro::testing::control;

namespace {

const QStringList kColumns{"textfn",
                           "textln",
                           "textdr_thalmuro",
                           "textdxanipsotiror",
                           "textdz_anipsotiron",
                           "textdr_anipsotiron"};
const QStringList kInformationMarks{"Label32", "Label33", "Label34",
                                    "Label35", "Label36", "Label37"};

}  // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        state_ = std::make_unique<thalmuro::SharedState>();
        window_ = std::make_unique<MainWindow>(*state_, thalmuro::NumberLocale::greek());
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() {
        window_.reset();
        state_.reset();
    }

    void startUpState() {
        // "[*]" is where the modified mark of an edited problem shows; it is not displayed.
        QCOMPARE(window_->windowTitle(), QString("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ[*]"));
        QVERIFY(!window_->isWindowModified());
        QCOMPARE(window_->centralWidget()->size(), QSize(911, 645));

        // Option1 has the focus, and with it the fitting type Sharp.
        auto* option1 = control<QRadioButton>(window_.get(), "Option1");
        QCOMPARE(QApplication::focusWidget(), option1);
        QVERIFY(option1->isChecked());
        QVERIFY(!control<QRadioButton>(window_.get(), "Option2")->isChecked());
        QCOMPARE(window_->input().fitting, thalmuro::FittingType::Sharp);

        QCOMPARE(window_->input().flow_mode, thalmuro::FlowMode::none);
        for (const char* name : {"paroxi_me_stantar", "paroxi_beltisti", "paroxi_kathorismeni"}) {
            QVERIFY2(!control<QAction>(window_.get(), name)->isChecked(), name);
        }
        QVERIFY(control<QPushButton>(window_.get(), "Command1")->isEnabled());
        QVERIFY(!control<QPushButton>(window_.get(), "Command2")->isEnabled());
        QVERIFY(!control<QPushButton>(window_.get(), "Command3")->isEnabled());
        for (const char* name : {"Check1", "Check2", "Check3", "Check4"}) {
            QVERIFY2(!control<QCheckBox>(window_.get(), name)->isChecked(), name);
        }
        const QList<QLineEdit*> boxes = window_->findChildren<QLineEdit*>();
        QCOMPARE(boxes.size(), 5 + 180);
        for (const QLineEdit* box : boxes)
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));

        auto* scroll = control<QScrollBar>(window_.get(), "VScroll1");
        QCOMPARE(scroll->minimum(), 1);
        QCOMPARE(scroll->maximum(), 11935);
        QCOMPARE(scroll->singleStep(), 100);
        QCOMPARE(scroll->pageStep(), 500);
        QCOMPARE(scroll->value(), 1);
        QCOMPARE(control<QFrame>(window_.get(), "Frame1")->y(), 33);  // Top 500 twips
    }

    // Every control is found by its name, which it also carries as accessible description;
    // the table's arrays hold 30 boxes each, row r at Top 240 + 360 (r - 1) in the frame.
    void controlNames() {
        auto* frame = control<QFrame>(window_.get(), "Frame1");
        QVERIFY(frame);
        for (const QString& column : kColumns) {
            for (int i = 0; i < 30; ++i) {
                const QString name = QString("%1_%2").arg(column).arg(i);
                auto* box = control<QLineEdit>(window_.get(), name);
                QVERIFY2(box, qPrintable(name));
                QCOMPARE(box->parentWidget(), frame);
                QCOMPARE(box->y(), 16 + 24 * i);
                QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
            }
        }
        for (int row = 1; row <= 30; ++row) {
            auto* number = control<QLabel>(frame, QString("Label%1").arg(row + 1));
            QVERIFY(number);
            QCOMPARE(number->text(), QString::number(row));
        }
        int named = 0;
        for (const QWidget* widget : window_->findChildren<QWidget*>()) {
            if (widget->accessibleDescription().isEmpty()) continue;
            QCOMPARE(widget->accessibleDescription(), widget->objectName());
            ++named;
        }
        // 6 captions, 5 boxes, 2 options, 4 aids, 6 "?", frame, scroll bar, 3 buttons, 180
        // cells, 30 row numbers, 5 menus (with "Αρχείο" and "Γλώσσα / Language"), the status
        // line, its text about skipped steps and its report line.
        QCOMPARE(named, 6 + 5 + 2 + 4 + 6 + 1 + 1 + 3 + 180 + 30 + 5 + 3);
        QCOMPARE(window_->accessibleDescription(), QString("Form1"));
    }

    void geometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label1_0") << "Label1_0" << QRect(48, 16, 89, 33) << "Πλήθος Ανυψωτήρων";
        QTest::newRow("Label1_3") << "Label1_3" << QRect(48, 136, 57, 25) << "Δρ/ρ";
        QTest::newRow("Label1_6") << "Label1_6" << QRect(8, 272, 105, 33) << "Τύπος Συναρμογής";
        QTest::newRow("Text4") << "Text4" << QRect(136, 128, 65, 33) << "";
        QTest::newRow("Option2") << "Option2" << QRect(24, 344, 73, 25) << "Bell";
        QTest::newRow("Check2") << "Check2" << QRect(32, 440, 137, 65)
                                << "Ιδια Υψομετρική διαφορά  Ανυψωτήρων για κάθε τμήμα";
        QTest::newRow("Check4") << "Check4" << QRect(24, 592, 153, 49) << "Παράδειγμα Σημειώσεων ";
        QTest::newRow("Label37") << "Label37" << QRect(584, 8, 17, 25) << "?";
        // Top 500 and height 11935 twips are not whole pixels: the edges round down.
        QTest::newRow("Frame1") << "Frame1" << QRect(216, 33, 481, 796) << "";
        QTest::newRow("VScroll1") << "VScroll1" << QRect(704, 0, 25, 737) << "";
        QTest::newRow("Command2") << "Command2" << QRect(752, 112, 113, 41)
                                  << "Γραφικές Παραστάσεις";
        QTest::newRow("textdr_anipsotiron_29")
            << "textdr_anipsotiron_29" << QRect(352, 712, 73, 19) << "";
        QTest::newRow("Label31") << "Label31" << QRect(8, 712, 17, 17) << "30";
    }
    void geometry() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        auto* widget = control<QWidget>(window_.get(), name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), pixels);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);

        // The layout is fixed: a larger window moves and resizes nothing.
        window_->resize(1400, 1100);
        QTRY_COMPARE(window_->centralWidget()->width(), 1400);
        QCOMPARE(widget->geometry(), pixels);
    }

    void appearance() {
        const auto windowColour = [&](const char* name) {
            auto* widget = control<QWidget>(window_.get(), name);
            return widget->autoFillBackground() ? widget->palette().color(widget->backgroundRole())
                                                : QColor();
        };
        QCOMPARE(windowColour("Option1"), QColor(192, 255, 255));
        QCOMPARE(windowColour("Check3"), QColor(192, 255, 255));
        QCOMPARE(windowColour("Check4"), QColor(255, 192, 192));
        QCOMPARE(windowColour("Label1_0"), QColor());  // transparent over the picture
        QCOMPARE(windowColour("Label32"), QColor());
        const QColor toolTip = QApplication::palette().color(QPalette::ToolTipBase);
        QCOMPARE(windowColour("Frame1"), toolTip);
        QCOMPARE(windowColour("Label17"), toolTip);

        const QFont caption = control<QWidget>(window_.get(), "Label1_5")->font();
        QVERIFY(caption.bold());
        QCOMPARE(caption.pointSizeF(), 9.75);
        const QFont example = control<QWidget>(window_.get(), "Check4")->font();
        QVERIFY(example.bold() && example.italic());

        auto* mark = control<QLabel>(window_.get(), "Label35");
        QCOMPARE(mark->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(mark->font().bold());
        QCOMPARE(mark->font().pointSize(), 18);
        QCOMPARE(mark->cursor().shape(), Qt::WhatsThisCursor);
    }

    // Picture 113 is drawn at its own size from the top-left corner and never scaled: in a
    // window larger than the picture the background colour shows beyond it.
    void backgroundPicture() {
        window_->resize(1400, 1200);
        QWidget* client = window_->centralWidget();
        QTRY_VERIFY(client->width() > 1280 && client->height() > 1024);
        const QImage image = client->grab().toImage();
        const QImage picture = thalmuro::loadBitmap(113).toImage();
        QCOMPARE(picture.size(), QSize(1280, 1024));
        for (const QPoint& at : {QPoint(1, 1000), QPoint(640, 1), QPoint(1279, 1023)}) {
            QCOMPARE(image.pixelColor(at), picture.pixelColor(at));
        }
        QCOMPARE(image.pixelColor(1280, 1023), QColor(192, 255, 192));
        QCOMPARE(image.pixelColor(1279, 1024), QColor(192, 255, 192));
    }

    // At the opening size rows 1 to 25 are whole inside the client area, rows 26 to 30 below
    // it.
    void visibleRows() {
        QWidget* client = window_->centralWidget();
        for (int i = 0; i < 30; ++i) {
            auto* box = control<QLineEdit>(window_.get(), QString("textfn_%1").arg(i));
            const QRect inClient(box->mapTo(client, QPoint(0, 0)), box->size());
            if (i < 25) {
                QVERIFY2(client->rect().contains(inClient), qPrintable(box->objectName()));
            } else {
                QVERIFY2(!client->rect().intersects(inClient), qPrintable(box->objectName()));
            }
        }
    }

    // A box that takes the focus in a row that is not wholly in view scrolls the table, through
    // the scroll bar, just far enough to show the whole row: its top on the client area's top
    // edge or its bottom on the lower edge. A row already in view does not move.
    void tableFollowsFocus_data() {
        QTest::addColumn<int>("startValue");
        QTest::addColumn<QString>("start");  // has the focus before
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("target");  // has the focus after
        QTest::addColumn<int>("value");
        QTest::newRow("Tab from row 25 into row 26") << 1 << "textdr_anipsotiron_24"
                                                     << "tab"
                                                     << "textfn_25" << 350;
        QTest::newRow("Tab within row 25") << 1 << "textfn_24"
                                           << "tab"
                                           << "textln_24" << 1;
        QTest::newRow("Shift+Tab from row 2 up into row 1") << 1100 << "textfn_1"
                                                            << "backtab"
                                                            << "textdr_anipsotiron_0" << 740;
        QTest::newRow("Tab from Check4 into row 1 at the maximum") << 11935 << "Check4"
                                                                   << "tab"
                                                                   << "textfn_0" << 740;
        QTest::newRow("Shift+Tab from Command1 into row 30") << 1 << "Command1"
                                                             << "backtab"
                                                             << "textdr_anipsotiron_29" << 1790;
        QTest::newRow("program focus into row 30") << 1 << "Option1"
                                                   << "focus"
                                                   << "textdr_anipsotiron_29" << 1790;
        QTest::newRow("mouse in a visible row") << 1 << "Option1"
                                                << "mouse"
                                                << "textdz_anipsotiron_10" << 1;
        QTest::newRow("mouse in a visible row, table scrolled") << 5000 << "Option1"
                                                                << "mouse"
                                                                << "textfn_14" << 5000;
    }
    void tableFollowsFocus() {
        QFETCH(int, startValue);
        QFETCH(QString, start);
        QFETCH(QString, how);
        QFETCH(QString, target);
        QFETCH(int, value);
        auto* scroll = control<QScrollBar>(window_.get(), "VScroll1");
        auto* frame = control<QFrame>(window_.get(), "Frame1");
        auto* box = control<QLineEdit>(window_.get(), target);
        QWidget* client = window_->centralWidget();
        scroll->setValue(startValue);
        auto* first = control<QWidget>(window_.get(), start);
        first->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), first);
        QCOMPARE(scroll->value(), startValue);

        if (how == "tab") {
            QTest::keyClick(first, Qt::Key_Tab);
        } else if (how == "backtab") {
            QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
        } else if (how == "focus") {
            box->setFocus(Qt::OtherFocusReason);
        } else {
            QTest::mouseClick(box, Qt::LeftButton);
        }
        QTRY_COMPARE(QApplication::focusWidget(), box);
        QCOMPARE(scroll->value(), value);
        QVERIFY(scroll->value() >= scroll->minimum() && scroll->value() <= scroll->maximum());
        QCOMPARE(frame->y(), thalmuro::twipsToPixels(500 - value));

        const QRect inClient(box->mapTo(client, QPoint(0, 0)), box->size());
        QVERIFY(client->rect().contains(inClient));
        if (value > startValue) QCOMPARE(inClient.bottom(), client->rect().bottom());
        if (value < startValue) QCOMPARE(inClient.top(), 0);
    }

    void scrolling_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("frameTop");  // pixels: floor((500 - value) / 15)
        QTest::addColumn<bool>("marksTouched");
        QTest::addColumn<bool>("marksHidden");
        QTest::newRow("minimum") << "set" << 1 << 33 << false << false;
        QTest::newRow("value 5, Top 495") << "set" << 5 << 33 << false << false;
        QTest::newRow("value 6, Top 494") << "set" << 6 << 32 << true << false;
        QTest::newRow("value 379") << "set" << 379 << 8 << true << true;
        QTest::newRow("value 380, Top 120") << "set" << 380 << 8 << true << true;
        QTest::newRow("arrow click") << "arrow" << 101 << 26 << true << false;
        QTest::newRow("trough click") << "trough" << 501 << -1 << true << true;
        QTest::newRow("down key") << "key" << 101 << 26 << true << false;
        QTest::newRow("dragged to the bottom") << "drag" << 11935 << -763 << true << true;
    }
    void scrolling() {
        QFETCH(QString, how);
        QFETCH(int, value);
        QFETCH(int, frameTop);
        QFETCH(bool, marksTouched);
        QFETCH(bool, marksHidden);
        auto* scroll = control<QScrollBar>(window_.get(), "VScroll1");
        auto* frame = control<QFrame>(window_.get(), "Frame1");
        const QRect startFrame = frame->geometry();
        if (how == "set") {
            scroll->setValue(value);
        } else if (how == "arrow") {
            scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        } else if (how == "trough") {
            scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
        } else if (how == "key") {
            scroll->setFocus();
            QTest::keyClick(scroll, Qt::Key_Down);
        } else if (how == "drag") {
            // The frame follows the thumb while it is held, before it is released.
            scroll->setSliderDown(true);
            scroll->setSliderPosition(value);
            QCOMPARE(frame->y(), frameTop);
            scroll->setSliderDown(false);
        }
        QCOMPARE(scroll->value(), value);
        QCOMPARE(frame->y(), frameTop);
        QCOMPARE(frame->x(), startFrame.x());
        QCOMPARE(frame->size(), startFrame.size());

        // The frame lies above the "?" labels, so where they overlap it covers them.
        QWidget* client = window_->centralWidget();
        for (const QString& name : kInformationMarks) {
            auto* mark = control<QLabel>(window_.get(), name);
            QVERIFY(client->children().indexOf(frame) > client->children().indexOf(mark));
            QCOMPARE(frame->geometry().intersects(mark->geometry()), marksTouched);
            QCOMPARE(frame->geometry().contains(mark->geometry()), marksHidden);
        }

        if (how == "drag") {
            // At the maximum no row of the table is left in view.
            for (const QLineEdit* box : frame->findChildren<QLineEdit*>()) {
                QVERIFY(box->mapTo(client, QPoint(0, box->height())).y() <= 0);
            }
        }
        // Back at the minimum the labels show again.
        scroll->setValue(1);
        QCOMPARE(frame->geometry(), startFrame);
    }

    // Every general box and every cell of a column tells its plausible range with the unit,
    // in the window's number format, and why.
    void plausibleRangeTips_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("range");
        QTest::newRow("Text1") << "Text1"
                               << "1 έως 101";
        QTest::newRow("Text2") << "Text2"
                               << "1 έως 30";
        QTest::newRow("Text4") << "Text4"
                               << "0,001 έως 0,05";
        QTest::newRow("Text5") << "Text5"
                               << "0,001 έως 20 m³/s";
        QTest::newRow("Text6") << "Text6"
                               << "0,008 έως 0,03";
        QTest::newRow("textfn_0") << "textfn_0"
                                  << "1 έως 101";
        QTest::newRow("textln_29") << "textln_29"
                                   << "1 έως 101";
        QTest::newRow("textdr_thalmuro_12") << "textdr_thalmuro_12"
                                            << "0,1 έως 4 m";
        QTest::newRow("textdxanipsotiror_0") << "textdxanipsotiror_0"
                                             << "0,5 έως 50 m";
        QTest::newRow("textdz_anipsotiron_29") << "textdz_anipsotiron_29"
                                               << "-5 έως 5 m";
        QTest::newRow("textdr_anipsotiron_5") << "textdr_anipsotiron_5"
                                              << "0,02 έως 1 m";
    }
    void plausibleRangeTips() {
        QFETCH(QString, box);
        QFETCH(QString, range);
        // A number and its unit are joined by a no-break space.
        const QStringList tip = control<QLineEdit>(window_.get(), box)
                                    ->toolTip()
                                    .replace(QChar(0x00A0), ' ')
                                    .split('\n');
        QCOMPARE(tip.size(), 2);
        QCOMPARE(tip[0], "Εύλογο εύρος: " + range);
        QVERIFY(!tip[1].isEmpty());
    }

  private:
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(MainWindowLayoutTest)
#include "main_window_layout_test.moc"
