#include "sizing_tab.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

#include "check_texts.h"
#include "language.h"
#include "sizing_chart.h"
#include "window_controls.h"

namespace thalmuro {

// One sizing: what the worker thread sizes, how far it has got, whether it is to stop, and what
// it found. The worker and the tab share it; the result is read only once the worker has
// finished.
struct SizingRun : SizingProgress {
    SizingRun(DiffuserInput problemToSize, SizingGoals sizingGoals, std::vector<double> diameters,
              NumberLocale locale, int designNumber)
        : problem(std::move(problemToSize)),
          goals(std::move(sizingGoals)),
          candidates(std::move(diameters)),
          numberLocale(std::move(locale)),
          design(designNumber) {}

    bool keepGoing(long designsWeighed, double fraction) override {
        // The workers report in any order; the tab shows the furthest.
        long seen = weighed.load();
        while (designsWeighed > seen && !weighed.compare_exchange_weak(seen, designsWeighed)) {
        }
        double shown = done.load();
        while (fraction > shown && !done.compare_exchange_weak(shown, fraction)) {
        }
        return !stopRequested.load();
    }

    const DiffuserInput problem;
    const SizingGoals goals;
    const std::vector<double> candidates;
    const NumberLocale numberLocale;
    const int design;
    std::atomic<long> weighed{0};
    std::atomic<double> done{0.0};
    std::atomic<bool> stopRequested{false};
    SizingResult result;
};

namespace {

// How the text of a goal's box is read.
enum class Reading {
    number,    // a number in the regional format
    fraction,  // a number, or a fraction "1/3" of two
    count,     // a whole number
    list,      // numbers separated by ";" or blanks
};

struct GoalBoxInfo {
    const char* name;
    const char* caption;
    Reading reading;
    double example;  // what the box's hint offers as an example of what it reads
};

constexpr GoalBoxInfo kGoalBoxInfo[] = {
    {"anochi", QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Ανοχή παροχής ανυψωτήρα (± % του Q/N):"),
     Reading::number, 5.0},
    {"xamili_paroxi", QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Χαμηλή παροχή Q (m³/s):"),
     Reading::number, 0.1},
    {"xamili_paroxi_drho", QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Δρ/ρ στη χαμηλή παροχή:"),
     Reading::number, 0.0307},
    {"froude_elaxisto",
     QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Ελάχιστος Froude στη χαμηλή παροχή:"),
     Reading::number, 1.0},
    {"froude_megisto",
     QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Μέγιστος Froude στην παροχή σχεδιασμού:"),
     Reading::number, 10.0},
    {"logos_epifaneion_apo",
     QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Λόγος επιφανειών ανυψωτήρων / αγωγού, από:"),
     Reading::fraction, 0.3},
    {"logos_epifaneion_eos", QT_TRANSLATE_NOOP("thalmuro::SizingTab", "έως:"), Reading::fraction,
     0.7},
    {"megistes_grammes",
     QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Γραμμές του πίνακα τμημάτων, έως:"), Reading::count,
     30.0},
    {"ypopsifies_diametroi",
     QT_TRANSLATE_NOOP("thalmuro::SizingTab", "Υποψήφιες διάμετροι ανυψωτήρων d (m):"),
     Reading::list, 0.15},
};

// The columns of the sections' table.
enum SectionColumn { kSection, kRisers, kPipe, kCurrent, kProposed, kSectionColumns };

// The rows of the comparison after the goals' own.
enum ComparisonRow {
    kSpread = static_cast<int>(kSizingGoalCount),
    kDesignFroude,
    kLowFlowFroude,
    kAreaRatio,
    kLandwardHead,
    kCrossCheck,
    kDesignWarnings,
    kLowFlowWarnings,
    kComparisonRows
};

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

QPushButton* button(const QString& name) {
    return named(new QPushButton, name);
}

QString worded(const std::string& text) {
    return QString::fromStdString(text);
}

// The parts of a list of candidates: numbers separated by ";" or blanks.
QStringList listParts(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

// A number, or a fraction of two numbers, as the area-ratio boxes take it.
std::optional<double> readFraction(const QString& text, const NumberLocale& locale) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() == 1) return readLocaleNumber(text.toStdString(), locale);
    if (parts.size() != 2) return std::nullopt;
    const std::optional<double> over = readLocaleNumber(parts[0].toStdString(), locale);
    const std::optional<double> under = readLocaleNumber(parts[1].toStdString(), locale);
    if (!over || !under || *under == 0.0) return std::nullopt;
    return *over / *under;
}

std::optional<double> readBoxText(const QString& text, Reading reading,
                                  const NumberLocale& locale) {
    switch (reading) {
        case Reading::number:
            return readLocaleNumber(text.toStdString(), locale);
        case Reading::fraction:
            return readFraction(text, locale);
        case Reading::count: {
            const std::optional<double> value = readLocaleNumber(text.toStdString(), locale);
            if (!value || std::trunc(*value) != *value || std::fabs(*value) > 1e6)
                return std::nullopt;
            return value;
        }
        case Reading::list:
            break;
    }
    return std::nullopt;
}

// "1–10" for a run of risers, "5" for one.
QString riserSpan(int first, int last) {
    return first == last ? QString::number(first) : QStringLiteral("%1–%2").arg(first).arg(last);
}

// A figure with a pattern of the number rules, a dash when it is not a number.
QString figure(double value, std::string_view pattern, const NumberLocale& locale) {
    return std::isfinite(value) ? number(value, pattern, locale) : QStringLiteral("—");
}

void paintLabel(QLabel* label, Verdict verdict) {
    const VerdictLook look = verdictLook(verdict);
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; padding: 3px 6px; }")
                             .arg(look.background.name(), look.text.name()));
}

}  // namespace

SizingTab::SizingTab(NumberLocale numberLocale, QWidget* parent)
    : QWidget(parent), numberLocale_(std::move(numberLocale)) {
    setObjectName(QStringLiteral("diastasiologisi"));
    // Above, the goals and how the proposal fares beside the design as typed; below, the
    // diameters of each section (as wide as its texts, see showSections) and the discharges.
    auto* splitter = new QSplitter(Qt::Vertical);
    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(createGoalsPanel());
    topLayout->addWidget(createResultsPanel(), 1);
    splitter->addWidget(top);
    auto* bottom = new QSplitter(Qt::Horizontal);
    bottom->setChildrenCollapsible(false);
    bottom->addWidget(createSectionsTable());
    chart_ = named(new SizingChart(numberLocale_), QStringLiteral("diagramma_diastasiologisis"));
    bottom->addWidget(chart_);
    bottom->setStretchFactor(1, 1);
    splitter->addWidget(bottom);
    splitter->setSizes({430, 270});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(createRunRow());

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &SizingTab::showProgress);
    fillDefaults();
    retranslate();
}

SizingTab::~SizingTab() {
    if (worker_ != nullptr) {
        run_->stopRequested = true;
        worker_->wait();
    }
}

QString SizingTab::title() {
    return tr("Διαστασιολόγηση Ανυψωτήρων");
}

QWidget* SizingTab::createGoalsPanel() {
    goalsBox_ = named(new QGroupBox, QStringLiteral("stoxoi"));
    auto* layout = new QVBoxLayout(goalsBox_);
    auto* grid = new QGridLayout;
    for (int box = 0; box < kGoalBoxes; ++box) {
        const GoalBoxInfo& info = kGoalBoxInfo[box];
        const QString name = QString::fromLatin1(info.name);
        goalCaptions_[box] = new QLabel;
        goalBoxes_[box] = named(new QLineEdit, name);
        goalHints_[box] = named(new QLabel, name + QStringLiteral("_ypodeixi"));
        goalHints_[box]->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
        goalHints_[box]->setWordWrap(true);
        goalHints_[box]->hide();
        goalCaptions_[box]->setBuddy(goalBoxes_[box]);
        connect(goalBoxes_[box], &QLineEdit::textChanged, this, &SizingTab::showHints);
        if (box == kCandidates) continue;
        goalBoxes_[box]->setMaximumWidth(90);
        const int row = 2 * box;
        grid->addWidget(goalCaptions_[box], row, 0);
        grid->addWidget(goalBoxes_[box], row, 1);
        grid->addWidget(goalHints_[box], row + 1, 0, 1, 2);
    }
    for (const int box : {kLowFlowQ, kLowFlowDrho}) {
        connect(goalBoxes_[box], &QLineEdit::textEdited, this,
                [this] { lowFlowIsDefault_ = false; });
    }
    layout->addLayout(grid);

    // The candidates take the panel's width: a list of diameters is longer than a figure.
    layout->addWidget(goalCaptions_[kCandidates]);
    layout->addWidget(goalBoxes_[kCandidates]);
    layout->addWidget(goalHints_[kCandidates]);
    candidatesNote_ = new QLabel;
    candidatesNote_->setWordWrap(true);
    layout->addWidget(candidatesNote_);

    defaultsButton_ = button(QStringLiteral("proepiloges"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(defaultsButton_);
    layout->addLayout(buttons);
    layout->addStretch();
    connect(defaultsButton_, &QPushButton::clicked, this, &SizingTab::fillDefaults);
    goalsBox_->setFixedWidth(370);
    return goalsBox_;
}

QWidget* SizingTab::createResultsPanel() {
    resultsBox_ = named(new QGroupBox, QStringLiteral("apotelesmata_diastasiologisis"));
    auto* layout = new QVBoxLayout(resultsBox_);
    outdatedMark_ = named(new QLabel, QStringLiteral("palaia_apotelesmata"));
    outdatedMark_->setWordWrap(true);
    paintLabel(outdatedMark_, Verdict::warning);
    outdatedMark_->hide();
    layout->addWidget(outdatedMark_);
    outcome_ = named(new QLabel, QStringLiteral("ekvasi"));
    outcome_->setWordWrap(true);
    outcome_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    outcome_->hide();
    layout->addWidget(outcome_);

    comparisonTable_ = named(new QTableWidget(kComparisonRows, 2), QStringLiteral("sygkrisi"));
    comparisonTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    comparisonTable_->setWordWrap(true);
    comparisonTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    comparisonTable_->verticalHeader()->setMaximumWidth(240);
    layout->addWidget(comparisonTable_, 1);

    methodNote_ = named(new QLabel, QStringLiteral("methodos"));
    methodNote_->setWordWrap(true);
    layout->addWidget(methodNote_);
    tableNote_ = named(new QLabel, QStringLiteral("efarmogi_simeiosi"));
    tableNote_->setWordWrap(true);
    paintLabel(tableNote_, Verdict::not_judged);
    tableNote_->hide();
    layout->addWidget(tableNote_);
    return resultsBox_;
}

QWidget* SizingTab::createSectionsTable() {
    sectionsTable_ =
        named(new QTableWidget(0, kSectionColumns), QStringLiteral("pinakas_tmimaton"));
    sectionsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sectionsTable_->verticalHeader()->hide();
    sectionsTable_->verticalHeader()->setDefaultSectionSize(24);
    sectionsTable_->horizontalHeader()->setStretchLastSection(true);
    return sectionsTable_;
}

QLayout* SizingTab::createRunRow() {
    auto* row = new QHBoxLayout;
    calculateButton_ = button(QStringLiteral("ypologismos"));
    stopButton_ = button(QStringLiteral("diakopi"));
    progressBar_ = named(new QProgressBar, QStringLiteral("proodos"));
    runState_ = named(new QLabel, QStringLiteral("katastasi"));
    applyButton_ = button(QStringLiteral("efarmogi"));
    undoButton_ = button(QStringLiteral("anairesi"));
    progressBar_->setRange(0, 1000);
    progressBar_->setValue(0);
    progressBar_->setTextVisible(false);
    row->addWidget(calculateButton_);
    row->addWidget(stopButton_);
    row->addWidget(progressBar_, 1);
    row->addWidget(runState_, 2);
    row->addWidget(applyButton_);
    row->addWidget(undoButton_);
    connect(calculateButton_, &QPushButton::clicked, this, &SizingTab::calculate);
    connect(stopButton_, &QPushButton::clicked, this, &SizingTab::stop);
    connect(applyButton_, &QPushButton::clicked, this, &SizingTab::apply);
    connect(undoButton_, &QPushButton::clicked, this, &SizingTab::undo);
    updateButtons();
    return row;
}

void SizingTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void SizingTab::retranslate() {
    goalsBox_->setTitle(tr("Στόχοι"));
    for (int box = 0; box < kGoalBoxes; ++box) {
        QString caption = tr(kGoalBoxInfo[box].caption);
        goalCaptions_[box]->setText(caption);
        if (caption.endsWith(QLatin1Char(':'))) caption.chop(1);
        goalBoxes_[box]->setAccessibleName(caption);
    }
    goalBoxes_[kAreaRatioUpper]->setAccessibleName(tr("Λόγος επιφανειών ανυψωτήρων / αγωγού, έως"));
    const QString smallest = QString::number(kSmallestDefaultRiser * 1000.0);
    const QString step = QString::number(kDefaultRiserStep * 1000.0);
    goalBoxes_[kCandidates]->setPlaceholderText(
        tr("κάθε %1 mm από %2 mm έως το D του τμήματος").arg(step, smallest));
    candidatesNote_->setText(
        tr("Κενό: κάθε %1 mm από %2 mm έως τη διάμετρο D του αγωγού κάθε τμήματος. Χωρίστε τις "
           "διαμέτρους με «;» ή με κενά.")
            .arg(step, smallest));
    defaultsButton_->setText(tr("Προεπιλογές"));
    defaultsButton_->setToolTip(
        tr("Ανοχή %1 %, χαμηλή παροχή %2 Q με το Δρ/ρ του προβλήματος, Froude από %3 έως %4, "
           "λόγος επιφανειών από 1/3 έως 2/3, έως %5 γραμμές, όλες οι διάμετροι")
            .arg(worded(formatGeneral(kDefaultUniformityTolerance, numberLocale_)),
                 worded(formatGeneral(kDefaultLowFlowMultiple, numberLocale_)),
                 worded(formatGeneral(SizingGoals{}.froude_min, numberLocale_)),
                 worded(formatGeneral(SizingGoals{}.froude_max, numberLocale_)))
            .arg(kSectionRows));

    resultsBox_->setTitle(tr("Πρόταση"));
    outdatedMark_->setText(verdictLook(Verdict::warning).symbol +
                           tr(" Τα αποτελέσματα αφορούν τον σχεδιασμό μιας προηγούμενης Επίλυσης. "
                              "Πατήστε «Υπολογισμός» για τον τρέχοντα σχεδιασμό."));
    sectionsTable_->setHorizontalHeaderLabels({tr("Τμήμα"), tr("Ανυψωτήρες"), tr("D αγωγού (m)"),
                                               tr("d ως έχει (m)"), tr("d προτεινόμενο (m)")});
    sectionsTable_->setAccessibleName(tr("Διάμετροι ανυψωτήρων ανά τμήμα"));
    comparisonTable_->setHorizontalHeaderLabels({tr("Σχεδιασμός ως έχει"), tr("Πρόταση")});
    comparisonTable_->setAccessibleName(tr("Σύγκριση του σχεδιασμού ως έχει με την πρόταση"));
    methodNote_->setText(
        tr("Τα μεγέθη προκύπτουν από την εξισορροπημένη πορεία: το qc βρίσκεται με διχοτόμηση "
           "ώστε οι ανυψωτήρες να περνούν την ολική παροχή Q, όπως στη διασταύρωση της καρτέλας "
           "«Έλεγχοι». Γι' αυτό μπορεί να διαφέρουν λίγο από μια Επίλυση με qc = 0,95 qtotal ή με "
           "βελτιστοποίηση της παροχής."));

    calculateButton_->setText(tr("Υπολογισμός"));
    stopButton_->setText(tr("Διακοπή"));
    applyButton_->setText(tr("Εφαρμογή"));
    undoButton_->setText(tr("Αναίρεση"));
    applyButton_->setToolTip(
        tr("Γράφει το πλήθος τμημάτων και τον πίνακα τμημάτων της πρότασης στο κύριο παράθυρο"));
    undoButton_->setToolTip(
        tr("Επαναφέρει το πλήθος τμημάτων και τον πίνακα τμημάτων του κύριου παραθύρου όπως ήταν "
           "πριν από την Εφαρμογή"));
    showHints();
    showRunState(runStateShown_);
    showTableState(tableState_);
    showResults();
}

void SizingTab::showRunState(RunState state) {
    runStateShown_ = state;
    switch (state) {
        case RunState::none:
            runState_->clear();
            break;
        case RunState::running:
            runState_->setText(tr("Διαστασιολόγηση… %1 σχέδια εξετάστηκαν").arg(designsWeighed_));
            break;
        case RunState::stopping:
            runState_->setText(tr("Διακοπή…"));
            break;
        case RunState::stopped:
            runState_->setText(
                tr("Η διαστασιολόγηση διακόπηκε: %1 σχέδια εξετάστηκαν· φαίνεται το καλύτερο ως "
                   "τότε.")
                    .arg(designsWeighed_));
            break;
        case RunState::finished:
            runState_->setText(tr("%1 σχέδια εξετάστηκαν.").arg(designsWeighed_));
            break;
        case RunState::blocked:
            runState_->setText(tr("Η διαστασιολόγηση δεν έγινε."));
            break;
    }
}

void SizingTab::showTableState(TableState state) {
    tableState_ = state;
    switch (state) {
        case TableState::untouched:
            tableNote_->clear();
            break;
        case TableState::applied:
            tableNote_->setText(
                tr("Η πρόταση γράφτηκε στο πλήθος τμημάτων και στον πίνακα τμημάτων του κύριου "
                   "παραθύρου. Πατήστε «Επίλυση» για την αναφορά και τους ελέγχους του νέου "
                   "σχεδιασμού."));
            break;
        case TableState::restored:
            tableNote_->setText(
                tr("Το πλήθος τμημάτων και ο πίνακας τμημάτων του κύριου παραθύρου είναι πάλι όπως "
                   "πριν από την Εφαρμογή."));
            break;
    }
    tableNote_->setVisible(state != TableState::untouched);
}

void SizingTab::setDesign(const DiffuserInput& problem, const CheckSettings& settings) {
    problem_ = problem;
    settings_ = settings;
    ++design_;
    if (lowFlowIsDefault_) fillLowFlowDefaults();
    // The note spoke of the design before this Solve.
    showTableState(TableState::untouched);
    showOutdatedMark();
    updateButtons();
}

void SizingTab::setSettings(const CheckSettings& settings) {
    settings_ = settings;
}

bool SizingTab::resultsOutdated() const {
    return result_.has_value() && resultsDesign_ != design_;
}

void SizingTab::fillDefaults() {
    const SizingGoals defaults;
    const auto text = [this](double value) { return worded(formatGeneral(value, numberLocale_)); };
    goalBoxes_[kTolerance]->setText(text(defaults.tolerance));
    goalBoxes_[kFroudeMin]->setText(text(defaults.froude_min));
    goalBoxes_[kFroudeMax]->setText(text(defaults.froude_max));
    // The area ratio's bounds are thirds, which a fraction writes exactly.
    goalBoxes_[kAreaRatioLower]->setText(QStringLiteral("1/3"));
    goalBoxes_[kAreaRatioUpper]->setText(QStringLiteral("2/3"));
    goalBoxes_[kMaxRows]->setText(QString::number(defaults.max_rows));
    goalBoxes_[kCandidates]->clear();
    fillLowFlowDefaults();
}

void SizingTab::fillLowFlowDefaults() {
    // The low flow is a share of the design's Q at its Δρ/ρ, written with the 15 digits of
    // the general format, which is how the sizing takes it when no low flow is given.
    std::optional<double> q;
    std::optional<double> drho;
    if (problem_) {
        q = readLocaleNumber(problem_->total_discharge, numberLocale_);
        drho = readLocaleNumber(problem_->drho, numberLocale_);
    }
    goalBoxes_[kLowFlowQ]->setText(
        q ? worded(formatGeneral(kDefaultLowFlowMultiple * *q, numberLocale_)) : QString());
    goalBoxes_[kLowFlowDrho]->setText(drho ? worded(formatGeneral(*drho, numberLocale_))
                                           : QString());
    lowFlowIsDefault_ = true;
}

QString SizingTab::hintFor(GoalBox box) const {
    const QString text = goalBoxes_[box]->text().trimmed();
    const Reading reading = kGoalBoxInfo[box].reading;
    if (reading == Reading::list) {
        for (const QString& part : listParts(text)) {
            if (!readLocaleNumber(part.toStdString(), numberLocale_)) {
                const double example = kGoalBoxInfo[box].example;
                return tr("Η διάμετρος «%1» δεν διαβάζεται ως αριθμός· γράψτε π.χ. %2")
                    .arg(part, worded(formatGeneral(example, numberLocale_)) +
                                   QStringLiteral("; ") +
                                   worded(formatGeneral(example + 0.05, numberLocale_)));
            }
        }
        return QString();
    }
    // Both low-flow boxes empty: the default low flow of the design.
    const bool lowFlow = box == kLowFlowQ || box == kLowFlowDrho;
    if (text.isEmpty()) {
        if (lowFlow && goalBoxes_[kLowFlowQ]->text().trimmed().isEmpty() &&
            goalBoxes_[kLowFlowDrho]->text().trimmed().isEmpty())
            return QString();
        return tr("Δεν δόθηκε τιμή.");
    }
    if (readBoxText(text, reading, numberLocale_)) return QString();
    const QString example = worded(formatGeneral(kGoalBoxInfo[box].example, numberLocale_));
    switch (reading) {
        case Reading::fraction:
            return tr("Δεν διαβάζεται ως αριθμός ή κλάσμα· γράψτε π.χ. %1 ή 1/3").arg(example);
        case Reading::count:
            return tr("Δώστε ακέραιο αριθμό, π.χ. %1").arg(example);
        case Reading::number:
        case Reading::list:
            break;
    }
    return tr("Δεν διαβάζεται ως αριθμός· γράψτε π.χ. %1").arg(example);
}

void SizingTab::showHints() {
    for (int box = 0; box < kGoalBoxes; ++box) {
        const QString hint = hintFor(static_cast<GoalBox>(box));
        goalHints_[box]->setText(hint);
        goalHints_[box]->setVisible(!hint.isEmpty());
    }
    updateButtons();
}

std::optional<SizingGoals> SizingTab::readGoals() const {
    std::array<std::optional<double>, kGoalBoxes> values{};
    for (int box = 0; box < kCandidates; ++box) {
        if (!hintFor(static_cast<GoalBox>(box)).isEmpty()) return std::nullopt;
        values[box] = readBoxText(goalBoxes_[box]->text().trimmed(), kGoalBoxInfo[box].reading,
                                  numberLocale_);
    }
    SizingGoals goals;
    goals.tolerance = *values[kTolerance];
    if (values[kLowFlowQ])
        goals.low_flow = OperatingCondition{*values[kLowFlowQ], *values[kLowFlowDrho]};
    goals.froude_min = *values[kFroudeMin];
    goals.froude_max = *values[kFroudeMax];
    goals.area_ratio_lower = *values[kAreaRatioLower];
    goals.area_ratio_upper = *values[kAreaRatioUpper];
    goals.max_rows = static_cast<int>(*values[kMaxRows]);
    goals.check_settings = settings_;
    return goals;
}

std::optional<std::vector<double>> SizingTab::readCandidates() const {
    if (!hintFor(kCandidates).isEmpty()) return std::nullopt;
    std::vector<double> diameters;
    for (const QString& part : listParts(goalBoxes_[kCandidates]->text()))
        diameters.push_back(*readLocaleNumber(part.toStdString(), numberLocale_));
    return diameters;
}

void SizingTab::calculate() {
    if (worker_ != nullptr || !problem_) return;
    std::optional<SizingGoals> goals = readGoals();
    std::optional<std::vector<double>> candidates = readCandidates();
    if (!goals || !candidates) return;

    run_ = std::make_shared<SizingRun>(*problem_, std::move(*goals), std::move(*candidates),
                                       numberLocale_, design_);
    // The worker marches on states of its own; it holds the run, so nothing it touches belongs
    // to the window or to the program's store.
    worker_ = QThread::create([run = run_] {
        run->result =
            sizeRisers(run->problem, run->goals, run->candidates, run->numberLocale, 0, run.get());
    });
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, &SizingTab::finishRun);

    progressBar_->setValue(0);
    progressBar_->setTextVisible(true);
    designsWeighed_ = 0;
    showRunState(RunState::running);
    updateButtons();
    // The worker starts from the event loop, once this click is handled: a Διακοπή given before
    // then stops the search at its first design.
    QTimer::singleShot(0, worker_, [worker = worker_] { worker->start(); });
    progressTimer_->start();
}

void SizingTab::stop() {
    if (worker_ == nullptr) return;
    run_->stopRequested = true;
    showRunState(RunState::stopping);
    updateButtons();
}

void SizingTab::showProgress() {
    if (!run_) return;
    progressBar_->setValue(static_cast<int>(std::lround(run_->done.load() * 1000.0)));
    designsWeighed_ = run_->weighed.load();
    if (runStateShown_ == RunState::running) showRunState(RunState::running);
}

void SizingTab::finishRun() {
    progressTimer_->stop();
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;

    result_ = std::move(run_->result);
    resultsDesign_ = run_->design;
    designsWeighed_ = result_->designs;
    run_.reset();

    const RunState state = result_->blocked   ? RunState::blocked
                           : result_->stopped ? RunState::stopped
                                              : RunState::finished;
    if (state == RunState::finished) progressBar_->setValue(progressBar_->maximum());
    showRunState(state);
    showTableState(TableState::untouched);
    showResults();
    updateButtons();
    emit runFinished();
}

void SizingTab::apply() {
    if (!result_ || result_->blocked || resultsOutdated()) return;
    emit applyRequested(result_->proposal.problem);
    undoable_ = true;
    showTableState(TableState::applied);
    updateButtons();
}

void SizingTab::undo() {
    if (!undoable_) return;
    emit undoRequested();
    undoable_ = false;
    showTableState(TableState::restored);
    updateButtons();
}

void SizingTab::updateButtons() {
    const bool idle = worker_ == nullptr;
    bool readable = true;
    for (const QLabel* hint : goalHints_)
        readable &= hint->text().isEmpty();
    calculateButton_->setEnabled(idle && problem_.has_value() && readable);
    stopButton_->setEnabled(!idle && !run_->stopRequested);
    defaultsButton_->setEnabled(idle);
    applyButton_->setEnabled(idle && result_.has_value() && !result_->blocked &&
                             !resultsOutdated());
    undoButton_->setEnabled(idle && undoable_);
}

void SizingTab::showResults() {
    showOutcome();
    showSections();
    showComparison();
    showChart();
    showOutdatedMark();
}

void SizingTab::showOutcome() {
    if (!result_) {
        outcome_->hide();
        return;
    }
    const Language language = interfaceLanguage();
    const SizingResult& result = *result_;
    QString text;
    Verdict verdict = Verdict::holds;
    if (result.blocked) {
        verdict = Verdict::not_judged;
        text = tr("Ο σχεδιασμός δεν διαστασιολογείται: %1.")
                   .arg(worded(wordSizingBlock(*result.blocked, language, numberLocale_)));
    } else {
        const SizedDesign& proposal = result.proposal;
        const GoalStatus& preferred =
            proposal.goals[static_cast<std::size_t>(SizingGoal::froude_design)];
        const auto told = [&](const GoalStatus& status) {
            return worded(sizingGoalTitle(status.goal, language, result.goals, numberLocale_)) +
                   QStringLiteral(" — ") +
                   worded(sizingGoalStatus(status, language, numberLocale_));
        };
        if (proposal.goals_met && preferred.met) {
            text = tr("Η πρόταση ικανοποιεί όλους τους στόχους.");
        } else if (proposal.goals_met) {
            text = tr("Η πρόταση ικανοποιεί τους στόχους· κανένας σχεδιασμός που τους ικανοποιεί "
                      "δεν ικανοποιεί και την προτίμηση. %1.")
                       .arg(told(preferred));
        } else {
            verdict = Verdict::warning;
            QStringList failed;
            for (const GoalStatus& status : proposal.goals) {
                if (!status.met && status.goal != SizingGoal::froude_design) failed << told(status);
            }
            text = tr("Κανένας σχεδιασμός δεν ικανοποιεί όλους τους στόχους· προτείνεται ο "
                      "πλησιέστερος. %1.")
                       .arg(failed.join(QStringLiteral("· ")));
        }
    }
    outcome_->setText(verdictLook(verdict).symbol + QLatin1Char(' ') + text);
    paintLabel(outcome_, verdict);
    outcome_->show();
}

void SizingTab::showSections() {
    const std::vector<SectionSizing> none;
    const std::vector<SectionSizing>& sections =
        result_ && !result_->blocked ? result_->sections : none;
    sectionsTable_->setRowCount(static_cast<int>(sections.size()));
    const auto text = [this](double value) { return worded(formatGeneral(value, numberLocale_)); };
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const SectionSizing& section = sections[i];
        const int row = static_cast<int>(i);
        QStringList runs;
        for (const RiserRun& run : section.proposed) {
            runs << (section.proposed.size() == 1 ? text(run.diameter)
                                                  : riserSpan(run.first_riser, run.last_riser) +
                                                        QStringLiteral(": ") + text(run.diameter));
        }
        const QString cells[kSectionColumns] = {
            QString::number(section.section),
            riserSpan(section.first_riser, section.last_riser),
            text(section.pipe_diameter),
            section.current_diameter ? text(*section.current_diameter) : QStringLiteral("—"),
            runs.join(QStringLiteral(" / ")),
        };
        for (int column = 0; column < kSectionColumns; ++column)
            sectionsTable_->setItem(row, column, readOnlyItem(cells[column]));
    }
    sectionsTable_->resizeColumnsToContents();
    sectionsTable_->resizeRowsToContents();
    // Wide enough to show every column, a split section's runs included, up to half the tab.
    int width =
        2 * sectionsTable_->frameWidth() + sectionsTable_->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kSectionColumns; ++column)
        width += sectionsTable_->columnWidth(column);
    sectionsTable_->setMinimumWidth(std::min(width, 560));
}

void SizingTab::showComparison() {
    const Language language = interfaceLanguage();
    const bool shown = result_ && !result_->blocked;
    QStringList headers;
    for (std::size_t goal = 0; goal < kSizingGoalCount; ++goal) {
        headers << (shown ? worded(sizingGoalCaption(static_cast<SizingGoal>(goal), language,
                                                     result_->goals, numberLocale_))
                          : QString());
    }
    headers << tr("Μέγιστη απόκλιση από Q/N (%)") << tr("Froude στο Q σχεδιασμού, ελάχ. – μέγ.")
            << tr("Froude στη χαμηλή παροχή, ελάχ. – μέγ.")
            << tr("Λόγος επιφανειών ανυψωτήρων / αγωγού") << tr("Ενέργεια στο χερσαίο άκρο (m)")
            << tr("Διασταύρωση με την κλασική μέθοδο")
            << tr("Έλεγχοι με προειδοποίηση στο Q σχεδιασμού")
            << tr("Έλεγχοι με προειδοποίηση στη χαμηλή παροχή");
    comparisonTable_->setVerticalHeaderLabels(headers);
    for (int row = 0; row < kComparisonRows; ++row) {
        for (int column = 0; column < 2; ++column)
            comparisonTable_->setItem(row, column, readOnlyItem(QString()));
    }
    if (!shown) return;
    for (std::size_t goal = 0; goal < kSizingGoalCount; ++goal) {
        comparisonTable_->verticalHeaderItem(static_cast<int>(goal))
            ->setToolTip(worded(sizingGoalTitle(static_cast<SizingGoal>(goal), language,
                                                result_->goals, numberLocale_)));
    }

    const SizedDesign* designs[] = {result_->current ? &*result_->current : nullptr,
                                    &result_->proposal};
    for (int column = 0; column < 2; ++column) {
        const auto set = [&](int row, const QString& text) {
            comparisonTable_->setItem(row, column, readOnlyItem(text));
            return comparisonTable_->item(row, column);
        };
        const SizedDesign* design = designs[column];
        if (design == nullptr) {
            for (int row = 0; row < kComparisonRows; ++row)
                set(row, QStringLiteral("—"));
            set(0, tr("Η διάμετρος ανυψωτήρα κάποιου τμήματος δεν διαβάζεται ως αριθμός"));
            continue;
        }
        for (const GoalStatus& status : design->goals) {
            const Verdict verdict = status.met ? Verdict::holds : Verdict::warning;
            QTableWidgetItem* item =
                set(static_cast<int>(status.goal),
                    verdictLook(verdict).symbol + QLatin1Char(' ') +
                        worded(sizingGoalStatus(status, language, numberLocale_)));
            paintVerdict(item, verdict);
            item->setToolTip(
                worded(sizingGoalTitle(status.goal, language, result_->goals, numberLocale_)));
        }
        const bool designFlow = design->design_flow.balanced;
        const bool lowFlow = design->low_flow.balanced;
        const auto span = [this](bool balanced, double lowest, double highest) {
            return balanced ? figure(lowest, "0.00", numberLocale_) + QStringLiteral(" – ") +
                                  figure(highest, "0.00", numberLocale_)
                            : QStringLiteral("—");
        };
        set(kSpread,
            designFlow ? figure(design->spread, "0.00", numberLocale_) : QStringLiteral("—"));
        set(kDesignFroude, span(designFlow, design->froude_min, design->froude_max));
        set(kLowFlowFroude,
            span(lowFlow, design->low_flow_froude_min, design->low_flow_froude_max));
        set(kAreaRatio, figure(design->area_ratio, "0.000", numberLocale_));
        set(kLandwardHead, designFlow ? figure(design->landward_head, "0.0000", numberLocale_)
                                      : QStringLiteral("—"));
        QTableWidgetItem* crossCheck =
            set(kCrossCheck, verdictCaption(design->cross_check.verdict));
        paintVerdict(crossCheck, design->cross_check.verdict);
        crossCheck->setToolTip(
            worded(wordCrossCheckSummary(design->cross_check, language, numberLocale_)));
        const auto warnings = [this](const std::vector<CheckResult>& checks) {
            if (checks.empty()) return QStringLiteral("—");
            QStringList captions;
            for (const CheckResult& check : checks) {
                if (check.verdict == Verdict::warning) captions << shortCaption(check.id);
            }
            return captions.isEmpty() ? tr("Κανένας") : captions.join(QStringLiteral(", "));
        };
        set(kDesignWarnings, warnings(design->checks));
        set(kLowFlowWarnings, warnings(design->low_flow_checks));
    }
    comparisonTable_->resizeRowsToContents();
}

void SizingTab::showChart() {
    if (!result_ || result_->blocked) {
        chart_->showDischarges({}, {}, 0.0, 0.0);
        return;
    }
    const SizedDesign& proposal = result_->proposal;
    const std::optional<double> q =
        readLocaleNumber(proposal.problem.total_discharge, numberLocale_);
    const double share = q && !proposal.discharges.empty()
                             ? *q / static_cast<double>(proposal.discharges.size())
                             : 0.0;
    chart_->showDischarges(result_->current ? result_->current->discharges : std::vector<double>{},
                           proposal.discharges, share, result_->goals.tolerance);
}

void SizingTab::showOutdatedMark() {
    outdatedMark_->setVisible(resultsOutdated());
}

}  // namespace thalmuro
