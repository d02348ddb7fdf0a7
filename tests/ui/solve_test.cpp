// Solve from the main window: the prompts, the report file, the buttons it enables, the
// message for a report that cannot be written, and the stop button of a long balancing.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QtTest>
#include <cerrno>
#include <memory>
#include <optional>
#include <utility>

#include "main_window.h"
#include "number_locale.h"
#include "project_files.h"
#include "report_failure.h"
#include "report_files.h"
#include "thalmuro/engine.h"
#include "ui_test_support.h"
#include "window_prompts.h"

using thalmuro::MainWindow;
using thalmuro::testing::control;
using thalmuro::testing::ModalAnswerer;
using thalmuro::testing::readFile;
using thalmuro::testing::TemporaryHome;

Q_DECLARE_METATYPE(thalmuro::NumberLocale)
Q_DECLARE_METATYPE(std::error_code)

namespace {

// What a prompt showed and how it was answered.
struct PromptSeen {
    QString name, title, label, initial, ok, cancel;
    std::optional<Qt::CursorShape> cursor;
};

// How a test answers an input prompt.
enum class Reply { type, cancel, acceptOffer };

// Answers an input prompt: records it, then types `answer` and presses OK (Reply::type),
// presses "Άκυρο" (Reply::cancel), or presses OK on the answer offered (Reply::acceptOffer).
ModalAnswerer::Handler answerPrompt(PromptSeen& seen, Reply reply, const QString& answer = {}) {
    return [&seen, reply, answer](QWidget* modal) {
        auto* dialog = qobject_cast<QInputDialog*>(modal);
        if (dialog == nullptr) {
            modal->close();
            return;
        }
        seen = {dialog->objectName(), dialog->windowTitle(),  dialog->labelText(),
                dialog->textValue(),  dialog->okButtonText(), dialog->cancelButtonText(),
                std::nullopt};
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            seen.cursor = cursor->shape();
        if (reply == Reply::type) dialog->setTextValue(answer);
        const QString button =
            reply == Reply::cancel ? dialog->cancelButtonText() : dialog->okButtonText();
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == button) b->click();
        }
    };
}

// Types `answer` and presses OK, or presses "Άκυρο" when there is no answer.
ModalAnswerer::Handler answerPrompt(PromptSeen& seen, const std::optional<QString>& answer) {
    return answer ? answerPrompt(seen, Reply::type, *answer) : answerPrompt(seen, Reply::cancel);
}

// The first line (CR LF ends) where two reports differ, for the failure message.
QString firstDifference(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QByteArray left = i < a.size() ? a[i] : QByteArray("<none>");
        const QByteArray right = i < e.size() ? e[i] : QByteArray("<none>");
        if (left != right) {
            return QString("line %1:\n  written:  %2\n  expected: %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(left.toHex(' ')), QString::fromLatin1(right.toHex(' ')));
        }
    }
    return QString();
}

// Writes `problem` as a problem file; false when it cannot.
bool writeProblem(const QString& path, const thalmuro::DiffuserInput& problem) {
    const std::string text = thalmuro::problemText(problem);
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size());
}

std::error_code posixError(int error) {
    return {error, std::generic_category()};
}

// A host that stops the balancing after `stopAfter` passes.
class StopAfter : public thalmuro::BalancingProgress {
  public:
    explicit StopAfter(long stopAfter) : stopAfter_(stopAfter) {}
    bool keepBalancing(long passesRun) override { return passesRun < stopAfter_; }

  private:
    long stopAfter_;
};

// 101 risers in one section with Q = 30 m^3/s: the optimised mode lowers qc for well over a
// thousand passes.
thalmuro::DiffuserInput longBalancing() {
    thalmuro::DiffuserInput in;
    in.risers = "101";
    in.sections = "1";
    in.drho = "0,0307";
    in.total_discharge = "30";
    in.manning = "0,01";
    in.rows[0] = {"1", "101", "1,5", "8", "0,2", "0,3"};
    in.flow_mode = thalmuro::FlowMode::optimised;
    return in;
}

}  // namespace

class SolveTest : public QObject {
    Q_OBJECT

  private:
    void open(const thalmuro::NumberLocale& locale) {
        window_ = std::make_unique<MainWindow>(*state_, locale);
        window_->show();
    }
    void loadExample(const char* flowEntry) {
        auto* check4 = control<QCheckBox>(window_.get(), "Check4");
        QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
        if (flowEntry != nullptr) control<QAction>(window_.get(), flowEntry)->trigger();
    }
    void solve() { control<QPushButton>(window_.get(), "Command1")->click(); }
    bool buttonsEnabled() const {
        return control<QPushButton>(window_.get(), "Command2")->isEnabled() &&
               control<QPushButton>(window_.get(), "Command3")->isEnabled();
    }

  private slots:
    void init() {
        // A name without a folder is written to the documents folder.
        home_ = std::make_unique<TemporaryHome>();
        QVERIFY(home_->isValid());
        thalmuro::programSettings().remove(thalmuro::ReportFiles::kReportFolderKey);
        state_ = std::make_unique<thalmuro::SharedState>();
        open(thalmuro::NumberLocale::greek());
    }
    void cleanup() {
        window_.reset();
        state_.reset();
        home_.reset();
    }
    QString documents(const QString& name = QString()) const {
        return QDir::cleanPath(home_->documents() + "/" + name);
    }

    // The worked example solved with "Υπολογισμος με qc=0.95qtotal" and the offered name
    // writes the engine's golden report into the documents folder, byte for byte: typed and
    // written in Greek, in English, and in the user's regional settings, as the program starts
    // with them (on Windows from the system's regional settings, elsewhere from LC_ALL,
    // LC_NUMERIC and LANG), when they are one of the two.
    void goldenReport_data() {
        QTest::addColumn<thalmuro::NumberLocale>("locale");
        QTest::addColumn<QString>("golden");
        const auto golden = [](const thalmuro::NumberLocale& locale) {
            for (const auto& [known, file] :
                 {std::pair(thalmuro::NumberLocale::greek(), "cases/worked_example_el.txt"),
                  std::pair(thalmuro::NumberLocale::english(), "cases/worked_example_en.txt")}) {
                if (locale.decimal_separator == known.decimal_separator &&
                    locale.grouping == known.grouping) {
                    return QString(file);
                }
            }
            return QString();
        };
        for (const auto& [row, locale] :
             {std::pair("Greek", thalmuro::NumberLocale::greek()),
              std::pair("English", thalmuro::NumberLocale::english()),
              std::pair("the user's regional settings", thalmuro::systemNumberLocale())}) {
            QTest::newRow(row) << locale << golden(locale);
        }
    }
    void goldenReport() {
        QFETCH(thalmuro::NumberLocale, locale);
        QFETCH(QString, golden);
        if (golden.isEmpty()) QSKIP("the user's regional settings are neither Greek nor English");
        open(locale);
        loadExample("paroxi_me_stantar");
        PromptSeen prompt;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(prompt, QString("Δοκιμή1.txt")));
        solve();

        QCOMPARE(answerer.unexpected(), 0);
        QVERIFY(answerer.allAnswered());
        QCOMPARE(prompt.name, QString("fileNamePrompt"));
        QCOMPARE(prompt.title, QString("Εισαγωγή ονόματος αρχείου"));
        QCOMPARE(prompt.label, QString("Δώστε το όνομα της δοκιμής και την κατάληξη"));
        QCOMPARE(prompt.initial, QString("Δοκιμή1.txt"));
        QCOMPARE(prompt.ok, QString("OK"));
        QCOMPARE(prompt.cancel, QString("Άκυρο"));
        QCOMPARE(prompt.cursor, std::optional(Qt::ArrowCursor));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        const QByteArray written = readFile(documents("Δοκιμή1.txt"));
        const QByteArray expected = readFile(QString(THALMURO_TEST_DATA "/") + golden);
        QVERIFY(!expected.isEmpty());
        QVERIFY2(written == expected, qPrintable(firstDifference(written, expected)));
        QVERIFY(buttonsEnabled());
    }

    // The test scripts run the window tests in English and then in Greek regional settings,
    // and name the decimal separator each must give: settings that did not take would test one
    // format twice.
    void userSettingsAreTheRunsOwn() {
        const QByteArray decimal = qgetenv("THALMURO_USER_DECIMAL");
        if (decimal.isEmpty()) {
            QSKIP("THALMURO_USER_DECIMAL names the decimal separator of the user's settings");
        }
        QCOMPARE(thalmuro::systemNumberLocale().decimal_separator, decimal.toStdString());
    }

    // Cancel or an empty name writes nothing and says nothing; the buttons are enabled all
    // the same and stay so.
    void noReport_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("Cancel") << std::optional<QString>();
        QTest::newRow("empty name") << std::optional<QString>(QString());
    }
    void noReport() {
        QFETCH(std::optional<QString>, answer);
        loadExample(nullptr);
        PromptSeen prompt;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(prompt, answer));
        solve();
        QCOMPARE(answerer.answered(), 1);
        QCOMPARE(answerer.unexpected(), 0);
        QVERIFY(QDir(documents()).isEmpty());
        QVERIFY(buttonsEnabled());

        // Emptying the inputs does not take the buttons back.
        auto* check4 = control<QCheckBox>(window_.get(), "Check4");
        QTest::mouseClick(check4, Qt::LeftButton, {}, check4->rect().center());
        answerer.then(answerPrompt(prompt, std::nullopt));
        solve();
        QVERIFY(buttonsEnabled());
        QCOMPARE(answerer.unexpected(), 0);
    }

    // A report that cannot be written is told in an information message naming the file with
    // its folder.
    void unwritableName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("shown");  // in the documents folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing folder") << "χωρίς φάκελο/Δοκιμή1.txt"
                                        << "/χωρίς φάκελο/Δοκιμή1.txt"
                                        << "Ο φάκελος που δόθηκε δεν υπάρχει.";
        QTest::newRow("a folder") << "."
                                  << ""
                                  << "Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.";
        QTest::newRow("a missing folder ending in a separator")
            << "αναφορές/"
            << "/αναφορές/"
            << "Ο φάκελος που δόθηκε δεν υπάρχει.";
        QTest::newRow("name too long") << QString(300, 'a') + ".txt"
                                       << "/" + QString(300, 'a') + ".txt"
                                       << "Το όνομα του αρχείου είναι πολύ μεγάλο.";
    }
    void unwritableName() {
        QFETCH(QString, name);
        QFETCH(QString, shown);
        QFETCH(QString, reason);
        loadExample(nullptr);
        PromptSeen prompt;
        QString title, text;
        QStringList buttons;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(prompt, name));
        answerer.then([&](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                title = box->windowTitle();
                text = box->text();
                for (const QAbstractButton* b : box->buttons())
                    buttons << b->text();
                box->accept();
            } else {
                modal->close();
            }
        });
        solve();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(title, QString("Πληροφορία"));
        QCOMPARE(buttons, QStringList{"OK"});
        QVERIFY2(text.contains("«" + QDir::toNativeSeparators(home_->documents() + shown) + "»"),
                 qPrintable(text));
        QVERIFY2(text.endsWith(reason), qPrintable(text));
        QVERIFY(buttonsEnabled());
    }

    void reportFailureText_data() {
        QTest::addColumn<std::error_code>("error");
        QTest::addColumn<QString>("reason");
        QTest::newRow("ENOENT") << posixError(ENOENT) << "Ο φάκελος που δόθηκε δεν υπάρχει.";
        QTest::newRow("ENOTDIR") << posixError(ENOTDIR)
                                 << "Μέρος της διαδρομής που δόθηκε δεν είναι φάκελος.";
        QTest::newRow("EACCES") << posixError(EACCES)
                                << "Δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του.";
        QTest::newRow("EPERM") << posixError(EPERM)
                               << "Δεν υπάρχει δικαίωμα εγγραφής στο αρχείο ή στον φάκελό του.";
        QTest::newRow("EISDIR") << posixError(EISDIR)
                                << "Το όνομα αυτό ανήκει σε φάκελο και όχι σε αρχείο.";
        QTest::newRow("ENOSPC") << posixError(ENOSPC) << "Δεν υπάρχει ελεύθερος χώρος στον δίσκο.";
        QTest::newRow("EROFS") << posixError(EROFS) << "Ο δίσκος επιτρέπει μόνο ανάγνωση.";
        QTest::newRow("ENAMETOOLONG")
            << posixError(ENAMETOOLONG) << "Το όνομα του αρχείου είναι πολύ μεγάλο.";
        QTest::newRow("EFBIG") << posixError(EFBIG)
                               << "Το αρχείο ξεπερνά το μέγιστο μέγεθος αρχείου που επιτρέπεται.";
        QTest::newRow("ENXIO, a FIFO nobody reads")
            << posixError(ENXIO) << "Κανένα πρόγραμμα δεν διαβάζει από αυτό το αρχείο.";
        QTest::newRow("no converter")
            << std::error_code(thalmuro::EngineError::no_converter)
            << "Το σύστημα δεν έχει τη μετατροπή κειμένου στην κωδικοσελίδα Windows-1253 των "
               "αποτελεσμάτων.";
        QTest::newRow("EIO, any other")
            << posixError(EIO) << "Το αρχείο δεν ήταν δυνατό να δημιουργηθεί ή να γραφτεί.";
    }
    void reportFailureText() {
        QFETCH(std::error_code, error);
        QFETCH(QString, reason);
        QCOMPARE(thalmuro::reportFailureText("/tmp/αποτελέσματα.txt", error),
                 "Τα αποτελέσματα δεν γράφτηκαν στο αρχείο «/tmp/αποτελέσματα.txt».\n" + reason);
    }

    // In the user flow mode the ratio is asked first; its answer is read in the window's
    // number format and gives qc = x Q / N, the discharge of riser 1.
    void ratioPrompt_data() {
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<double>("ratio");
        QTest::newRow("offered 0,90") << std::optional<QString>("0,90") << 0.9;
        QTest::newRow("0.90 reads 90") << std::optional<QString>("0.90") << 90.0;
        QTest::newRow("Cancel") << std::optional<QString>() << 0.0;
    }
    void ratioPrompt() {
        QFETCH(std::optional<QString>, answer);
        QFETCH(double, ratio);
        loadExample("paroxi_kathorismeni");
        PromptSeen ratioSeen, fileSeen;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(ratioSeen, answer));
        answerer.then(answerPrompt(fileSeen, std::nullopt));
        solve();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(ratioSeen.name, QString("ratioPrompt"));
        QCOMPARE(ratioSeen.title, QString("Εισαγωγή Αναλογίας"));
        QCOMPARE(ratioSeen.label, QString(" qc=x*qtotal/Ανυψωτήρες    Δώσε το x !!ΠΡΟΣΟΧΗ!! Χ<1"));
        QCOMPARE(ratioSeen.initial, QString("0,90"));
        QCOMPARE(ratioSeen.ok, QString("OK"));
        QCOMPARE(ratioSeen.cancel, QString("Άκυρο"));
        QCOMPARE(fileSeen.name, QString("fileNamePrompt"));
        QCOMPARE(state_->results.q_riser[0], ratio * 0.3528 / 14);
        QVERIFY(buttonsEnabled());
    }

    // The ratio question offers 0,90 written in the window's format, so that OK on the offer
    // gives x = 0.90 under every setting, or the ratio saved in the problem file opened, in the
    // window's format; a file whose question was cancelled or answered empty offers 0,90.
    void ratioOffered_data() {
        const thalmuro::NumberLocale greek = thalmuro::NumberLocale::greek();
        const thalmuro::NumberLocale english = thalmuro::NumberLocale::english();
        const std::optional<QString> cancelled;
        QTest::addColumn<thalmuro::NumberLocale>("locale");
        QTest::addColumn<bool>("withFile");
        QTest::addColumn<thalmuro::NumberLocale>("fileLocale");
        QTest::addColumn<std::optional<QString>>("fileRatio");
        QTest::addColumn<QString>("offer");
        QTest::addColumn<double>("ratio");
        QTest::newRow("Greek") << greek << false << greek << cancelled << "0,90" << 0.9;
        QTest::newRow("English") << english << false << english << cancelled << "0.90" << 0.9;
        QTest::newRow("Greek, Greek file")
            << greek << true << greek << std::optional<QString>("0,8") << "0,8" << 0.8;
        QTest::newRow("English, Greek file")
            << english << true << greek << std::optional<QString>("0,75") << "0.75" << 0.75;
        QTest::newRow("Greek, English file")
            << greek << true << english << std::optional<QString>("0.7") << "0,7" << 0.7;
        QTest::newRow("Greek, file cancelled")
            << greek << true << greek << cancelled << "0,90" << 0.9;
        QTest::newRow("English, file answered empty")
            << english << true << english << std::optional<QString>("") << "0.90" << 0.9;
    }
    void ratioOffered() {
        QFETCH(thalmuro::NumberLocale, locale);
        QFETCH(bool, withFile);
        QFETCH(thalmuro::NumberLocale, fileLocale);
        QFETCH(std::optional<QString>, fileRatio);
        QFETCH(QString, offer);
        QFETCH(double, ratio);
        open(locale);
        if (withFile) {
            thalmuro::DiffuserInput problem = thalmuro::workedExample(fileLocale);
            problem.flow_mode = thalmuro::FlowMode::user;
            problem.decimal_separator = fileLocale.decimal_separator;
            if (fileRatio) problem.ratio = fileRatio->toStdString();
            const QString file = home_->documents() + "/πρόβλημα.json";
            QVERIFY(writeProblem(file, problem));
            QVERIFY(window_->projectFiles().openFile(file));
        } else {
            loadExample("paroxi_kathorismeni");
        }
        PromptSeen ratioSeen, fileSeen;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(ratioSeen, Reply::acceptOffer));
        answerer.then(answerPrompt(fileSeen, Reply::cancel));
        solve();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(ratioSeen.initial, offer);
        QCOMPARE(state_->results.q_riser[0], ratio * 0.3528 / 14);
    }

    // The next question offers the answer given last; after Cancel, an empty or a blank
    // answer it offers 0,90 again.
    void ratioOfferFollowsAnswers_data() {
        QTest::addColumn<thalmuro::NumberLocale>("locale");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::addColumn<QString>("offer");
        const thalmuro::NumberLocale greek = thalmuro::NumberLocale::greek();
        const thalmuro::NumberLocale english = thalmuro::NumberLocale::english();
        QTest::newRow("0,85") << greek << std::optional<QString>("0,85") << "0,85";
        QTest::newRow("0.6 in English") << english << std::optional<QString>("0.6") << "0.6";
        QTest::newRow("Cancel") << greek << std::optional<QString>() << "0,90";
        QTest::newRow("empty") << greek << std::optional<QString>("") << "0,90";
        QTest::newRow("blank in English") << english << std::optional<QString>("  ") << "0.90";
    }
    void ratioOfferFollowsAnswers() {
        QFETCH(thalmuro::NumberLocale, locale);
        QFETCH(std::optional<QString>, answer);
        QFETCH(QString, offer);
        open(locale);
        loadExample("paroxi_kathorismeni");
        const QString firstAnswer = QString::fromStdString(thalmuro::formatGeneral(0.5, locale));
        PromptSeen first, second, third, fileSeen;
        ModalAnswerer answerer;
        answerer.then(answerPrompt(first, Reply::type, firstAnswer));
        answerer.then(answerPrompt(fileSeen, Reply::cancel));
        answerer.then(answerPrompt(second, answer));
        answerer.then(answerPrompt(fileSeen, Reply::cancel));
        answerer.then(answerPrompt(third, Reply::acceptOffer));
        answerer.then(answerPrompt(fileSeen, Reply::cancel));
        solve();
        solve();
        solve();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(second.initial, firstAnswer);
        QCOMPARE(third.initial, offer);
    }

    // Numbers that may not read as meant are asked about once, before the ratio question:
    // each box or cell with its text, the value it reads and the value meant. «Διόρθωση»
    // writes the values meant and solves with them, «Επίλυση ως έχει» solves as typed, «Άκυρο»
    // does not solve and goes back to the first box.
    void numberQuestion_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("userMode");
        QTest::addColumn<bool>("solves");
        QTest::addColumn<QString>("discharge");  // Text5 afterwards
        QTest::addColumn<QString>("spacing");    // row 2's spacing afterwards
        QTest::addColumn<double>("q");           // Q of the results store afterwards
        QTest::newRow("Διόρθωση") << "Διόρθωση" << false << true << "0,105"
                                  << "1,5" << 0.105;
        QTest::newRow("Διόρθωση, user flow mode") << "Διόρθωση" << true << true << "0,105"
                                                  << "1,5" << 0.105;
        QTest::newRow("Επίλυση ως έχει") << "Επίλυση ως έχει" << false << true << "0.105"
                                         << "1.5" << 105.0;
        QTest::newRow("Άκυρο") << "Άκυρο" << false << false << "0.105"
                               << "1.5" << 0.0;
    }
    void numberQuestion() {
        QFETCH(QString, button);
        QFETCH(bool, userMode);
        QFETCH(bool, solves);
        QFETCH(QString, discharge);
        QFETCH(QString, spacing);
        QFETCH(double, q);
        loadExample(userMode ? "paroxi_kathorismeni" : nullptr);
        control<QLineEdit>(window_.get(), "Text5")->setText("0.105");
        control<QLineEdit>(window_.get(), "Text6")->setText("15");
        control<QLineEdit>(window_.get(), "textdxanipsotiror_1")->setText("1.5");

        QString name, text;
        QStringList buttons;
        PromptSeen ratioSeen, fileSeen;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                modal->close();
                return;
            }
            name = box->objectName();
            // Numbers and units are joined by no-break spaces.
            text = box->text().replace(QChar(0x00A0), ' ');
            QAbstractButton* chosen = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                buttons << b->text();
                if (b->text() == button) chosen = b;
            }
            if (chosen != nullptr) chosen->click();
        });
        if (userMode) answerer.then(answerPrompt(ratioSeen, QString("0,90")));
        if (solves) answerer.then(answerPrompt(fileSeen, std::nullopt));
        solve();

        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        QCOMPARE(name, QString("numberQuestion"));
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Άκυρο", "Διόρθωση", "Επίλυση ως έχει"}));
        for (const char* line :
             {"• Ολική Παροχή: «0.105» διαβάζεται 105 m³/s, έξω από το εύλογο εύρος 0,001 έως "
              "20 m³/s· με το «.» ως υποδιαστολή θα ήταν 0,105 m³/s.",
              "• Αριθμός Manning: «15» διαβάζεται 15, έξω από το εύλογο εύρος 0,008 έως 0,03.",
              "• Γραμμή 2, απόσταση ανυψωτήρων: «1.5» διαβάζεται 15 m· με το «.» ως υποδιαστολή "
              "θα ήταν 1,5 m."}) {
            QVERIFY2(text.contains(QString(line)), qPrintable(text));
        }
        // Listed in the order of the boxes, then the rows.
        QVERIFY(text.indexOf("Ολική Παροχή") < text.indexOf("Αριθμός Manning"));
        QVERIFY(text.indexOf("Αριθμός Manning") < text.indexOf("Γραμμή 2"));
        if (userMode) QCOMPARE(ratioSeen.name, QString("ratioPrompt"));
        QCOMPARE(fileSeen.name, solves ? QString("fileNamePrompt") : QString());

        QCOMPARE(control<QLineEdit>(window_.get(), "Text5")->text(), discharge);
        QCOMPARE(control<QLineEdit>(window_.get(), "textdxanipsotiror_1")->text(), spacing);
        // A value with nothing to correct to stays as typed.
        QCOMPARE(control<QLineEdit>(window_.get(), "Text6")->text(), QString("15"));
        QCOMPARE(state_->results.q_total, q);
        QCOMPARE(buttonsEnabled(), solves);
        if (!solves) {
            QCOMPARE(window_->focusWidget(), control<QLineEdit>(window_.get(), "Text5"));
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    // Nothing to correct to: the question offers no «Διόρθωση».
    void numberQuestionWithoutCorrection() {
        loadExample(nullptr);
        control<QLineEdit>(window_.get(), "Text6")->setText("15");
        QStringList buttons;
        PromptSeen fileSeen;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY(box != nullptr);
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            box->reject();
        });
        solve();
        QVERIFY(answerer.allAnswered());
        QCOMPARE(answerer.unexpected(), 0);
        buttons.sort();
        QCOMPARE(buttons, (QStringList{"Άκυρο", "Επίλυση ως έχει"}));
        QVERIFY(!buttonsEnabled());
    }

    // A balancing that outlasts the delay opens a modal progress window; its stop button ends
    // the balancing, and the results are those of the pass at which it stopped.
    void stopBalancing() {
        const thalmuro::DiffuserInput input = longBalancing();
        const thalmuro::NumberLocale greek = thalmuro::NumberLocale::greek();
        thalmuro::SharedState full;
        StopAfter never(std::numeric_limits<long>::max());
        const long fullPasses = thalmuro::Solve(input, full, greek, &never).balance.passes;
        QVERIFY(fullPasses > 1000);

        QString title, cancelText;
        Qt::WindowModality modality = Qt::NonModal;
        ModalAnswerer answerer;
        answerer.then([&](QWidget* modal) {
            auto* progress = qobject_cast<QProgressDialog*>(modal);
            if (progress == nullptr) {
                modal->close();
                return;
            }
            title = progress->windowTitle();
            modality = progress->windowModality();
            for (QPushButton* b : progress->findChildren<QPushButton*>()) {
                cancelText = b->text();
                b->click();
            }
        });
        thalmuro::SolveOutcome outcome;
        {
            thalmuro::BalancingWindow balancing(window_.get(), std::chrono::milliseconds(0));
            outcome = thalmuro::Solve(input, *state_, greek, &balancing);
        }
        QVERIFY(answerer.allAnswered());
        QCOMPARE(title, QString("Βελτιστοποίηση της παροχής"));
        QCOMPARE(cancelText, QString("Διακοπή"));
        // Modal for the whole program: no other control can be used while events go through.
        QCOMPARE(modality, Qt::ApplicationModal);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

        QVERIFY(outcome.balance.stopped_by_host);
        QVERIFY(outcome.balance.passes < fullPasses);
        thalmuro::SharedState reference;
        StopAfter stop(outcome.balance.passes);
        const thalmuro::Balance expected = thalmuro::Solve(input, reference, greek, &stop).balance;
        QCOMPARE(outcome.balance.passes, expected.passes);
        QCOMPARE(outcome.balance.qc, expected.qc);
        QCOMPARE(outcome.balance.qcalc, expected.qcalc);
        QVERIFY(state_->results.q_riser == reference.results.q_riser);
        QVERIFY(state_->results.specific_energy == reference.results.specific_energy);
    }

  private:
    std::unique_ptr<TemporaryHome> home_;
    std::unique_ptr<thalmuro::SharedState> state_;
    std::unique_ptr<MainWindow> window_;
};

QTEST_MAIN(SolveTest)
#include "solve_test.moc"
