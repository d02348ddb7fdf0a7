// Operating conditions: the design solved over a range of total discharges and density
// differences. Each condition is a whole Solve of the problem with its Q and Δρ/ρ boxes
// rewritten, on shared variables of its own, so that no condition sees what another (or the
// program's own last Solve) left in the results store; the conditions are spread over worker
// threads that take the next unsolved condition from one shared counter.

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "solving.h"
#include "thalmuro/engine.h"

namespace thalmuro {
namespace {

// The numbers of a list of conditions are written with "." whatever the user's format.
const NumberLocale kPoint{".", ""};

constexpr std::array<double, 5> kDefaultMultiples{0.25, 0.5, 0.75, 1.0, 1.25};

// `factor` x the problem's own value; 1 x is the value itself, exactly.
double multipleOf(double factor, double own) {
    return factor == 1.0 ? own : asWritten(factor * own);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t at) {
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

// The length of the NUMBER at the start of `text`, 0 when there is none. A "." is part of the
// number only when a digit follows it, so that "1..2" is the range from 1 to 2.
std::size_t numberLength(std::string_view text) {
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    const std::size_t digits = at;
    at = digitsFrom(text, at);
    if (at == digits) return 0;
    if (at + 1 < text.size() && text[at] == '.' && isDigit(text[at + 1])) {
        at = digitsFrom(text, at + 1);
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        const std::size_t end = digitsFrom(text, exponent);
        if (end > exponent) at = end;
    }
    return at;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A VALUE of the list: a number, or a multiple of the problem's own value.
struct Value {
    double number = 0.0;
    bool multiple = false;
};

// Reads a VALUE from the start of `text` and moves `text` past it.
std::optional<Value> takeValue(std::string_view& text) {
    const std::size_t length = numberLength(text);
    if (length == 0) return std::nullopt;
    const std::optional<double> number = readLocaleNumber(text.substr(0, length), kPoint);
    if (!number) return std::nullopt;
    text.remove_prefix(length);
    Value value{*number, false};
    if (!text.empty() && text.front() == 'x') {
        value.multiple = true;
        text.remove_prefix(1);
    }
    return value;
}

// One quantity of a list of conditions (Q or Δρ/ρ) and the values given for it.
class Quantity {
  public:
    Quantity(std::string_view name, std::optional<double> own) : name_(name), own_(own) {}

    std::string_view name() const { return name_; }
    bool given() const { return given_; }
    const std::vector<double>& values() const { return values_; }

    // Reads LIST; the message says what is wrong with it.
    std::optional<Message> readList(std::string_view list) {
        given_ = true;
        std::size_t number = 1;
        for (;;) {
            const std::size_t comma = list.find(',');
            const std::string_view item = trimmed(list.substr(0, comma));
            if (item.empty()) {
                Message empty = fault(MessageKind::condition_item_empty);
                empty.count = static_cast<long>(number);
                return empty;
            }
            if (std::optional<Message> wrong = readItem(item)) return wrong;
            if (comma == std::string_view::npos) return std::nullopt;
            list.remove_prefix(comma + 1);
            ++number;
        }
    }

    // The values of a PART that was not given.
    std::optional<Message> takeDefault(const std::vector<double>& factors) {
        if (!own_) return fault(MessageKind::condition_own_unreadable);
        for (const double factor : factors)
            values_.push_back(multipleOf(factor, *own_));
        if (firstBadValue(0)) {
            Message notPositive = fault(MessageKind::condition_defaults_not_positive);
            notPositive.value = *own_;
            return notPositive;
        }
        return std::nullopt;
    }

  private:
    Message fault(MessageKind kind) const {
        Message message;
        message.kind = kind;
        message.key = std::string(name_);
        return message;
    }

    Message itemFault(std::string_view item, MessageKind kind) const {
        Message message = fault(kind);
        message.text = std::string(item);
        return message;
    }

    std::optional<double> resolved(const Value& value) const {
        if (!value.multiple) return value.number;
        if (!own_) return std::nullopt;
        return multipleOf(value.number, *own_);
    }

    std::optional<Message> readItem(std::string_view item) {
        constexpr MessageKind unreadable = MessageKind::condition_item_unreadable;
        std::string_view rest = item;
        const std::optional<Value> first = takeValue(rest);
        if (!first) return itemFault(item, unreadable);
        std::optional<Value> last;
        std::size_t count = 1;
        if (!rest.empty()) {
            if (rest.substr(0, 2) != "..") return itemFault(item, unreadable);
            rest.remove_prefix(2);
            last = takeValue(rest);
            if (!last || rest.empty() || rest.front() != '/') return itemFault(item, unreadable);
            rest.remove_prefix(1);
            if (rest.empty() || digitsFrom(rest, 0) != rest.size()) {
                return itemFault(item, MessageKind::condition_count_not_whole);
            }
            const std::from_chars_result read =
                std::from_chars(rest.data(), rest.data() + rest.size(), count);
            // A count too large to hold is too many conditions as well.
            if (read.ec != std::errc() || count > kMaxConditions) count = kMaxConditions + 1;
            if (count < 2) return itemFault(item, MessageKind::condition_count_below_two);
        }
        if (count > kMaxConditions - values_.size()) {
            return itemFault(item, MessageKind::condition_values_too_many);
        }

        const std::optional<double> from = resolved(*first);
        const std::optional<double> to = last ? resolved(*last) : from;
        if (!from || !to) {
            return itemFault(item, MessageKind::condition_multiple_unreadable);
        }
        const std::size_t start = values_.size();
        values_.push_back(*from);
        // The points inside a range: the multiples are spread between the two factors when
        // both ends are multiples, so that a range through 1x meets the problem's own value.
        // Each point is a weighted mean of the ends, which cannot overflow between finite ends.
        const bool multiples = first->multiple && last && last->multiple;
        const double a = multiples ? first->number : *from;
        const double b = multiples ? last->number : *to;
        const double steps = static_cast<double>(count - 1);
        for (std::size_t i = 1; i + 1 < count; ++i) {
            const double k = static_cast<double>(i);
            const double point = a * ((steps - k) / steps) + b * (k / steps);
            values_.push_back(multiples ? multipleOf(point, *own_) : asWritten(point));
        }
        if (count > 1) values_.push_back(*to);

        if (const std::optional<double> bad = firstBadValue(start)) {
            Message notPositive = itemFault(item, MessageKind::condition_value_not_positive);
            notPositive.value = *bad;
            return notPositive;
        }
        return std::nullopt;
    }

    // The first value from `start` on that is not a positive number.
    std::optional<double> firstBadValue(std::size_t start) const {
        for (std::size_t i = start; i < values_.size(); ++i) {
            if (!(values_[i] > 0.0) || !std::isfinite(values_[i])) return values_[i];
        }
        return std::nullopt;
    }

    std::string_view name_;
    std::optional<double> own_;
    bool given_ = false;
    std::vector<double> values_;
};

// The condition's figures from the results store and the outcome of its Solve.
void takeFigures(const SharedState& state, const SolveOutcome& outcome, ConditionResult& result) {
    const DiffuserResults& r = state.results;
    result.balance = outcome.balance;
    result.skipped_steps = static_cast<std::size_t>(skippedStepCount(outcome.skipped));
    const double qcalc = outcome.balance.qcalc;
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    result.balance_error = qcalc != 0.0 ? (qcalc - r.q_total) / qcalc * 100.0 : notANumber;
    if (r.n_risers < 1 || r.n_risers > kMaxRisers) {
        result.landward_head = result.froude_min = result.froude_max = notANumber;
        result.q_max = result.q_min = notANumber;
        return;
    }
    const auto n = static_cast<std::size_t>(r.n_risers);
    result.landward_head = r.specific_energy[n - 1];
    const auto [froudeMin, froudeMax] = std::minmax_element(r.froude.begin(), r.froude.begin() + n);
    result.froude_min = *froudeMin;
    result.froude_max = *froudeMax;
    const auto [qMin, qMax] = std::minmax_element(r.q_riser.begin(), r.q_riser.begin() + n);
    result.q_min = *qMin;
    result.q_max = *qMax;
}

// One run of solveConditions: the work queue, the stop and the first error of a worker.
class ConditionsRun {
  public:
    ConditionsRun(const DiffuserInput& problem, const std::vector<OperatingCondition>& conditions,
                  const NumberLocale& locale, const CheckSettings& settings,
                  ConditionsProgress* progress)
        : problem_(problem),
          conditions_(conditions),
          locale_(locale),
          settings_(settings),
          progress_(progress),
          ownQ_(readLocaleNumber(problem.total_discharge, locale)),
          ownDrho_(readLocaleNumber(problem.drho, locale)),
          results_(conditions.size()) {
        for (std::size_t i = 0; i < conditions.size(); ++i)
            results_[i].condition = conditions[i];
    }

    // What a worker thread runs: conditions from the queue until it is empty or the run stops.
    // An exception (memory running out) stops the run and is passed on to the caller.
    void work() noexcept {
        try {
            for (;;) {
                if (stopped_.load()) return;
                const std::size_t index = next_.fetch_add(1);
                if (index >= conditions_.size()) return;
                // A condition whose balancing the stop cut short is not done, and the host,
                // which stopped the run, is not asked again.
                if (!solve(index)) return;
                const std::size_t done = done_.fetch_add(1) + 1;
                if (progress_ && !progress_->keepGoing(done, conditions_.size())) stop();
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(errorMutex_);
            if (!error_) error_ = std::current_exception();
            stop();
        }
    }

    std::vector<ConditionResult> take() {
        if (error_) std::rethrow_exception(error_);
        return std::move(results_);
    }

  private:
    // Asked after every pass of a condition's optimised balancing that would be followed by
    // another: the run's stop ends it, the host may bound it.
    class Balancing final : public BalancingProgress {
      public:
        Balancing(ConditionsRun& run, std::size_t index) : run_(run), index_(index) {}

        bool keepBalancing(long passesRun) override {
            ConditionsProgress* progress = run_.progress_;
            if (!run_.stopped_.load() &&
                (!progress || progress->keepGoing(run_.done_.load(), run_.conditions_.size()))) {
                return !progress || progress->keepBalancing(index_, passesRun);
            }
            run_.stop();
            stoppedRun_ = true;
            return false;
        }

        bool stoppedRun() const { return stoppedRun_; }

      private:
        ConditionsRun& run_;
        std::size_t index_;
        bool stoppedRun_ = false;
    };

    void stop() { stopped_.store(true); }

    // Solves condition `index`; false when the run's stop cut its balancing short.
    bool solve(std::size_t index) {
        const OperatingCondition& condition = conditions_[index];
        DiffuserInput input = problem_;
        if (!(ownQ_ && *ownQ_ == condition.q)) {
            input.total_discharge = formatGeneral(condition.q, locale_);
        }
        if (!(ownDrho_ && *ownDrho_ == condition.drho)) {
            input.drho = formatGeneral(condition.drho, locale_);
        }
        // Fresh shared variables, as the program has them when it starts.
        const auto state = std::make_unique<SharedState>();
        Balancing balancing(*this, index);
        const SolveOutcome outcome =
            solveDesign(input, *state, locale_, &balancing, ReportWanted::no);
        if (balancing.stoppedRun()) return false;
        ConditionResult& result = results_[index];
        takeFigures(*state, outcome, result);
        result.checks = checkDesign(input, *state, outcome, locale_, settings_);
        result.solved = true;
        return true;
    }

    const DiffuserInput& problem_;
    const std::vector<OperatingCondition>& conditions_;
    const NumberLocale& locale_;
    const CheckSettings& settings_;
    ConditionsProgress* progress_;
    std::optional<double> ownQ_;
    std::optional<double> ownDrho_;
    std::vector<ConditionResult> results_;
    std::atomic<std::size_t> next_{0};
    std::atomic<std::size_t> done_{0};
    std::atomic<bool> stopped_{false};
    std::mutex errorMutex_;
    std::exception_ptr error_;
};

}  // namespace

std::optional<std::vector<OperatingCondition>> defaultConditions(const DiffuserInput& problem,
                                                                 const NumberLocale& locale) {
    const std::optional<double> q = readLocaleNumber(problem.total_discharge, locale);
    const std::optional<double> drho = readLocaleNumber(problem.drho, locale);
    if (!q || !drho) return std::nullopt;
    std::vector<OperatingCondition> conditions;
    for (const double factor : kDefaultMultiples)
        conditions.push_back({multipleOf(factor, *q), *drho});
    return conditions;
}

std::optional<Message> checkConditions(const std::vector<OperatingCondition>& conditions) {
    const auto fault = [](MessageKind kind, std::size_t row = 0) {
        Message message;
        message.kind = kind;
        message.row = static_cast<int>(row);
        return message;
    };
    if (conditions.empty()) return fault(MessageKind::conditions_empty);
    if (conditions.size() > kMaxConditions) return fault(MessageKind::conditions_too_many);
    const auto positive = [](double value) { return value > 0.0 && std::isfinite(value); };
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        if (!positive(conditions[i].q)) return fault(MessageKind::condition_q_not_positive, i + 1);
        if (!positive(conditions[i].drho)) {
            return fault(MessageKind::condition_drho_not_positive, i + 1);
        }
    }
    return std::nullopt;
}

std::variant<std::vector<OperatingCondition>, Message> parseConditionSpec(
    std::string_view spec, const DiffuserInput& problem, const NumberLocale& locale) {
    Quantity q("Q", readLocaleNumber(problem.total_discharge, locale));
    Quantity drho("drho", readLocaleNumber(problem.drho, locale));
    const auto fault = [](MessageKind kind) {
        Message message;
        message.kind = kind;
        return message;
    };
    if (trimmed(spec).empty()) return fault(MessageKind::conditions_empty);
    std::size_t number = 1;
    for (;;) {
        const std::size_t semicolon = spec.find(';');
        const std::string_view part = trimmed(spec.substr(0, semicolon));
        if (part.empty()) {
            Message empty = fault(MessageKind::condition_part_empty);
            empty.count = static_cast<long>(number);
            return empty;
        }
        const std::size_t equals = part.find('=');
        const std::string_view name = trimmed(part.substr(0, equals));
        Quantity* quantity = name == q.name() ? &q : name == drho.name() ? &drho : nullptr;
        if (equals == std::string_view::npos || !quantity) {
            Message unknown = fault(MessageKind::condition_part_unknown);
            unknown.text = std::string(part);
            return unknown;
        }
        if (quantity->given()) {
            Message repeated = fault(MessageKind::condition_part_repeated);
            repeated.key = std::string(name);
            return repeated;
        }
        if (std::optional<Message> wrong = quantity->readList(part.substr(equals + 1))) {
            return *std::move(wrong);
        }
        if (semicolon == std::string_view::npos) break;
        spec.remove_prefix(semicolon + 1);
        ++number;
    }
    if (!q.given()) {
        if (std::optional<Message> wrong =
                q.takeDefault({kDefaultMultiples.begin(), kDefaultMultiples.end()})) {
            return *std::move(wrong);
        }
    }
    if (!drho.given()) {
        if (std::optional<Message> wrong = drho.takeDefault({1.0})) return *std::move(wrong);
    }

    const std::size_t count = q.values().size() * drho.values().size();
    if (count > kMaxConditions) {
        Message tooMany = fault(MessageKind::conditions_product_too_many);
        tooMany.numbers = {static_cast<int>(q.values().size()),
                           static_cast<int>(drho.values().size())};
        tooMany.count = static_cast<long>(count);
        return tooMany;
    }
    std::vector<OperatingCondition> conditions;
    conditions.reserve(count);
    for (const double d : drho.values()) {
        for (const double discharge : q.values())
            conditions.push_back({discharge, d});
    }
    return conditions;
}

std::vector<ConditionResult> solveConditions(const DiffuserInput& problem,
                                             const std::vector<OperatingCondition>& conditions,
                                             const NumberLocale& locale,
                                             const CheckSettings& settings, unsigned threads,
                                             ConditionsProgress* progress) {
    ConditionsRun run(problem, conditions, locale, settings, progress);
    std::size_t workers = threads != 0 ? threads : std::thread::hardware_concurrency();
    workers = std::clamp<std::size_t>(workers, 1, std::max<std::size_t>(conditions.size(), 1));
    // The calling thread is one of the workers; a thread the system cannot start leaves its
    // share to the others.
    std::vector<std::thread> helpers;
    for (std::size_t i = 1; i < workers; ++i) {
        try {
            helpers.emplace_back([&run] { run.work(); });
        } catch (const std::system_error&) {
            break;
        }
    }
    run.work();
    for (std::thread& helper : helpers)
        helper.join();
    return run.take();
}

std::string conditionsCsv(const std::vector<ConditionResult>& results, const NumberLocale& locale,
                          const ConditionsCsvWords& words) {
    const std::string separator = locale.decimal_separator == "," ? ";" : ",";
    const auto number = [&](double value) {
        return std::isfinite(value) ? formatGeneral(value, locale) : std::string();
    };
    std::vector<std::string> header{words.q,          words.drho,          words.qc,
                                    words.qcalc,      words.balance_error, words.landward_head,
                                    words.froude_min, words.froude_max,    words.q_max,
                                    words.q_min};
    header.insert(header.end(), words.checks.begin(), words.checks.end());
    header.push_back(words.skipped_steps);

    std::string csv;
    const auto addLine = [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) csv += separator;
            csv += fields[i];
        }
        csv += "\r\n";
    };
    addLine(header);
    for (const ConditionResult& r : results) {
        if (!r.solved) continue;
        std::vector<std::string> fields{
            number(r.condition.q),   number(r.condition.drho), number(r.balance.qc),
            number(r.balance.qcalc), number(r.balance_error),  number(r.landward_head),
            number(r.froude_min),    number(r.froude_max),     number(r.q_max),
            number(r.q_min),
        };
        for (std::size_t i = 0; i < kCheckCount; ++i) {
            fields.emplace_back(i < r.checks.size()
                                    ? words.verdicts[static_cast<std::size_t>(r.checks[i].verdict)]
                                    : std::string());
        }
        fields.push_back(formatCount(static_cast<long>(r.skipped_steps)));
        addLine(fields);
    }
    return csv;
}

}  // namespace thalmuro
