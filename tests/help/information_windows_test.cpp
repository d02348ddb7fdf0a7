// Form5 (About) and Form7 (the nomograph): modal for the whole program, their pictures, and
// texts that fit their labels, in either language.
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "bitmaps.h"
#include "information_windows.h"
#include "language.h"
#include "picture_box.h"
#include "shown_texts.h"

Q_DECLARE_METATYPE(thalmuro::Language)

using thalmuro::Language;
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

std::unique_ptr<QWidget> makeWindow(const QString& name) {
    if (name == QLatin1String("Form5")) return std::make_unique<AboutWindow>();
    return std::make_unique<NomographWindow>();
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
    void eachLanguageAlone_data();
    void eachLanguageAlone();

    void cleanup() { thalmuro::setInterfaceLanguage(Language::greek); }
};

void InformationWindowsTest::modalForTheWholeProgram_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Form5") << "Form5" << QString("About");
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
    QTest::addColumn<Language>("language");
    for (const auto& [language, tag] :
         {std::pair{Language::greek, "Greek"}, std::pair{Language::english, "English"}}) {
        for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
            QTest::addRow("Form5 %s %s", name, tag) << "Form5" << name << language;
        QTest::addRow("Form7 Label1 %s", tag) << "Form7"
                                              << "Label1" << language;
    }
}

void InformationWindowsTest::textsFitTheirLabels() {
    QFETCH(QString, window);
    QFETCH(QString, label);
    QFETCH(Language, language);
    // Word-wrapped in the program's fonts, every text must end inside its label.
    thalmuro::setInterfaceLanguage(language);
    const std::unique_ptr<QWidget> form = makeWindow(window);
    auto* text = form->findChild<QLabel*>(label);
    QVERIFY(text->wordWrap());
    QVERIFY2(text->heightForWidth(text->width()) <= text->height(),
             qPrintable(QStringLiteral("%1 pixels of text in %2")
                            .arg(text->heightForWidth(text->width()))
                            .arg(text->height())));
}

void InformationWindowsTest::eachLanguageAlone_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("switchedWhileOpen");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("picture");
    QTest::newRow("Form5 in English") << "Form5" << Language::english << false << "About"
                                      << "Label3"
                                      << "Author:\nthe Thalmuro project" << 109;
    QTest::newRow("Form5 turned English") << "Form5" << Language::english << true << "About"
                                          << "Label3"
                                          << "Author:\nthe Thalmuro project" << 109;
    QTest::newRow("Form5 in Greek")
        << "Form5" << Language::greek << false << QString("About") << "Label3"
        << "Author:\nthe Thalmuro project" << 109;
    QTest::newRow("Form7 in English")
        << "Form7" << Language::english << false << "Abraham Nomograph"
        << "Label1"
        << "Abraham proposed the nomograph on the right for "
           "computing the vertical mixing of the plume. The y "
           "axis shows the depth divided by the outlet diameter, "
           "the x axis the densimetric Froude number. The "
           "dilution curves clearly turn downwards for Froude "
           "numbers greater than 10. The Froude number should "
           "therefore not exceed 10."
        << 110;
    QTest::newRow("Form7 turned English")
        << "Form7" << Language::english << true << "Abraham Nomograph"
        << "Label1"
        << "" << 110;
    QTest::newRow("Form7 in Greek")
        << "Form7" << Language::greek << false << utf8("Νομογράφημα Abraham") << "Label1"
        << "" << 110;
}

// A window opened in a language, or turned to it while open, shows no word of the other but for
// names (the program's file, its issue tracker and project, Abraham, FROUDE), and the picture of
// its language. Turned back to Greek, it shows exactly its Greek texts again.
void InformationWindowsTest::eachLanguageAlone() {
    QFETCH(QString, window);
    QFETCH(Language, language);
    QFETCH(bool, switchedWhileOpen);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(int, picture);

    if (!switchedWhileOpen) thalmuro::setInterfaceLanguage(language);
    const std::unique_ptr<QWidget> form = makeWindow(window);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    const QStringList before = thalmuro::testing::shownTextLines(*form);
    if (switchedWhileOpen) thalmuro::setInterfaceLanguage(language);

    QCOMPARE(form->windowTitle(), caption);
    if (!text.isEmpty()) QCOMPARE(form->findChild<QLabel*>(label)->text(), text);
    const QStringList other = thalmuro::testing::otherLanguageTexts(
        *form, language,
        {"Thalmuro.exe", "Thalmuro issue tracker", "the Thalmuro project", "Abraham", "FROUDE"});
    QVERIFY2(other.isEmpty(), qPrintable(other.join(u'\n')));
    const QImage expected = thalmuro::loadBitmap(picture, language).toImage();
    if (auto* about = qobject_cast<AboutWindow*>(form.get()))
        QCOMPARE(about->backgroundPicture().toImage(), expected);
    else
        QCOMPARE(form->findChild<PictureBox*>(QStringLiteral("Picture1"))->picture().toImage(),
                 expected);

    if (switchedWhileOpen) {
        QVERIFY(thalmuro::testing::shownTextLines(*form) != before);
        thalmuro::setInterfaceLanguage(Language::greek);
        QCOMPARE(thalmuro::testing::shownTextLines(*form), before);
    }
}

QTEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
