#include "check_texts.h"

#include <QStringList>
#include <QTableWidgetItem>

namespace thalmuro {
namespace {

QString greek(const std::string& text) {
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
    switch (verdict) {
        case Verdict::holds:
            return {QStringLiteral("✔"), QStringLiteral("Ικανοποιείται"), QColor(200, 235, 200),
                    QColor(20, 90, 20)};
        case Verdict::warning:
            return {QStringLiteral("⚠"), QStringLiteral("Προειδοποίηση"), QColor(255, 221, 150),
                    QColor(120, 60, 0)};
        case Verdict::not_judged:
            break;
    }
    return {QStringLiteral("–"), QStringLiteral("Δεν κρίνεται"), QColor(225, 225, 225),
            QColor(80, 80, 80)};
}

QString verdictCaption(Verdict verdict) {
    const VerdictLook look = verdictLook(verdict);
    return look.symbol + QLatin1Char(' ') + look.word;
}

QString resultCaption(const CheckResult& result) {
    const QString caption = verdictCaption(result.verdict);
    return result.basis == VerdictBasis::estimate ? caption + QStringLiteral(" (εκτίμηση)")
                                                  : caption;
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
    return greek(thalmuro::dischargeFailureBrief(failure, Language::greek));
}

QString dischargeFailureText(const DischargeFailure& failure, const NumberLocale& locale) {
    return dischargeFailureBrief(failure) + QStringLiteral(". ") +
           greek(dischargeFailureWhy(failure, Language::greek, locale)) +
           QStringLiteral("\nΤι να αλλάξετε: ") +
           greek(dischargeFailureChange(failure, Language::greek));
}

QString ruleText(CheckId check, const CheckSettings& settings, const NumberLocale& locale) {
    return greek(checkRule(check, Language::greek, settings, locale));
}

QString sourceText(CheckId check) {
    return greek(checkSource(check, Language::greek));
}

QString titleText(CheckId check) {
    return greek(checkTitle(check, Language::greek));
}

QString shortCaption(CheckId check) {
    return greek(checkCaption(check, Language::greek));
}

QString valuesText(const CheckResult& result, const NumberLocale& locale) {
    if (result.figures) return greek(checkSummary(result, Language::greek, locale));
    return result.discharge_failure ? dischargeFailureBrief(*result.discharge_failure) : QString();
}

QString concernedText(const CheckResult& result) {
    QStringList parts;
    if (!result.risers.empty()) {
        parts << (result.risers.size() == 1 ? QStringLiteral("Ανυψωτήρας ")
                                            : QStringLiteral("Ανυψωτήρες ")) +
                     numberRanges(result.risers);
    }
    if (!result.sections.empty()) {
        parts << (result.sections.size() == 1 ? QStringLiteral("Τμήμα ")
                                              : QStringLiteral("Τμήματα ")) +
                     numberRanges(result.sections);
    }
    return parts.join(QStringLiteral("· "));
}

}  // namespace thalmuro
