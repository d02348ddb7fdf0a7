#include "report.h"

#include <cstdlib>

namespace thalmuro {
namespace {

// One report line, built item by item. An item that cannot be produced marks the line, which
// is then left out whole.
class Line {
  public:
    explicit Line(const NumberLocale& locale) : locale_(locale) {}

    Line& literal(std::string_view text) {
        text_ += text;
        return *this;
    }
    Line& repeated(char c, std::size_t count) {
        text_.append(count, c);
        return *this;
    }
    // An integer: one blank before it unless it is negative, one blank after it.
    Line& integer(long value) {
        if (value >= 0) text_ += ' ';
        text_ += formatCount(value);
        text_ += ' ';
        return *this;
    }
    // A number in the general format, with the same blanks as an integer.
    Line& number(Num value) {
        if (!usable(value)) return *this;
        if (!(value.value() < 0.0)) text_ += ' ';
        text_ += formatGeneral(value.value(), locale_);
        text_ += ' ';
        return *this;
    }
    Line& pattern(Num value, std::string_view pattern) {
        if (usable(value)) text_ += formatPattern(value.value(), pattern, locale_);
        return *this;
    }
    // A text copied from an input box, exactly as typed; nothing when its row does not exist.
    Line& text(const std::string* typed) {
        if (typed == nullptr) {
            usable(Num::failed(Fault::index_outside));
        } else {
            text_ += *typed;
        }
        return *this;
    }

    Fault fault() const { return fault_; }
    const std::string& str() const { return text_; }

  private:
    bool usable(Num value) {
        if (fault_ == Fault::none) fault_ = value.fault();
        return value.ok();
    }

    const NumberLocale& locale_;
    std::string text_;
    Fault fault_ = Fault::none;
};

// The report's wording in one language: its titles, labels, headings and remarks, each with the
// blanks around it. The numbers, the typed texts, the units after them and the separator lines
// are the same in every language, in the same places.
struct ReportLabels {
    // General data.
    std::string_view title;
    std::string_view generalData;
    std::string_view risers;
    std::string_view drho;
    std::string_view sections;
    std::string_view fitting;
    std::string_view manning;
    std::string_view totalDischarge;
    // A section's block.
    std::string_view section;
    std::string_view sectionRisers;
    std::string_view riserRange;  // between the first and the last riser of the section
    std::string_view friction;
    std::string_view spacing;
    std::string_view elevationStep;
    std::string_view pipeDiameter;
    std::string_view riserDiameter;
    // The riser table: its title and two lines of column headings (riser number, specific energy,
    // cd, diffuser velocity, riser velocity, riser discharge, Froude number).
    std::string_view riserTable;
    std::string_view headings;
    std::string_view headingsBelow;
    // Remarks.
    std::string_view remarks;
    std::string_view qcalc;
    std::string_view givenDischarge;  // after Qcalc and its unit, before Q
    std::string_view ratio;
    std::string_view error;
    std::string_view froude;
};

// The report file's wording.
constexpr ReportLabels kGreekLabels{
    "ΑΠΟΤΕΛΕΣΜΑΤΑ ΥΠΟΛΟΓΙΣΜΟΥ ",
    "ΓΕΝΙΚΑ ΣΤΟΙΧΕΙΑ ",
    " Αριθμός Ανυψωτήρων = ",
    "       Δρ/ρ         = ",
    " Αριθμός τμημάτων   = ",
    " Τύπος Συναρμογής     ",
    " Αριθμός Manning    = ",
    " Ολική Παροχή    = ",
    "ΤΜΗΜΑ Νο",
    "Περιλαμβάνει τους ανυψωτήρες: ",
    " έως και ",
    "Συντελεστής τριβών  F= ",
    " Η απόσταση μεταξύ των ανυψωτήρων του τμήματος είναι:  L= ",
    " Η υψωμετρική διαφορά μεταξύ των ανυψωτήρων του τμήματος είναι:  dz= ",
    " Η διάμετρος  του τμήματος είναι: d =",
    " Η διάμετρος των ανυψωτήρων του τμήματος είναι: d =",
    " ΕΠΙΜΕΡΟΥΣ ΣΤΟΙΧΕΙΑ ΓΙΑ ΚΑΘΕ ΑΝΥΨΩΤΗΡΑ ",
    "Αριθμός            Ειδική      Συντελεστής       Ταχύτητα      Ταχύτητα      Παροχή        "
    "Froude",
    "Ανυψωτήρα       Ενέργεια    cd                  Διαχυτήρα      Ανυψωτήρα     Ανυψωτήρα      "
    "Ανυψωτήρα",
    "ΣΧΟΛΙΑ ΥΠΟΛΟΓΙΣΜΟΥ",
    " Με την υπόθεση αυτή μετά τον υπολογισμό η αρχική παροχή προκύπτει Qcalc =",
    "m^3/s .Ενώ η αρχική έιναι Q =",
    " Η παράμετρος x ( x= (Qcalc *Ανυψωτήρες) /q) = ",
    " Δηλαδή έχουμε σφάλμα  e=",
    " Ο πυκνομετρικός αριθμός FROYDE βρέθηκε μεγαλύτερος του 10 στους εξής ανυψωτήρες: ",
};

// The English wording, shown by the English windows. The equals signs of the general data stand
// in one column, and each column heading of the riser table starts over the first figure of its
// column (in the rows of risers 1 to 9; a longer riser number moves its row to the right).
constexpr ReportLabels kEnglishLabels{
    "CALCULATION RESULTS ",
    "GENERAL DATA ",
    " Number of risers   = ",
    "       Δρ/ρ         = ",
    " Number of sections = ",
    " Fitting type         ",
    " Manning number     = ",
    " Total discharge    = ",
    "SECTION",
    "Risers of the section: ",
    " to ",
    "Friction factor  F= ",
    " Riser spacing in the section:  L= ",
    " Elevation difference between successive risers:  dz= ",
    " Pipe diameter of the section: d =",
    " Riser diameter of the section: d =",
    " RESULTS FOR EACH RISER ",
    "Riser                  Specific      Discharge   Diffuser       Riser          Riser          "
    "  "
    "Froude",
    "number                 energy        coeff. Cd   velocity       velocity       discharge      "
    "  "
    "number",
    "REMARKS ON THE CALCULATION",
    " With this assumption the calculated total discharge is Qcalc =",
    "m^3/s, while the given total discharge is Q =",
    " The parameter x ( x= (Qcalc *risers) /q) = ",
    " That is, an error of  e=",
    " The densimetric Froude number was found greater than 10 at the following risers: ",
};

class Writer {
  public:
    Writer(const NumberLocale& locale, const ReportLabels& labels, Diagnostics& diagnostics)
        : locale_(locale), labels_(labels), diagnostics_(diagnostics) {}

    const ReportLabels& labels() const { return labels_; }

    Line line() const { return Line(locale_); }

    // Writes the line, or leaves it out and records it as a report line under `name` when an
    // item failed.
    void put(const Line& line, const StepName& name = {}, bool lineEnd = true) {
        if (line.fault() != Fault::none) {
            diagnostics_.record(
                {"report: " + name.text, StepKind::report_line, name.riser, name.section},
                line.fault());
            return;
        }
        out_ += line.str();
        if (lineEnd) out_ += "\r\n";
    }
    void put(std::string_view literal) { put(line().literal(literal)); }
    void separator(char c, std::size_t count) { put(line().repeated(c, count)); }

    std::string take() { return std::move(out_); }

  private:
    const NumberLocale& locale_;
    const ReportLabels& labels_;
    Diagnostics& diagnostics_;
    std::string out_;
};

std::string numbered(const char* what, long number) {
    return std::string(what) + " " + std::to_string(number);
}

// A report line that belongs to a riser or a section, or to neither.
StepName reportLine(std::string text, long riser = 0, long section = 0) {
    return {std::move(text), StepKind::report_line, static_cast<int>(riser),
            static_cast<int>(section)};
}

// General data: the counts, Δρ/ρ, the fitting, the Manning number and Q.
void writeGeneralData(Writer& w, const SharedState& state, const SolveWork& work) {
    const ReportLabels& say = w.labels();
    const DiffuserResults& r = state.results;
    const long n = r.n_risers;
    const long sections = state.tmimata;
    const Num q = r.q_total;
    w.put(say.title);
    w.separator('*', 43);
    w.put(say.generalData);
    w.put(w.line().literal(say.risers).integer(n));
    w.put(w.line().literal(say.drho).text(&r.drho));
    w.put(w.line().literal(say.sections).integer(sections));
    w.put(w.line().literal(say.fitting).literal(nameOf(work.fitting)));
    w.put(w.line().literal(say.manning).text(&state.manning));
    w.put(w.line().literal(say.totalDischarge).number(q).literal(" m^3/s"),
          reportLine("total discharge"));
    w.separator('*', 53);
}

// One block per section. Sections beyond the 30 table rows have no texts and no friction
// factor: their lines are left out, and named once for all of them.
void writeSections(Writer& w, const SharedState& state, const SolveWork& work) {
    const ReportLabels& say = w.labels();
    const DiffuserResults& r = state.results;
    const long sections = state.tmimata;
    for (long s = 1; s <= sections; ++s) {
        const bool stored = s <= kSectionRows;
        const RowCopy* row = stored ? &work.rows[static_cast<std::size_t>(s - 1)] : nullptr;
        const SectionRow* texts = row != nullptr ? &row->texts : nullptr;
        const auto name = [&](const char* line) {
            return stored ? reportLine(numbered("section", s) + " " + line, 0, s)
                          : reportLine(numbered("sections beyond", kSectionRows) + " " + line, 0,
                                       kSectionRows + 1);
        };
        w.put(w.line().literal(say.section).integer(s));
        w.put(w.line()
                  .literal(say.sectionRisers)
                  .text(texts ? &texts->first_riser : nullptr)
                  .literal(say.riserRange)
                  .text(texts ? &texts->last_riser : nullptr),
              name("risers"));
        w.put(w.line().literal(say.friction).pattern(at(r.f_section, s - 1), "0.00001"),
              name("friction factor"));
        w.put(w.line().literal(say.spacing).text(texts ? &texts->spacing : nullptr).literal(" m"),
              name("spacing"));
        w.put(w.line()
                  .literal(say.elevationStep)
                  .text(texts ? &texts->elevation_step : nullptr)
                  .literal(" m"),
              name("elevation step"));
        w.put(w.line()
                  .literal(say.pipeDiameter)
                  .text(texts ? &texts->pipe_diameter : nullptr)
                  .literal("m"),
              name("pipe diameter"));
        w.put(w.line()
                  .literal(say.riserDiameter)
                  .number(row ? Num(row->riser_diameter) : Num::failed(Fault::index_outside))
                  .literal("m"),
              name("riser diameter"));
        w.separator('^', 92);
    }
}

// The riser table: a row per riser under two lines of column headings.
void writeRiserTable(Writer& w, const DiffuserResults& r) {
    const ReportLabels& say = w.labels();
    const long n = r.n_risers;
    w.separator('#', 45);
    w.put(" ");
    w.put(say.riserTable);
    w.put(" ");
    w.separator('#', 45);
    w.put(say.headings);
    w.put(say.headingsBelow);
    w.separator('_', 85);
    for (long k = 1; k <= n; ++k) {
        const long i = k - 1;
        w.put(w.line()
                  .integer(k)
                  .repeated(' ', 20)
                  .pattern(at(r.specific_energy, i), "0.00000")
                  .literal("m      ")
                  .pattern(at(r.cd, i), "0.00000")
                  .repeated(' ', 5)
                  .pattern(at(r.v_diffuser, i), "0.00000")
                  .literal("m/s     ")
                  .pattern(at(r.v_riser, i), "0.00000")
                  .literal("m/s     ")
                  .pattern(at(r.q_riser, i), "0.00000")
                  .literal("m^3/s  ")
                  .repeated(' ', 3)
                  .pattern(at(r.froude, i), "0.00000"),
              k <= kMaxRisers
                  ? reportLine(numbered("row of riser", k), k)
                  : reportLine(numbered("rows of risers beyond", kMaxRisers), kMaxRisers + 1));
        w.separator('_', 85);
    }
}

// Remarks on the balance of discharges and the Froude criterion.
void writeRemarks(Writer& w, const DiffuserResults& r, const Balance& balance,
                  const NumberLocale& locale) {
    const ReportLabels& say = w.labels();
    const long n = r.n_risers;
    const Num q = r.q_total;
    const Num qcalc = balance.qcalc;
    w.put("");
    w.put("");
    w.put(say.remarks);
    w.put(w.line()
              .literal(say.qcalc)
              .pattern(qcalc, "0.00001")
              .literal(say.givenDischarge)
              .number(q)
              .literal("m^3/s"),
          reportLine("Qcalc"));
    const Num x = Num(balance.qc) * Num(static_cast<double>(n)) / q;
    w.put(w.line().literal(say.ratio).pattern(x, "0.000"), reportLine("ratio x"));
    // The error is printed as the text of its rounded value, read back and turned into a
    // positive percentage.
    const Num e = (qcalc - q) / qcalc;
    Num percent = e;
    if (e.ok()) {
        const std::optional<double> rounded =
            readLocaleNumber(formatPattern(e.value(), "0.001", locale), locale);
        percent =
            rounded ? Num(std::abs(*rounded)) * Num(100.0) : Num::failed(Fault::unreadable_text);
    }
    w.put(w.line().literal(say.error).number(percent).literal("%"), reportLine("error e"));
    w.put(say.froude);
    Line froudeList = w.line();
    for (long k = 1; k <= n; ++k) {
        if (greater(at(r.froude, k - 1), Num(10.0))) froudeList.integer(k);
    }
    w.put(froudeList, {}, false);
}

}  // namespace

std::string ResultsReport::text(Diagnostics& diagnostics, ReportLanguage language) const {
    Writer w(locale_, language == ReportLanguage::english ? kEnglishLabels : kGreekLabels,
             diagnostics);
    writeGeneralData(w, state_, work_);
    writeSections(w, state_, work_);
    writeRiserTable(w, state_.results);
    writeRemarks(w, state_.results, balance_, locale_);
    return w.take();
}

namespace {

class EngineCategory final : public std::error_category {
  public:
    const char* name() const noexcept override { return "thalmuro"; }
    std::string message(int value) const override {
        switch (static_cast<EngineError>(value)) {
            case EngineError::no_converter:
                return "the C library has no Windows-1253 converter";
        }
        return "unknown error";
    }
};

}  // namespace

const std::error_category& engineCategory() {
    static const EngineCategory category;
    return category;
}

std::error_code make_error_code(EngineError error) {
    return {static_cast<int>(error), engineCategory()};
}

std::error_code writeReport(const std::string& path, const Report& report) {
    if (!report.bytes) return EngineError::no_converter;
    return writeFileSafely(path, *report.bytes);
}

}  // namespace thalmuro
