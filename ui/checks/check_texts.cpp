#include "check_texts.h"

#include <QStringList>
#include <QTableWidgetItem>
#include <cmath>

#include "window_controls.h"

namespace thalmuro {
namespace {

// The Greek wording of each check of the engine's table, by the check's name.
struct Wording {
    std::string_view name;
    const char* caption;
    const char* source;
};

constexpr Wording kWordings[] = {
    {"froude_min", "Fr ≥ 1", "Fischer κ.ά. (1979), Mixing in Inland and Coastal Waters"},
    {"froude_max", "Fr ≤ 10", "Νομογράφημα του Abraham"},
    {"uniformity", "q: Q/N ±10 %",
     "Πρακτική σχεδιασμού διαχυτήρων· η ζώνη ±10 % του παραθύρου γραφικών"},
    {"riser_area", "Εμβαδά", "Rawn, Bowerman και Brooks (1961)· Fischer κ.ά. (1979)"},
    {"pipe_velocity", "Αυτοκαθαρισμός", "Πρακτική σχεδιασμού αγωγών ακαθάρτων"},
    {"balance_error", "|e| ≤ 5 %", "Ανοχή του προγράμματος"},
    {"landward_head", "Ισοζύγιο E", "Ισοζύγιο ενέργειας της επίλυσης"},
    {"skipped_steps", "Βήματα", "Κανόνας του προγράμματος"},
};

const Wording* wordingOf(std::string_view name) {
    for (const Wording& wording : kWordings) {
        if (wording.name == name) return &wording;
    }
    return nullptr;
}

QString general(double value, const NumberLocale& locale) {
    return QString::fromStdString(formatGeneral(value, locale));
}

// A bound written as a third when it is one (the riser-area rule's 1/3 and 2/3), else in the
// general format.
QString bound(double value, const NumberLocale& locale) {
    const double thirds = value * 3.0;
    if (std::fabs(thirds - std::round(thirds)) < 1e-9 && std::fmod(std::round(thirds), 3.0) != 0) {
        return QStringLiteral("%1/3").arg(static_cast<int>(std::round(thirds)));
    }
    return general(value, locale);
}

// The riser with the lowest (or highest) of the per-riser figures, numbered from 1.
std::size_t extremeRiser(const std::vector<double>& values, bool lowest) {
    std::size_t at = 0;
    for (std::size_t i = 1; i < values.size(); ++i) {
        if (lowest ? values[i] < values[at] : values[i] > values[at]) at = i;
    }
    return at;
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

namespace {

// "του ανυψωτήρα 2", "των ανυψωτήρων 2–5".
QString ofRisers(const std::vector<int>& risers) {
    return (risers.size() == 1 ? QStringLiteral("του ανυψωτήρα ")
                               : QStringLiteral("των ανυψωτήρων ")) +
           numberRanges(risers);
}

}  // namespace

QString dischargeFailureBrief(const DischargeFailure& failure) {
    return QStringLiteral("Δεν υπολογίστηκε η παροχή ") + ofRisers(failure.risers);
}

QString dischargeFailureText(const DischargeFailure& failure, const NumberLocale& locale) {
    const auto at = [&](double value, std::string_view pattern) {
        return number(value, pattern, locale);
    };
    const QString first = QString::number(failure.risers.front());
    const QString head = dischargeFailureBrief(failure) + QStringLiteral(". ");
    if (failure.kind == DischargeFailure::Kind::negative_energy) {
        return head + QStringLiteral(
                          "Η ειδική ενέργεια στον ανυψωτήρα %1 είναι αρνητική, E = %2 m, "
                          "και ο τύπος q = Cd · a · (2 g E)^0,5 δεν δίνει τιμή.\n"
                          "Τι να αλλάξετε: τις υψομετρικές διαφορές (ανυψωτήρας χαμηλότερα "
                          "από τον προηγούμενο μειώνει την E) ή να αυξήσετε την παροχή.")
                          .arg(first, at(failure.specific_energy, "0.000000"));
    }
    return head +
           QStringLiteral(
               "Ο τύπος παροχής της συναρμογής Bell, q = 0,975 (1 − X)^0,375 · a · (2 g E)^0,5, "
               "δεν δίνει τιμή όταν το X, το ύψος ταχύτητας στον αγωγό προς την ειδική ενέργεια, "
               "ξεπερνά το 1. Η παροχή κάθε ανυψωτήρα αναζητείται από δοκιμαστική παροχή %1 m³/s· "
               "στον ανυψωτήρα %2 το ύψος ταχύτητάς της στον αγωγό D = %3 m ξεπερνά την ειδική "
               "ενέργεια E = %4 m (X = %5). Σε αυτή την παροχή το μερίδιο κάθε ανυψωτήρα, "
               "Q/N = %6 m³/s, δίνει πολύ μικρή ειδική ενέργεια.\n"
               "Τι να αλλάξετε: λιγότερους ανυψωτήρες ή μικρότερες διαμέτρους ανυψωτήρων "
               "(μεγαλύτερη ενέργεια για την ίδια παροχή), ή μεγαλύτερη παροχή.")
               .arg(at(failure.trial_discharge, "0.0000"), first,
                    at(failure.pipe_diameter, "0.0000"), at(failure.specific_energy, "0.000000"),
                    at(failure.x, "0.00"), at(failure.share, "0.00000"));
}

QString ruleText(const ThresholdInfo& info, const CheckSettings& settings,
                 const NumberLocale& locale) {
    const std::string_view name = info.name;
    const QString lower = info.lower ? bound(*info.lower, locale) : QString();
    const QString upper = info.upper ? bound(*info.upper, locale) : QString();
    if (name == "froude_min") {
        return QStringLiteral("Fr ≥ %1 σε κάθε ανυψωτήρα (αδιάστατος)").arg(lower);
    }
    if (name == "froude_max") {
        return QStringLiteral("Fr ≤ %1 σε κάθε ανυψωτήρα (αδιάστατος)").arg(upper);
    }
    if (name == "uniformity" && info.lower && info.upper) {
        return QStringLiteral("Παροχή κάθε ανυψωτήρα από Q/N − %1 % έως Q/N + %2 %")
            .arg(general(std::fabs(*info.lower), locale), upper);
    }
    if (name == "riser_area") {
        return QStringLiteral(
                   "Εμβαδόν ανυψωτήρων / εμβαδόν αγωγού στον ανυψωτήρα N από %1 έως %2 "
                   "(αδιάστατος)")
            .arg(lower, upper);
    }
    if (name == "pipe_velocity") {
        return QStringLiteral("Μέγιστη ταχύτητα αγωγού κάθε τμήματος ≥ %1 m/s")
            .arg(general(settings.min_pipe_velocity, locale));
    }
    if (name == "balance_error") {
        return QStringLiteral("%1 % ≤ e ≤ %2 %, όπου e = (Qcalc − Q) / Qcalc").arg(lower, upper);
    }
    if (name == "landward_head") {
        return QStringLiteral(
            "E ανυψωτήρα N = E ανυψωτήρα 1 + απώλειες τριβής + όροι πυκνότητας (ενημερωτικός, m)");
    }
    if (name == "skipped_steps") {
        return QStringLiteral("Κανένα βήμα της επίλυσης δεν παραλείπεται");
    }
    return utf8(info.rule);
}

QString sourceText(const ThresholdInfo& info) {
    const Wording* wording = wordingOf(info.name);
    return wording != nullptr ? utf8(wording->source) : utf8(info.source);
}

QString shortCaption(const ThresholdInfo& info) {
    const Wording* wording = wordingOf(info.name);
    return wording != nullptr ? utf8(wording->caption) : utf8(info.name);
}

QString valuesText(const CheckResult& result, const NumberLocale& locale) {
    const std::vector<double>& v = result.values;
    if (v.empty()) {
        return result.discharge_failure ? dischargeFailureBrief(*result.discharge_failure)
                                        : QString();
    }
    const std::string_view name = result.name;
    const auto at = [&](std::size_t i, std::string_view pattern) {
        return number(v[i], pattern, locale);
    };
    if (name == "froude_min" || name == "froude_max") {
        const bool lowest = name == "froude_min";
        const std::size_t riser = extremeRiser(v, lowest);
        const QString figure =
            QStringLiteral("%1 Fr = %2 (ανυψωτήρας %3)")
                .arg(lowest ? QStringLiteral("Ελάχιστος") : QStringLiteral("Μέγιστος"),
                     at(riser, "0.00"))
                .arg(riser + 1);
        if (result.basis == VerdictBasis::march) return figure;
        return figure + QStringLiteral(
                            ", εκτίμηση με παροχή Q/N σε κάθε ανυψωτήρα, χωρίς την "
                            "επίλυση");
    }
    if (name == "uniformity" && v.size() >= 6) {
        return QStringLiteral(
                   "Q/N = %1 m³/s, ζώνη %2 έως %3 m³/s· παροχές από %4 έως %5 m³/s, λόγος %6")
            .arg(at(0, "0.00000"), at(2, "0.00000"), at(1, "0.00000"), at(4, "0.00000"),
                 at(3, "0.00000"), at(5, "0.000"));
    }
    if (name == "riser_area" && v.size() >= 3) {
        return QStringLiteral("Ανυψωτήρες %1 m², αγωγός %2 m², λόγος %3")
            .arg(at(0, "0.00000"), at(1, "0.00000"), at(2, "0.000"));
    }
    if (name == "pipe_velocity") {
        QStringList sections;
        for (std::size_t s = 0; s < v.size(); ++s)
            sections << QStringLiteral("%1: %2").arg(s + 1).arg(at(s, "0.00"));
        return QStringLiteral("Ανά τμήμα (m/s): ") + sections.join(QStringLiteral(" · "));
    }
    if (name == "balance_error" && v.size() >= 3) {
        return QStringLiteral("Qcalc = %1 m³/s, Q = %2 m³/s, e = %3 %")
            .arg(at(0, "0.00000"), at(1, "0.00000"), at(2, "0.00"));
    }
    if (name == "landward_head" && v.size() >= 4) {
        return QStringLiteral("%1 m (ανυψωτήρας 1) + %2 m τριβές + %3 m όροι πυκνότητας = %4 m")
            .arg(at(0, "0.0000"), at(1, "0.0000"), at(2, "0.0000"), at(3, "0.0000"));
    }
    if (name == "skipped_steps") {
        const long steps = static_cast<long>(v.front());
        return QString::fromStdString(formatCount(steps)) +
               (steps == 1 ? QStringLiteral(" βήμα") : QStringLiteral(" βήματα"));
    }
    QStringList figures;
    for (double value : v)
        figures << general(value, locale);
    return figures.join(QStringLiteral(", "));
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
