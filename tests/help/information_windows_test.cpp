// Form5 (About) and Form7 (the nomograph): modal for the whole program, their pictures, and
// texts that fit their labels.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "information_windows.h"
#include "picture_box.h"

using thalmuro::help::AboutWindow;
using thalmuro::help::NomographWindow;
using thalmuro::help::PictureBox;

namespace {

// Runs `look` on the modal window once it is open, then closes it with its close box; returns
// whether a modal window was seen at all.
bool whileOpen(const std::function<void()>& open, const std::function<void(QWidget*)>& look) {
    bool seen = false;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer.stop();
        seen = true;
        look(modal);
        modal->close();
    });
    timer.start();
    open();
    return seen;
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

class InformationWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void modalForTheWholeProgram_data();
    void modalForTheWholeProgram();
    void aboutWindow();
    void nomographWindow();
    void textsFitTheirLabels_data();
    void textsFitTheirLabels();
};

void InformationWindowsTest::modalForTheWholeProgram_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form5") << "Form5" << utf8("Σχετικά με το Thalmuro");
    QTest::newRow("Form7") << "Form7" << utf8("Νομογράφημα Abraham");
}

void InformationWindowsTest::modalForTheWholeProgram() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    // Another window of the program, with a button that must not react meanwhile.
    QWidget other;
    auto* button = new QPushButton(QStringLiteral("x"), &other);
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QSignalSpy clicks(button, &QPushButton::clicked);
    // Through the window system, where a modal window blocks the others.
    const auto click = [&] {
        QTest::mouseClick(other.windowHandle(), Qt::LeftButton, {},
                          button->mapTo(&other, button->rect().center()));
    };

    const auto open = [&] {
        if (name == QLatin1String("Form5"))
            thalmuro::help::showAboutWindow(&other);
        else
            thalmuro::help::showNomographWindow(&other);
    };
    QPointer<QWidget> shown;
    QVERIFY(whileOpen(open, [&](QWidget* modal) {
        shown = modal;
        QCOMPARE(modal->objectName(), name);
        QCOMPARE(modal->windowTitle(), caption);
        QCOMPARE(modal->windowModality(), Qt::ApplicationModal);
        click();
    }));
    QCOMPARE(clicks.count(), 0);
    // Closed means gone: the next opening draws the window afresh.
    QVERIFY(shown.isNull());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    click();
    QCOMPARE(clicks.count(), 1);
}

void InformationWindowsTest::aboutWindow() {
    AboutWindow about;
    QCOMPARE(about.size(), QSize(556, 338));
    QCOMPARE(about.backgroundPicture().size(), QSize(640, 480));
    auto* label1 = about.findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(label1->text(), utf8("Thalmuro.exe. Πρόγραμμα υδραυλικού υπολογισμού του διαχυτήρα"));
    // White on black over the picture.
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shown = about.grab().toImage();
    const QImage background = about.backgroundPicture().toImage();
    QCOMPARE(shown.pixel(label1->geometry().bottomRight()), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(500, 300), background.pixel(500, 300));
    QCOMPARE(shown.pixel(404, 168), background.pixel(404, 168));
    for (QLabel* label : about.findChildren<QLabel*>())
        QCOMPARE(label->palette().color(label->foregroundRole()), QColor(Qt::white));
}

void InformationWindowsTest::nomographWindow() {
    NomographWindow nomograph;
    QCOMPARE(nomograph.size(), QSize(971, 547));
    QCOMPARE(nomograph.palette().color(QPalette::Window), QColor(255, 255, 192));
    auto* chart = nomograph.findChild<PictureBox*>(QStringLiteral("Picture1"));
    QCOMPARE(chart->bitmapId(), 110);
    // The chart is larger than its box, which shows its top-left 753 × 545 pixels.
    QCOMPARE(chart->picture().size(), QSize(831, 578));
    QCOMPARE(chart->size(), QSize(753, 545));
    const QString text = nomograph.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    QCOMPARE(text.size(), 395);
    QVERIFY(text.startsWith(utf8("Ο Abraham πρότεινε το νομογράφημα")));
    QVERIFY(text.contains(utf8("οι καμπύλεςτης διάλυσης")));
    QVERIFY(text.endsWith(utf8("να μην υπερβαίνει την τιμή 10. ")));
}

void InformationWindowsTest::textsFitTheirLabels_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("label");
    for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
        QTest::addRow("Form5 %s", name) << "Form5" << name;
    QTest::newRow("Form7 Label1") << "Form7"
                                  << "Label1";
}

void InformationWindowsTest::textsFitTheirLabels() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    // Word-wrapped in the program's fonts, every text must end inside its label.
    std::unique_ptr<QWidget> form;
    if (window == QLatin1String("Form5"))
        form = std::make_unique<AboutWindow>();
    else
        form = std::make_unique<NomographWindow>();
    auto* text = form->findChild<QLabel*>(label);
    QVERIFY(text->wordWrap());
    QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
             qPrintable(QStringLiteral("%1 pixels of text in %2")
                            .arg(text->heightForWidth(text->width()))
                            .arg(text->height())));
}

QTEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
