// The Greek catalogue: the windows' wording of the engine's messages and checks.

#include <array>
#include <cmath>

#include "catalogues.h"
#include "phrases.h"
#include "thalmuro/wording.h"

namespace thalmuro {
namespace {

using phrases::bound;
using phrases::dashedRanges;
using phrases::extremeRiser;
using phrases::figure;

std::string general(double value, const NumberLocale& locale) {
    return formatGeneral(value, locale);
}

std::string ranges(const std::vector<int>& numbers) {
    return phrases::numberRanges(numbers, "έως");
}

// "του ανυψωτήρα 5", "των ανυψωτήρων 5 έως 14": risers in the genitive.
std::string risersNamed(const std::vector<int>& risers) {
    return (risers.size() == 1 ? "του ανυψωτήρα " : "των ανυψωτήρων ") + ranges(risers);
}

// "τον ανυψωτήρα 5", "τους ανυψωτήρες 5 έως 14": risers in the accusative.
std::string risersObject(const std::vector<int>& risers) {
    return (risers.size() == 1 ? "τον ανυψωτήρα " : "τους ανυψωτήρες ") + ranges(risers);
}

std::string sectionsNamed(const std::vector<int>& sections) {
    return (sections.size() == 1 ? "του τμήματος " : "των τμημάτων ") + ranges(sections);
}

std::vector<int> span(int first, int last) {
    std::vector<int> numbers;
    for (int k = first; k <= last; ++k)
        numbers.push_back(k);
    return numbers;
}

// The columns of the section table, in the order of kRowCells, and their controls.
constexpr std::array<const char*, kRowCells.size()> kColumns{
    "πρώτος ανυψωτήρας",   "τελευταίος ανυψωτήρας", "διάμετρος τμήματος",
    "απόσταση ανυψωτήρων", "υψομετρική διαφορά",    "διάμετρος ανυψωτήρων"};
constexpr std::array<const char*, kRowCells.size()> kCellNames{"textfn",
                                                               "textln",
                                                               "textdr_thalmuro",
                                                               "textdxanipsotiror",
                                                               "textdz_anipsotiron",
                                                               "textdr_anipsotiron"};

// "διάμετρος ανυψωτήρων (textdr_anipsotiron_2) «0»: μηδενική τιμή".
std::string cellFault(const Message& m, std::string_view why) {
    const auto column = static_cast<std::size_t>(m.cell - 1);
    return std::string(kColumns.at(column)) + " (" + kCellNames.at(column) + "_" +
           formatCount(m.row - 1) + ")" +
           (m.kind == MessageKind::cell_empty ? "" : " " + phrases::quoted(m.text, "«", "»")) +
           ": " + std::string(why);
}

std::string arithmeticFault(Fault fault) {
    switch (fault) {
        case Fault::overflow:
            return "αριθμός πολύ μεγάλος για τον υπολογισμό";
        case Fault::negative_fractional_power:
            return "ο νόμος παροχής της συναρμογής δεν δίνει τιμή: το ύψος ταχύτητας στον "
                   "αγωγό ξεπερνά την ειδική ενέργεια (X > 1) ή η ειδική ενέργεια είναι "
                   "αρνητική";
        case Fault::division_by_zero:
            return "διαίρεση με το μηδέν";
        case Fault::none:
        case Fault::unreadable_text:
        case Fault::index_outside:
        case Fault::below_precision:
            return "αδύνατος υπολογισμός";
    }
    return {};
}

// "Q στοιχείο «0.1..x»: what": an item of a list of conditions and what is wrong with it.
std::string conditionItem(const Message& m, const std::string& what) {
    return m.key + " στοιχείο " + phrases::quoted(m.text, "«", "»") + ": " + what;
}

// "Πλήθος Ανυψωτήρων (Text1) «0»": a box, with its text unless blank.
std::string box(std::string_view name, std::string_view control, const std::string& typed) {
    std::string out = std::string(name) + " (" + std::string(control) + ")";
    if (!phrases::blank(typed)) out += " " + phrases::quoted(typed, "«", "»");
    return out;
}

std::string subject(const SkippedCause& cause) {
    switch (cause.subject) {
        case CauseSubject::risers_box:
            return box("Πλήθος Ανυψωτήρων", "Text1", cause.typed);
        case CauseSubject::sections_box:
            return box("Τμήματα Διαχυτήρα", "Text2", cause.typed);
        case CauseSubject::drho_box:
            return box("Δρ/ρ", "Text4", cause.typed);
        case CauseSubject::total_discharge_box:
            return box("Ολική Παροχή", "Text5", cause.typed);
        case CauseSubject::manning_box:
            return box("Αριθμός Manning", "Text6", cause.typed);
        case CauseSubject::ratio_box:
            return box("Αναλογία x", "qc = x Q / N", cause.typed);
        case CauseSubject::ratio_question:
            return "Αναλογία x (qc = x Q / N)";
        case CauseSubject::section_row:
            return "Πίνακας τμημάτων, γραμμή " + formatCount(cause.row);
        case CauseSubject::section_table:
            return "Πίνακας τμημάτων";
        case CauseSubject::computation:
            return cause.march_risers.empty() ? "Υπολογισμός"
                                              : "Υπολογισμός " + risersNamed(cause.march_risers);
    }
    return {};
}

// "του ανυψωτήρα 2", "των ανυψωτήρων 2–5".
std::string ofRisers(const std::vector<int>& risers) {
    return (risers.size() == 1 ? "του ανυψωτήρα " : "των ανυψωτήρων ") + dashedRanges(risers);
}

std::string shownFigures(const CheckResult& result, const NumberLocale& locale) {
    const CheckFigures& f = *result.figures;
    const auto at = [&](double value, std::string_view pattern) {
        return figure(value, pattern, locale);
    };
    switch (result.id) {
        case CheckId::froude_min:
        case CheckId::froude_max: {
            const bool lowest = result.id == CheckId::froude_min;
            const std::size_t riser = extremeRiser(f.froude, lowest);
            const std::string text = std::string(lowest ? "Ελάχιστος" : "Μέγιστος") +
                                     " Fr = " + at(f.froude[riser], "0.00") + " (ανυψωτήρας " +
                                     formatCount(static_cast<long>(riser + 1)) + ")";
            if (result.basis == VerdictBasis::march) return text;
            return text + ", εκτίμηση με παροχή Q/N σε κάθε ανυψωτήρα, χωρίς την επίλυση";
        }
        case CheckId::uniformity:
            return "Q/N = " + at(f.mean, "0.00000") + " m³/s, ζώνη " + at(f.band_lower, "0.00000") +
                   " έως " + at(f.band_upper, "0.00000") + " m³/s· παροχές από " +
                   at(f.q_smallest, "0.00000") + " έως " + at(f.q_largest, "0.00000") +
                   " m³/s, λόγος " + at(f.q_ratio, "0.000");
        case CheckId::riser_area:
            return "Ανυψωτήρες " + at(f.risers_area, "0.00000") + " m², αγωγός " +
                   at(f.pipe_area, "0.00000") + " m², λόγος " + at(f.area_ratio, "0.000");
        case CheckId::pipe_velocity: {
            std::string text = "Ανά τμήμα (m/s): ";
            for (std::size_t s = 0; s < f.section_velocity.size(); ++s) {
                if (s > 0) text += " · ";
                text += formatCount(static_cast<long>(s + 1)) + ": " +
                        at(f.section_velocity[s], "0.00");
            }
            return text;
        }
        case CheckId::balance_error:
            return "Qcalc = " + at(f.qcalc, "0.00000") + " m³/s, Q = " + at(f.q, "0.00000") +
                   " m³/s, e = " + at(f.e, "0.00") + " %";
        case CheckId::landward_head:
            return at(f.head_seaward, "0.0000") + " m (ανυψωτήρας 1) + " +
                   at(f.friction_losses, "0.0000") + " m τριβές + " +
                   at(f.density_terms, "0.0000") +
                   " m όροι πυκνότητας = " + at(f.head_landward, "0.0000") + " m";
        case CheckId::skipped_steps:
            return formatCount(f.skipped_steps) + (f.skipped_steps == 1 ? " βήμα" : " βήματα");
    }
    return {};
}

}  // namespace

namespace greek {

std::string message(const Message& m, const NumberLocale& locale) {
    switch (m.kind) {
        case MessageKind::risers_outside_range:
            return "ο αριθμός ανυψωτήρων " + formatCount(m.count) +
                   " είναι εκτός των ορίων 1 έως " + formatCount(kMaxRisers);
        case MessageKind::discharge_not_computed:
            return m.discharge_failure ? dischargeBrief(*m.discharge_failure)
                                       : "Δεν υπολογίστηκε η παροχή κάποιων ανυψωτήρων";
        case MessageKind::solve_skipped_steps:
            return "η επίλυση παρέλειψε βήματα";
        case MessageKind::q_not_positive:
            return "η παροχή Q δεν είναι θετική";
        case MessageKind::riser_discharge_not_positive:
            return "η παροχή ενός ανυψωτήρα δεν είναι θετική";
        case MessageKind::riser_without_section:
            return "κανένα τμήμα δεν περιέχει τον ανυψωτήρα " + formatCount(m.riser);
        case MessageKind::diameter_unreadable:
            return "μια διάμετρος δεν διαβάζεται";
        case MessageKind::no_sections:
            return "δεν υπάρχουν τμήματα";
        case MessageKind::section_without_riser:
            return "το τμήμα " + formatCount(m.section) + " δεν περιέχει ανυψωτήρα";
        case MessageKind::qcalc_zero:
            return "η Qcalc είναι μηδέν";
        case MessageKind::reach_unreadable:
            return "τα στοιχεία ενός διαστήματος μεταξύ ανυψωτήρων δεν διαβάζονται";
        case MessageKind::file_too_large:
            return "Το αρχείο είναι πολύ μεγάλο για πρόβλημα";
        case MessageKind::invalid_utf8:
            return "Το αρχείο δεν είναι κείμενο με κωδικοποίηση UTF-8";
        case MessageKind::unknown_key:
            return "Το αρχείο περιέχει στοιχείο που δεν ανήκει σε αρχείο προβλήματος";
        case MessageKind::nul_byte:
        case MessageKind::invalid_json:
        case MessageKind::not_an_object:
            return "Το αρχείο δεν έχει τη μορφή αρχείου προβλήματος (JSON)";
        case MessageKind::repeated_key:
        case MessageKind::too_many_rows:
        case MessageKind::rows_not_an_array:
        case MessageKind::row_not_an_array:
        case MessageKind::cell_not_a_string:
        case MessageKind::too_many_cells:
        case MessageKind::value_not_a_string:
        case MessageKind::unknown_name:
            return "Μια τιμή του αρχείου δεν έχει τη μορφή που περιμένει το πρόγραμμα";
        case MessageKind::file_cannot_open:
        case MessageKind::file_cannot_read:
        case MessageKind::out_of_memory:
        case MessageKind::reading_failed:
            return "Το αρχείο δεν ήταν δυνατό να διαβαστεί";
        case MessageKind::count_unreadable:
            return "δεν είναι πλήθος από -32768 έως 32767";
        case MessageKind::risers_not_positive:
            return "δεν είναι θετικό πλήθος ανυψωτήρων";
        case MessageKind::no_row_names_a_riser:
            return "καμία γραμμή του πίνακα τμημάτων δεν ορίζει ανυψωτήρα";
        case MessageKind::risers_named_up_to:
            return "ο πίνακας τμημάτων ορίζει ανυψωτήρες μόνο έως τον " + formatCount(m.count);
        case MessageKind::risers_beyond_computed:
            return "υπολογίζονται μόνο οι ανυψωτήρες 1 έως 101, οι " +
                   phrases::numberRange(kMaxRisers + 1, m.count, "έως") + " παραλείπονται";
        case MessageKind::riser_1_without_discharge:
            return "αφήνει τον ανυψωτήρα 1 χωρίς παροχή";
        case MessageKind::rows_empty:
            return m.numbers.size() == 1
                       ? "η γραμμή " + ranges(m.numbers) + " του πίνακα τμημάτων είναι κενή"
                       : "οι γραμμές " + ranges(m.numbers) + " του πίνακα τμημάτων είναι κενές";
        case MessageKind::sections_beyond_table: {
            const std::string beyond = phrases::numberRange(kSectionRows + 1, m.count, "έως");
            return "ο πίνακας έχει 30 γραμμές, " +
                   (m.count == kSectionRows + 1 ? "το τμήμα " + beyond + " παραλείπεται"
                                                : "τα τμήματα " + beyond + " παραλείπονται");
        }
        case MessageKind::box_empty:
            return "είναι κενό";
        case MessageKind::box_unreadable:
            return "δεν διαβάζεται";
        case MessageKind::box_zero:
            return "είναι μηδέν";
        case MessageKind::box_negative:
            return "είναι αρνητικό";
        case MessageKind::box_unusable:
            return "δεν χρησιμοποιείται";
        case MessageKind::q_too_large_to_balance:
            return "είναι τόσο μεγάλη που η μείωση της qc κατά 0,0001 m^3/s δεν την αλλάζει";
        case MessageKind::manning_too_large:
            return "είναι πολύ μεγάλος";
        case MessageKind::question_cancelled:
            return "η ερώτηση ακυρώθηκε";
        case MessageKind::row_empty:
            return "είναι κενή";
        case MessageKind::cell_empty:
            return cellFault(m, "κενό κελί");
        case MessageKind::cell_unreadable:
            return cellFault(m, "δεν διαβάζεται");
        case MessageKind::cell_zero:
            return cellFault(m, "μηδενική τιμή");
        case MessageKind::cell_negative:
            return cellFault(m, "αρνητική τιμή");
        case MessageKind::row_outside_risers:
            return "ορίζει ανυψωτήρες εκτός των 1 έως 101";
        case MessageKind::row_not_computed:
            return "τα μεγέθη της δεν υπολογίζονται";
        case MessageKind::risers_not_named:
            return "καμία γραμμή δεν ορίζει " + risersObject(m.numbers) + " (Πλήθος Ανυψωτήρων " +
                   formatCount(m.count) + ")";
        case MessageKind::arithmetic_fault:
            return arithmeticFault(m.fault);
        case MessageKind::x_taken_as_zero:
            return "άρα x = 0";
        case MessageKind::riser_1_gets_no_discharge:
            return "άρα ο ανυψωτήρας 1 δεν παίρνει παροχή";
        case MessageKind::leaves_risers_unnamed:
            return "άρα καμία γραμμή δεν ορίζει " + risersObject(m.numbers);
        case MessageKind::kept_risers_count:
            return "το πλήθος ανυψωτήρων";
        case MessageKind::kept_sections_count:
            return "το πλήθος τμημάτων";
        case MessageKind::kept_q:
            return "η Q";
        case MessageKind::kept_qc:
            return "η qc";
        case MessageKind::kept_friction:
            return "ο συντελεστής τριβών " + sectionsNamed(m.numbers);
        case MessageKind::kept_froude:
            return "ο αριθμός Froude " + risersNamed(m.numbers);
        case MessageKind::kept_velocity_and_froude:
            return "η ταχύτητα ανυψωτήρα και ο αριθμός Froude " + risersNamed(m.numbers);
        case MessageKind::kept_figures:
            return "τα μεγέθη " + risersNamed(m.numbers);
        case MessageKind::drho_unreadable:
            return "η σχετική διαφορά πυκνότητας Δρ/ρ δεν διαβάζεται";
        case MessageKind::manning_unreadable:
            return "ο αριθμός Manning δεν διαβάζεται";
        case MessageKind::steps_skipped:
            return "παραλείφθηκαν βήματα";
        case MessageKind::no_qc_passes_q:
            return "καμία qc έως την Q δεν δίνει στους ανυψωτήρες την Q: με qc = Q δίνουν " +
                   general(m.discharge, locale) + " m^3/s";
        case MessageKind::risers_pass_more_than_q:
            return "οι ανυψωτήρες δίνουν " + general(m.discharge, locale) +
                   " m^3/s, περισσότερα από την Q, ακόμη και με qc = " + general(m.qc, locale) +
                   " m^3/s";
        case MessageKind::sum_jumps_across_q:
            return "το άθροισμα των παροχών των ανυψωτήρων περνά την Q με ένα άλμα στην qc = " +
                   general(m.qc, locale) + " m^3/s";
        case MessageKind::sum_not_monotone:
            return "το άθροισμα των παροχών των ανυψωτήρων δεν αυξάνει με την qc";
        case MessageKind::marches_spent:
            return "δεν εξισορροπήθηκε μέσα σε " + formatCount(m.count) + " υπολογισμούς";
        case MessageKind::discharge_not_computed_at_qc:
            return "με qc = " + general(m.qc, locale) + " m^3/s: " +
                   (m.discharge_failure ? dischargeBrief(*m.discharge_failure)
                                        : "Δεν υπολογίστηκε η παροχή κάποιων ανυψωτήρων");
        case MessageKind::steps_skipped_at_qc:
            return "με qc = " + general(m.qc, locale) + " m^3/s παραλείφθηκαν βήματα";
        case MessageKind::conditions_empty:
            return "Ο κατάλογος των συνθηκών είναι κενός";
        case MessageKind::conditions_too_many:
            return "Ο κατάλογος έχει περισσότερες από " + formatCount(kMaxConditions) + " συνθήκες";
        case MessageKind::condition_q_not_positive:
            return "Γραμμή " + formatCount(m.row) +
                   ": η ολική παροχή Q πρέπει να είναι θετικός αριθμός";
        case MessageKind::condition_drho_not_positive:
            return "Γραμμή " + formatCount(m.row) + ": το Δρ/ρ πρέπει να είναι θετικός αριθμός";
        case MessageKind::condition_part_empty:
            return "το μέρος " + formatCount(m.count) + " είναι κενό";
        case MessageKind::condition_part_unknown:
            return "άγνωστο μέρος " + phrases::quoted(m.text, "«", "»") +
                   " (τα μέρη είναι Q=... και drho=...)";
        case MessageKind::condition_part_repeated:
            return "το " + m.key + "= δίνεται δύο φορές";
        case MessageKind::condition_item_empty:
            return m.key + ": το στοιχείο " + formatCount(m.count) + " είναι κενό";
        case MessageKind::condition_own_unreadable:
            return "δεν δίνεται μέρος " + m.key + "= και η τιμή " + m.key +
                   " του προβλήματος δεν διαβάζεται";
        case MessageKind::condition_defaults_not_positive:
            return "δεν δίνεται μέρος " + m.key + "= και τα προεπιλεγμένα πολλαπλάσια της τιμής " +
                   m.key + " του προβλήματος " + formatGeneral(m.value, phrases::kListNumbers) +
                   " δεν είναι όλα θετικοί αριθμοί";
        case MessageKind::condition_item_unreadable:
            return conditionItem(
                m, "δεν είναι αριθμός, πολλαπλάσιο όπως 0.5x ή διάστημα όπως 0.1..0.5/5");
        case MessageKind::condition_count_not_whole:
            return conditionItem(m, "το πλήθος μετά το «/» πρέπει να είναι ακέραιος αριθμός");
        case MessageKind::condition_count_below_two:
            return conditionItem(m, "ένα διάστημα χρειάζεται πλήθος τουλάχιστον 2");
        case MessageKind::condition_values_too_many:
            return conditionItem(
                m, "περισσότερες από " + formatCount(kMaxConditions) + " τιμές για " + m.key);
        case MessageKind::condition_multiple_unreadable:
            return conditionItem(
                m, "πολλαπλάσιο της τιμής " + m.key + " του προβλήματος, που δεν διαβάζεται");
        case MessageKind::condition_value_not_positive:
            return conditionItem(m, "το " + m.key + " πρέπει να είναι θετικό, όχι " +
                                        formatGeneral(m.value, phrases::kListNumbers));
        case MessageKind::conditions_product_too_many:
            return "οι " + formatCount(m.numbers.at(0)) + " τιμές της Q και οι " +
                   formatCount(m.numbers.at(1)) + " του drho δίνουν " + formatCount(m.count) +
                   " συνθήκες, περισσότερες από " + formatCount(kMaxConditions);
        case MessageKind::discharges_overflow:
            return "οι παροχές των ανυψωτήρων υπερχειλίζουν με qc = " + general(m.qc, locale) +
                   " m^3/s";
    }
    return {};
}

std::string marchReason(const MarchSummary& march, const NumberLocale& locale) {
    std::string text = message(march.reason, locale);
    if (march.skipped_cause) text += ": " + cause(*march.skipped_cause, locale);
    return text;
}

std::string crossCheckSummary(const CrossCheck& check, const NumberLocale& locale) {
    if (!check.program.balanced) {
        return "Δεν κρίνεται: ο υπολογισμός του προγράμματος δεν εξισορροπείται: " +
               marchReason(check.program, locale) + ".";
    }
    if (!check.classical.balanced) {
        return "Δεν κρίνεται: ο υπολογισμός με την κλασική μέθοδο δεν εξισορροπείται: " +
               marchReason(check.classical, locale) + ".";
    }
    if (!check.head_difference) {
        return "Δεν κρίνεται: η ενέργεια στο χερσαίο άκρο κατά το πρόγραμμα είναι μηδέν.";
    }
    const double difference = *check.head_difference;
    return "E του ανυψωτήρα " + formatCount(check.landward_riser) + " = " +
           figure(check.classical.landward_head, "0.00000", locale) +
           " m με την κλασική μέθοδο έναντι " +
           figure(check.program.landward_head, "0.00000", locale) +
           " m κατά το πρόγραμμα: " + (difference < 0.0 ? "" : "+") +
           figure(difference, "0.0", locale) + " %, " +
           (difference > kCrossCheckHeadLimit ? "πάνω από το" : "εντός του") + " όριο " +
           figure(kCrossCheckHeadLimit, "0", locale) + " %.";
}

std::string quantityName(InputQuantity quantity) {
    switch (quantity) {
        case InputQuantity::risers:
            return "Πλήθος Ανυψωτήρων";
        case InputQuantity::sections:
            return "Τμήματα Διαχυτήρα";
        case InputQuantity::drho:
            return "Δρ/ρ";
        case InputQuantity::total_discharge:
            return "Ολική Παροχή";
        case InputQuantity::manning:
            return "Αριθμός Manning";
        case InputQuantity::first_riser:
            return "πρώτος ανυψωτήρας";
        case InputQuantity::last_riser:
            return "τελευταίος ανυψωτήρας";
        case InputQuantity::pipe_diameter:
            return "διάμετρος αγωγού";
        case InputQuantity::spacing:
            return "απόσταση ανυψωτήρων";
        case InputQuantity::elevation_step:
            return "υψομετρική διαφορά";
        case InputQuantity::riser_diameter:
            return "διάμετρος ανυψωτήρα";
    }
    return {};
}

std::string plausibleReason(InputQuantity quantity) {
    switch (quantity) {
        case InputQuantity::risers:
            return "τουλάχιστον ένας ανυψωτήρας· το πρόγραμμα δέχεται έως 101 ανυψωτήρες";
        case InputQuantity::sections:
            return "τουλάχιστον ένα τμήμα· ο πίνακας τμημάτων έχει 30 γραμμές";
        case InputQuantity::drho:
            return "λύματα σε θαλασσινό νερό δίνουν περίπου 0,025 έως 0,03· υφάλμυρο νερό ή θερμή "
                   "εκροή "
                   "λιγότερο, ποτέ πάνω από μερικά εκατοστά";
        case InputQuantity::total_discharge:
            return "από μικρό οικισμό (1 l/s) έως τους μεγαλύτερους αγωγούς πόλεων· οι οδηγίες "
                   "δίνουν τα "
                   "30 m³/s ως τιμή λάθους τάξης μεγέθους";
        case InputQuantity::manning:
            return "λείος πλαστικός αγωγός περίπου 0,009, σκυρόδεμα 0,012 έως 0,015, παλαιός "
                   "αγωγός με "
                   "επικαθίσεις έως 0,025· οι οδηγίες δίνουν το 15 ως τιμή λάθους τάξης μεγέθους";
        case InputQuantity::first_riser:
            return "οι ανυψωτήρες αριθμούνται από το 1· το πρόγραμμα δέχεται έως 101 ανυψωτήρες";
        case InputQuantity::last_riser:
            return "οι ανυψωτήρες αριθμούνται από το 1· το πρόγραμμα δέχεται έως 101 ανυψωτήρες";
        case InputQuantity::pipe_diameter:
            return "οι αγωγοί διαχυτήρων έχουν διάμετρο από 0,1 m σε μικρό οικισμό έως περίπου 4 m "
                   "στους "
                   "μεγαλύτερους";
        case InputQuantity::spacing:
            return "οι ανυψωτήρες απέχουν από περίπου ένα μέτρο έως μερικές δεκάδες μέτρα, ώστε οι "
                   "πλούμιες "
                   "να ενώνονται αργά";
        case InputQuantity::elevation_step:
            return "η ανύψωση του αγωγού από ανυψωτήρα σε ανυψωτήρα: σε απόσταση έως 50 m ο "
                   "πυθμένας σπάνια "
                   "ανεβαίνει πάνω από μερικά μέτρα";
        case InputQuantity::riser_diameter:
            return "τα στόμια και οι ανυψωτήρες έχουν διάμετρο από λίγα εκατοστά έως περίπου ένα "
                   "μέτρο";
    }
    return {};
}

// A value with its quantity's unit, when it has one, "m^3/s" written as "m³/s" and a no-break
// space keeping the unit on the line of its number.
std::string withUnit(double value, const PlausibleRange& range, const NumberLocale& locale) {
    const std::string text = formatGeneral(value, locale);
    if (range.unit == "-") return text;
    std::string unit(range.unit);
    if (const std::size_t cube = unit.find("^3"); cube != std::string::npos) {
        unit.replace(cube, 2, "³");
    }
    return text + "\u00a0" + unit;
}

std::string rangeText(InputQuantity quantity, const NumberLocale& locale) {
    const PlausibleRange& range = plausibleRange(quantity);
    return formatGeneral(range.lower, locale) + " έως " + withUnit(range.upper, range, locale);
}

std::string numberFinding(const NumberFinding& finding, const NumberLocale& locale) {
    const PlausibleRange& range = plausibleRange(finding.quantity);
    const std::string name = quantityName(finding.quantity);
    std::string line = finding.row == 0 ? name : "Γραμμή " + formatCount(finding.row) + ", " + name;
    line += ": «" + finding.text + "» διαβάζεται " + withUnit(finding.value, range, locale);
    if (finding.value < range.lower || finding.value > range.upper) {
        line += ", έξω από το εύλογο εύρος " + rangeText(finding.quantity, locale);
    }
    if (finding.alternative) {
        line += "· με το «" + locale.grouping + "» ως υποδιαστολή θα ήταν " +
                withUnit(*finding.alternative, range, locale);
    }
    return line;
}

std::string cause(const SkippedCause& c, const NumberLocale& locale) {
    std::string line = subject(c) + ": ";
    for (std::size_t i = 0; i < c.reasons.size(); ++i) {
        if (i > 0) line += phrases::followsFromTheLast(c.reasons[i].kind) ? ", " : ", και ";
        line += message(c.reasons[i], locale);
    }
    for (std::size_t i = 0; i < c.kept.size(); ++i)
        line +=
            (i == 0 ? "· κρατήθηκαν οι προηγούμενες τιμές: " : ", ") + message(c.kept[i], locale);
    if (c.report_lines > 0) {
        const bool one = c.report_lines == 1;
        line += one ? "· παραλείφθηκε 1 γραμμή της αναφοράς"
                    : "· παραλείφθηκαν " + formatCount(c.report_lines) + " γραμμές της αναφοράς";
        std::vector<std::string> beyond;
        const std::string lines = one ? "η γραμμή " : "οι γραμμές ";
        if (c.lines_risers_to > 0) {
            beyond.push_back(lines + risersNamed(span(kMaxRisers + 1, c.lines_risers_to)));
        }
        if (c.lines_sections_to > 0) {
            beyond.push_back(lines + sectionsNamed(span(kSectionRows + 1, c.lines_sections_to)));
        }
        for (std::size_t i = 0; i < beyond.size(); ++i)
            line += (i == 0 ? ": " : ", ") + beyond[i];
    }
    return line;
}

std::string title(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Ελάχιστος πυκνομετρικός αριθμός Froude";
        case CheckId::froude_max:
            return "Μέγιστος πυκνομετρικός αριθμός Froude";
        case CheckId::uniformity:
            return "Ομοιομορφία παροχών ανυψωτήρων";
        case CheckId::riser_area:
            return "Εμβαδόν ανυψωτήρων προς εμβαδόν αγωγού";
        case CheckId::pipe_velocity:
            return "Ταχύτητα αυτοκαθαρισμού στον αγωγό";
        case CheckId::balance_error:
            return "Σφάλμα ισοζυγίου παροχών";
        case CheckId::landward_head:
            return "Ενέργεια στο χερσαίο άκρο";
        case CheckId::skipped_steps:
            return "Βήματα που παραλείφθηκαν";
    }
    return {};
}

std::string rule(CheckId check, const CheckSettings& settings, const NumberLocale& locale) {
    const ThresholdInfo& info = thresholdOf(check);
    const std::string lower = bound(info.lower, locale);
    const std::string upper = bound(info.upper, locale);
    switch (check) {
        case CheckId::froude_min:
            return "Fr ≥ " + lower + " σε κάθε ανυψωτήρα (αδιάστατος)";
        case CheckId::froude_max:
            return "Fr ≤ " + upper + " σε κάθε ανυψωτήρα (αδιάστατος)";
        case CheckId::uniformity:
            return "Παροχή κάθε ανυψωτήρα από Q/N − " + general(std::fabs(*info.lower), locale) +
                   " % έως Q/N + " + upper + " %";
        case CheckId::riser_area:
            return "Εμβαδόν ανυψωτήρων / εμβαδόν αγωγού στον ανυψωτήρα N από " + lower + " έως " +
                   upper + " (αδιάστατος)";
        case CheckId::pipe_velocity:
            return "Μέγιστη ταχύτητα αγωγού κάθε τμήματος ≥ " +
                   general(settings.min_pipe_velocity, locale) + " m/s";
        case CheckId::balance_error:
            return lower + " % ≤ e ≤ " + upper + " %, όπου e = (Qcalc − Q) / Qcalc";
        case CheckId::landward_head:
            return "E ανυψωτήρα N = E ανυψωτήρα 1 + απώλειες τριβής + όροι πυκνότητας "
                   "(ενημερωτικός, m)";
        case CheckId::skipped_steps:
            return "Κανένα βήμα της επίλυσης δεν παραλείπεται";
    }
    return {};
}

std::string source(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Fischer κ.ά. (1979), Mixing in Inland and Coastal Waters";
        case CheckId::froude_max:
            return "Νομογράφημα του Abraham";
        case CheckId::uniformity:
            return "Πρακτική σχεδιασμού διαχυτήρων· η ζώνη ±10 % του παραθύρου γραφικών";
        case CheckId::riser_area:
            return "Rawn, Bowerman και Brooks (1961)· Fischer κ.ά. (1979)";
        case CheckId::pipe_velocity:
            return "Πρακτική σχεδιασμού αγωγών ακαθάρτων";
        case CheckId::balance_error:
            return "Ανοχή του προγράμματος";
        case CheckId::landward_head:
            return "Ισοζύγιο ενέργειας της επίλυσης";
        case CheckId::skipped_steps:
            return "Κανόνας του προγράμματος";
    }
    return {};
}

std::string caption(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
            return "Fr ≥ 1";
        case CheckId::froude_max:
            return "Fr ≤ 10";
        case CheckId::uniformity:
            return "q: Q/N ±10 %";
        case CheckId::riser_area:
            return "Εμβαδά";
        case CheckId::pipe_velocity:
            return "Αυτοκαθαρισμός";
        case CheckId::balance_error:
            return "|e| ≤ 5 %";
        case CheckId::landward_head:
            return "Ισοζύγιο E";
        case CheckId::skipped_steps:
            return "Βήματα";
    }
    return {};
}

std::string summary(const CheckResult& result, const NumberLocale& locale) {
    if (!result.figures) {
        return "Δεν κρίνεται: " + (result.not_judged ? message(*result.not_judged, locale)
                                                     : std::string("χωρίς τιμές"));
    }
    return shownFigures(result, locale);
}

std::string verdict(Verdict verdict, VerdictBasis basis) {
    std::string word;
    switch (verdict) {
        case Verdict::holds:
            word = "Ικανοποιείται";
            break;
        case Verdict::warning:
            word = "Προειδοποίηση";
            break;
        case Verdict::not_judged:
            word = "Δεν κρίνεται";
            break;
    }
    return basis == VerdictBasis::estimate ? word + " (εκτίμηση)" : word;
}

std::string boundedRule(CheckId check, const CheckSettings& settings, const NumberLocale& locale) {
    return rule(check, settings, locale);
}

std::string figures(const CheckResult& result, const NumberLocale& locale) {
    return shownFigures(result, locale);
}

std::string dischargeBrief(const DischargeFailure& failure) {
    return "Δεν υπολογίστηκε η παροχή " + ofRisers(failure.risers);
}

std::string dischargeWhy(const DischargeFailure& failure, const NumberLocale& locale) {
    const auto at = [&](double value, std::string_view pattern) {
        return figure(value, pattern, locale);
    };
    const std::string first = formatCount(failure.risers.front());
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            return "Η ειδική ενέργεια στον ανυψωτήρα " + first +
                   " είναι αρνητική, E = " + at(failure.specific_energy, "0.000000") +
                   " m, και ο τύπος q = Cd · a · (2 g E)^0,5 δεν δίνει τιμή.";
        case DischargeFailure::Kind::velocity_head_above_energy:
            break;
    }
    return "Ο τύπος παροχής της συναρμογής Bell, q = 0,975 (1 − X)^0,375 · a · (2 g E)^0,5, δεν "
           "δίνει τιμή όταν το X, το ύψος ταχύτητας στον αγωγό προς την ειδική ενέργεια, ξεπερνά "
           "το 1. Η παροχή κάθε ανυψωτήρα αναζητείται από δοκιμαστική παροχή " +
           at(failure.trial_discharge, "0.0000") + " m³/s· στον ανυψωτήρα " + first +
           " το ύψος ταχύτητάς της στον αγωγό D = " + at(failure.pipe_diameter, "0.0000") +
           " m ξεπερνά την ειδική ενέργεια E = " + at(failure.specific_energy, "0.000000") +
           " m (X = " + at(failure.x, "0.00") +
           "). Σε αυτή την παροχή το μερίδιο κάθε ανυψωτήρα, Q/N = " +
           at(failure.share, "0.00000") + " m³/s, δίνει πολύ μικρή ειδική ενέργεια.";
}

std::string dischargeChange(const DischargeFailure& failure) {
    switch (failure.kind) {
        case DischargeFailure::Kind::negative_energy:
            return "τις υψομετρικές διαφορές (ανυψωτήρας χαμηλότερα από τον προηγούμενο μειώνει "
                   "την E) ή να αυξήσετε την παροχή.";
        case DischargeFailure::Kind::velocity_head_above_energy:
            break;
    }
    return "λιγότερους ανυψωτήρες ή μικρότερες διαμέτρους ανυψωτήρων (μεγαλύτερη ενέργεια για την "
           "ίδια παροχή), ή μεγαλύτερη παροχή.";
}

std::string dischargeHeading(const DischargeFailure& failure) {
    return dischargeBrief(failure);
}

std::string dischargeNotice(const DischargeFailure& failure, const NumberLocale& locale) {
    return dischargeBrief(failure) + ". " + dischargeWhy(failure, locale) +
           "\nΤι να αλλάξετε: " + dischargeChange(failure);
}

std::string verdictInText(Verdict verdict) {
    switch (verdict) {
        case Verdict::holds:
            return "ικανοποιείται";
        case Verdict::warning:
            return "προειδοποίηση";
        case Verdict::not_judged:
            return "δεν κρίνεται";
    }
    return {};
}

ResultsCsvHeader resultsHeader() {
    return {"ανυψωτήρας",    "E (m)", "Cd", "ταχύτητα αγωγού (m/s)", "ταχύτητα ανυψωτήρα (m/s)",
            "παροχή (m³/s)", "Froude"};
}

ConditionsCsvWords conditionsWords() {
    ConditionsCsvWords words;
    words.q = "Q (m³/s)";
    words.drho = "Δρ/ρ";
    words.qc = "qc (m³/s)";
    words.qcalc = "ΣQ (m³/s)";
    words.balance_error = "e (%)";
    words.landward_head = "E χερσαίου (m)";
    words.froude_min = "Fr ελάχ.";
    words.froude_max = "Fr μέγ.";
    words.q_max = "q μέγ. (m³/s)";
    words.q_min = "q ελάχ. (m³/s)";
    words.skipped_steps = "βήματα που παραλείφθηκαν";
    return words;
}

std::string unit(CheckId check) {
    switch (check) {
        case CheckId::froude_min:
        case CheckId::froude_max:
        case CheckId::riser_area:
            return {};
        case CheckId::uniformity:
            return "% του Q/N";
        case CheckId::pipe_velocity:
            return "m/s";
        case CheckId::balance_error:
            return "%";
        case CheckId::landward_head:
            return "m";
        case CheckId::skipped_steps:
            return "βήματα";
    }
    return {};
}

}  // namespace greek
}  // namespace thalmuro
