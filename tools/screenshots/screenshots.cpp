// Takes a picture of every window of the program in one language, for looking at them side by
// side and for comparing two builds pixel for pixel:
//
//   thalmuro_screenshots el|en FOLDER
//
// runs on the offscreen platform (or any other), fills the main window with the worked example,
// solves it, opens each secondary window from its menu entry or button, and writes one PNG per
// window, numbered in the order they open; the design-check window sizes the worked example's
// risers and applies the proposal, pictured with the main window's table after it. The text cursor
// does not blink, so that two runs draw the same pixels.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include "language.h"
#include "program.h"
#include "sizing_tab.h"
#include "ui_test_support.h"

namespace {

using thalmuro::testing::control;

class Album {
  public:
    explicit Album(QString folder) : folder_(std::move(folder)) {}

    // Saves the picture of `window` as "NN-name.png".
    void take(QWidget* window, const QString& name) {
        QCoreApplication::processEvents();
        const QString file = QDir(folder_).filePath(
            QStringLiteral("%1-%2.png").arg(++count_, 2, 10, QChar(u'0')).arg(name));
        if (!window || !window->grab().save(file)) {
            QTextStream(stderr) << "thalmuro_screenshots: no picture of " << name << '\n';
            failed_ = true;
        }
    }
    // Every page of the tab widgets of `window`, each as "name-<page>".
    void takePages(QWidget* window, const QString& name) {
        const auto tabs = window ? window->findChildren<QTabWidget*>() : QList<QTabWidget*>();
        if (tabs.isEmpty()) return take(window, name);
        for (int page = 0; page < tabs.front()->count(); ++page) {
            tabs.front()->setCurrentIndex(page);
            take(window, QStringLiteral("%1-%2").arg(name).arg(page + 1));
        }
    }
    bool failed() const { return failed_; }

  private:
    QString folder_;
    int count_ = 0;
    bool failed_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const auto language =
        arguments.size() == 3 ? thalmuro::languageOfCode(arguments[1]) : std::nullopt;
    if (!language) {
        std::fputs("usage: thalmuro_screenshots el|en FOLDER\n", stderr);
        return 2;
    }
    if (!QDir().mkpath(arguments[2])) {
        std::fputs("thalmuro_screenshots: the folder cannot be made\n", stderr);
        return 1;
    }
    thalmuro::testing::TemporaryHome home;
    QApplication::setCursorFlashTime(0);
    thalmuro::setInterfaceLanguage(*language);
    Album album(arguments[2]);

    thalmuro::Program program(thalmuro::NumberLocale::greek());
    program.start();
    thalmuro::MainWindow& main = program.mainWindow();
    main.showProblem(thalmuro::workedExample(thalmuro::NumberLocale::greek()));
    album.take(&main, QStringLiteral("main"));

    // Solve, naming the report in the prompt, of which a picture is taken first. The report goes
    // to a name of its own in the temporary folder, the same at every run, since the status line
    // shows it.
    const QString report = QDir::temp().filePath(QStringLiteral("thalmuro-screenshots.txt"));
    QFile::remove(report);
    thalmuro::testing::ModalAnswerer answers;
    answers.then([&](QWidget* prompt) {
        album.take(prompt, QStringLiteral("report-name"));
        if (auto* name = prompt->findChild<QLineEdit*>()) name->setText(report);
        static_cast<QDialog*>(prompt)->accept();
    });
    control<QPushButton>(&main, QStringLiteral("Command1"))->click();
    album.take(&main, QStringLiteral("main-solved"));

    control<QPushButton>(&main, QStringLiteral("Command2"))->click();
    album.take(program.graphWindow(), QStringLiteral("graphs"));
    answers.then([&](QWidget* nomograph) {
        album.take(nomograph, QStringLiteral("nomograph"));
        nomograph->close();
    });
    if (auto* label = control<QLabel>(program.graphWindow(), QStringLiteral("Label4")))
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
    control<QPushButton>(&main, QStringLiteral("Command3"))->click();
    album.take(program.loadingShaftWindow(), QStringLiteral("loading-shaft"));

    const auto trigger = [&](const char* entry) {
        if (auto* action = control<QAction>(&main, QString::fromLatin1(entry))) action->trigger();
    };
    trigger("provoli_anaforas");
    album.take(program.reportViewer(), QStringLiteral("report"));
    trigger("elegxos_sxediasmou");
    album.takePages(program.checksWindow(), QStringLiteral("checks"));
    if (thalmuro::ChecksWindow* checks = program.checksWindow()) {
        thalmuro::SizingTab* sizing = checks->sizingTab();
        control<QTabWidget>(checks, QStringLiteral("karteles"))->setCurrentWidget(sizing);
        QEventLoop sized;
        QObject::connect(sizing, &thalmuro::SizingTab::runFinished, &sized, &QEventLoop::quit);
        control<QPushButton>(sizing, QStringLiteral("ypologismos"))->click();
        if (sizing->running()) sized.exec();
        album.take(checks, QStringLiteral("sizing"));
        control<QPushButton>(sizing, QStringLiteral("efarmogi"))->click();
        album.take(checks, QStringLiteral("sizing-applied"));
        album.take(&main, QStringLiteral("main-sized"));
    }
    trigger("help_general");
    album.takePages(program.instructionsWindow(), QStringLiteral("instructions"));
    trigger("genika_Thalmuro");
    album.takePages(program.generalitiesWindow(), QStringLiteral("generalities"));
    answers.then([&](QWidget* about) {
        album.take(about, QStringLiteral("about"));
        about->close();
    });
    trigger("about");
    // The graph window's hydraulic profile, from its context menu, last so that the pictures
    // before it keep their numbers.
    if (auto* profile =
            control<QAction>(program.graphWindow(), QStringLiteral("ydravliki_mikotomi")))
        profile->trigger();
    album.take(program.graphWindow(), QStringLiteral("graphs-profile"));
    return album.failed() || answers.unexpected() > 0 ? 1 : 0;
}
