#include "check_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTableWidgetItem>

#include "language.h"

namespace thalmuro {
namespace {

QString worded(const std::string& text) {
    return QString::fromStdString(text);
}

// "1–3, 5, 7–9": consecutive numbers joined into ranges.
QString numberRanges(const std::vector<int>& numbers) {
    QStringList parts;
    for (std::size_t i = 0; i < numbers.size();) {
        std::size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        parts << (j == i ? QString::number(numbers[i])
                         : QStringLiteral("%1–%2").arg(numbers[i]).arg(numbers[j]));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

}  // namespace

VerdictLook verdictLook(Verdict verdict) {
    const QString word = worded(verdictWord(verdict, interfaceLanguage()));
    switch (verdict) {
        case Verdict::holds:
            return {QStringLiteral("✔"), word, QColor(200, 235, 200), QColor(20, 90, 20)};
        case Verdict::warning:
            return {QStringLiteral("⚠"), word, QColor(255, 221, 150), QColor(120, 60, 0)};
        case Verdict::not_judged:
            break;
    }
    return {QStringLiteral("–"), word, QColor(225, 225, 225), QColor(80, 80, 80)};
}

QString verdictCaption(Verdict verdict) {
    const VerdictLook look = verdictLook(verdict);
    return look.symbol + QLatin1Char(' ') + look.word;
}

QString resultCaption(const CheckResult& result) {
    return verdictLook(result.verdict).symbol + QLatin1Char(' ') +
           worded(verdictWord(result.verdict, interfaceLanguage(), result.basis));
}

void paintVerdict(QTableWidgetItem* item, Verdict verdict) {
    const VerdictLook look = verdictLook(verdict);
    item->setBackground(look.background);
    item->setForeground(look.text);
    item->setToolTip(look.word);
}

QString number(double value, std::string_view pattern, const NumberLocale& locale) {
    return QString::fromStdString(formatPattern(value, pattern, locale));
}

QString dischargeFailureBrief(const DischargeFailure& failure) {
    return worded(dischargeFailureHeading(failure, interfaceLanguage()));
}

QString dischargeFailureText(const DischargeFailure& failure, const NumberLocale& locale) {
    return worded(dischargeFailureNotice(failure, interfaceLanguage(), locale));
}

QString ruleText(CheckId check, const CheckSettings& settings, const NumberLocale& locale) {
    return worded(checkRuleWithBounds(check, interfaceLanguage(), settings, locale));
}

QString sourceText(CheckId check) {
    return worded(checkSource(check, interfaceLanguage()));
}

QString titleText(CheckId check) {
    return worded(checkTitle(check, interfaceLanguage()));
}

QString shortCaption(CheckId check) {
    return worded(checkCaption(check, interfaceLanguage()));
}

QString valuesText(const CheckResult& result, const NumberLocale& locale) {
    if (result.figures) return worded(checkFigures(result, interfaceLanguage(), locale));
    return result.discharge_failure ? dischargeFailureBrief(*result.discharge_failure) : QString();
}

QString concernedText(const CheckResult& result) {
    QStringList parts;
    if (!result.risers.empty()) {
        parts << (result.risers.size() == 1
                      ? QCoreApplication::translate("thalmuro::CheckTexts", "Ανυψωτήρας %1")
                      : QCoreApplication::translate("thalmuro::CheckTexts", "Ανυψωτήρες %1"))
                     .arg(numberRanges(result.risers));
    }
    if (!result.sections.empty()) {
        parts << (result.sections.size() == 1
                      ? QCoreApplication::translate("thalmuro::CheckTexts", "Τμήμα %1")
                      : QCoreApplication::translate("thalmuro::CheckTexts", "Τμήματα %1"))
                     .arg(numberRanges(result.sections));
    }
    // The Greek semicolon between the risers and the sections.
    return parts.join(QCoreApplication::translate("thalmuro::CheckTexts", "· "));
}

}  // namespace thalmuro
