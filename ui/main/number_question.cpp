#include "number_question.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "window_controls.h"

namespace thalmuro {
namespace {

// The question lists this many places and counts the rest, so that it keeps within the screen.
constexpr std::size_t kListedFindings = 12;

QString number(double value, const NumberLocale& locale) {
    return QString::fromStdString(formatGeneral(value, locale));
}

// A value with its quantity's unit, when it has one, "m^3/s" written as "m³/s".
QString withUnit(double value, const PlausibleRange& range, const NumberLocale& locale) {
    const QString text = number(value, locale);
    if (range.unit == "-") return text;
    // A no-break space keeps the unit on the line of its number.
    return text + QChar(0x00A0) +
           utf8(range.unit).replace(QStringLiteral("^3"), QStringLiteral("³"));
}

QString rangeText(const PlausibleRange& range, const NumberLocale& locale) {
    return QStringLiteral("%1 έως %2")
        .arg(number(range.lower, locale), withUnit(range.upper, range, locale));
}

bool outside(double value, const PlausibleRange& range) {
    return value < range.lower || value > range.upper;
}

}  // namespace

QString findingPlace(const NumberFinding& finding) {
    const QString title = utf8(plausibleRange(finding.quantity).title);
    if (finding.row == 0) return title;
    return QStringLiteral("Γραμμή %1, %2").arg(finding.row).arg(title);
}

QString findingLine(const NumberFinding& finding, const NumberLocale& locale) {
    const PlausibleRange& range = plausibleRange(finding.quantity);
    QString line = QStringLiteral("• %1: «%2» διαβάζεται %3")
                       .arg(findingPlace(finding), QString::fromStdString(finding.text),
                            withUnit(finding.value, range, locale));
    if (outside(finding.value, range)) {
        line += QStringLiteral(", έξω από το εύλογο εύρος %1").arg(rangeText(range, locale));
    }
    if (finding.alternative) {
        line += QStringLiteral("· με το «%1» ως υποδιαστολή θα ήταν %2")
                    .arg(QString::fromStdString(locale.grouping),
                         withUnit(*finding.alternative, range, locale));
    }
    return line + QLatin1Char('.');
}

NumberAnswer askAboutNumbers(QWidget* parent, const std::vector<NumberFinding>& findings,
                             const NumberLocale& locale) {
    const bool correctable = std::any_of(findings.begin(), findings.end(),
                                         [](const NumberFinding& f) { return f.alternative; });
    QStringList lines;
    for (const NumberFinding& finding : findings)
        lines << findingLine(finding, locale);

    QString text = QStringLiteral(
                       "Κάποιοι αριθμοί ίσως δεν διαβάζονται όπως εννοήθηκαν. Με τις ρυθμίσεις "
                       "περιοχής του υπολογιστή η υποδιαστολή είναι το «%1» και το «%2» χωρίζει "
                       "τις χιλιάδες.\n\n")
                       .arg(QString::fromStdString(locale.decimal_separator),
                            QString::fromStdString(locale.grouping));
    text += QStringList(lines.mid(0, static_cast<int>(kListedFindings))).join(QLatin1Char('\n'));
    if (findings.size() > kListedFindings) {
        text += QStringLiteral("\n… και άλλα %1 πεδία.").arg(findings.size() - kListedFindings);
    }
    text += QStringLiteral("\n\n");
    if (correctable) {
        text += QStringLiteral(
                    "«Διόρθωση» γράφει στα πεδία τις τιμές με το «%1» ως υποδιαστολή και κάνει την "
                    "επίλυση. ")
                    .arg(QString::fromStdString(locale.grouping));
    }
    text += QStringLiteral(
        "«Επίλυση ως έχει» κάνει την επίλυση με τις τιμές όπως διαβάζονται. «Άκυρο» επιστρέφει "
        "στο πρώτο πεδίο χωρίς επίλυση.");

    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("numberQuestion"));
    box.setWindowTitle(QStringLiteral("Έλεγχος αριθμών"));
    box.setIcon(QMessageBox::Warning);
    box.setText(text);
    // Wide enough that most lines of the list fit on one line of the screen.
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: 46em; }"));
    box.setWindowModality(Qt::ApplicationModal);
    QPushButton* correct = nullptr;
    if (correctable) correct = box.addButton(QStringLiteral("Διόρθωση"), QMessageBox::AcceptRole);
    QPushButton* asTyped =
        box.addButton(QStringLiteral("Επίλυση ως έχει"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Άκυρο"), QMessageBox::RejectRole);
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
    const PlausibleRange& range = plausibleRange(quantity);
    return QStringLiteral("Εύλογο εύρος: %1\n%2")
        .arg(rangeText(range, locale), utf8(range.reason_greek));
}

}  // namespace thalmuro
