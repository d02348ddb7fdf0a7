#include "number_question.h"

#include <QCoreApplication>

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "language.h"
#include "thalmuro/wording.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The question lists this many places and counts the rest, so that it keeps within the screen.
constexpr std::size_t kListedFindings = 12;

}  // namespace

QString findingLine(const NumberFinding& finding, const NumberLocale& locale) {
    return QStringLiteral("• ") +
           QString::fromStdString(wordNumberFinding(finding, interfaceLanguage(), locale)) +
           QLatin1Char('.');
}

NumberAnswer askAboutNumbers(QWidget* parent, const std::vector<NumberFinding>& findings,
                             const NumberLocale& locale) {
    const bool correctable = std::any_of(findings.begin(), findings.end(),
                                         [](const NumberFinding& f) { return f.alternative; });
    QStringList lines;
    for (const NumberFinding& finding : findings)
        lines << findingLine(finding, locale);

    QString text = QCoreApplication::translate(
                       "thalmuro::NumberQuestion",
                       "Κάποιοι αριθμοί ίσως δεν διαβάζονται όπως εννοήθηκαν. Με τις ρυθμίσεις "
                       "περιοχής του υπολογιστή η υποδιαστολή είναι το «%1» και το «%2» χωρίζει "
                       "τις χιλιάδες.\n\n")
                       .arg(QString::fromStdString(locale.decimal_separator),
                            QString::fromStdString(locale.grouping));
    text += QStringList(lines.mid(0, static_cast<int>(kListedFindings))).join(QLatin1Char('\n'));
    if (findings.size() > kListedFindings) {
        text += QCoreApplication::translate("thalmuro::NumberQuestion", "\n… και άλλα %1 πεδία.")
                    .arg(findings.size() - kListedFindings);
    }
    text += QStringLiteral("\n\n");
    if (correctable) {
        text += QCoreApplication::translate(
                    "thalmuro::NumberQuestion",
                    "«Διόρθωση» γράφει στα πεδία τις τιμές με το «%1» ως υποδιαστολή και κάνει την "
                    "επίλυση. ")
                    .arg(QString::fromStdString(locale.grouping));
    }
    text += QCoreApplication::translate(
        "thalmuro::NumberQuestion",
        "«Επίλυση ως έχει» κάνει την επίλυση με τις τιμές όπως διαβάζονται. «Άκυρο» επιστρέφει "
        "στο πρώτο πεδίο χωρίς επίλυση.");

    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("numberQuestion"));
    box.setWindowTitle(QCoreApplication::translate("thalmuro::NumberQuestion", "Έλεγχος αριθμών"));
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    // Wide enough that most lines of the list fit on one line of the screen.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 46em; }"));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* correct = nullptr;
    if (correctable) {
        correct = box.addButton(QCoreApplication::translate("thalmuro::NumberQuestion", "Διόρθωση"),
                                QMessageBox::AcceptRole);
    }
    QPushButton* asTyped =
        box.addButton(QCoreApplication::translate("thalmuro::NumberQuestion", "Επίλυση ως έχει"),
                      QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(
        QCoreApplication::translate("thalmuro::NumberQuestion", "Άκυρο"), QMessageBox::RejectRole);
    box.setDefaultButton(correct != nullptr ? correct : cancel);
    box.setEscapeButton(cancel);

    // The user is asked, not kept waiting: the ordinary pointer while the question is open.
    QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QGuiApplication::restoreOverrideCursor();
    const QAbstractButton* pressed = box.clickedButton();
    if (pressed != nullptr && pressed == correct) return NumberAnswer::correct;
    if (pressed == asTyped) return NumberAnswer::solveAsTyped;
    return NumberAnswer::cancel;
}

QString plausibleRangeTip(InputQuantity quantity, const NumberLocale& locale) {
    const Language language = interfaceLanguage();
    return QCoreApplication::translate("thalmuro::MainWindow", "Εύλογο εύρος: %1\n%2")
        .arg(QString::fromStdString(plausibleRangeText(quantity, language, locale)),
             QString::fromStdString(plausibleReason(quantity, language)));
}

}  // namespace thalmuro
