#include "conditions_tab.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

#include "accessible_names.h"
#include "check_texts.h"
#include "conditions_chart.h"
#include "file_saving.h"
#include "language.h"
#include "messages.h"
#include "window_controls.h"

namespace thalmuro {

// One run of the list: what the worker thread solves, how far it has got, whether it is to
// stop, and what it found. The worker and the tab share it; the results are read only once
// the worker has finished.
struct ConditionsRun : ConditionsProgress {
    ConditionsRun(DiffuserInput problemToSolve, std::vector<OperatingCondition> list,
                  NumberLocale locale, CheckSettings checkSettings, int designNumber)
        : problem(std::move(problemToSolve)),
          conditions(std::move(list)),
          numberLocale(std::move(locale)),
          settings(checkSettings),
          design(designNumber) {}

    bool keepGoing(std::size_t conditionsDone, std::size_t /*conditionsTotal*/) override {
        // The workers report in any order; the bar shows the furthest.
        std::size_t seen = done.load();
        while (conditionsDone > seen && !done.compare_exchange_weak(seen, conditionsDone)) {
        }
        return !stopRequested.load();
    }

    const DiffuserInput problem;
    const std::vector<OperatingCondition> conditions;
    const NumberLocale numberLocale;
    const CheckSettings settings;
    const int design;
    std::atomic<std::size_t> done{0};
    std::atomic<bool> stopRequested{false};
    std::vector<ConditionResult> results;
};

namespace {

// The columns of the results before the verdicts of the checks.
constexpr const char* kResultColumns[] = {
    "Q (m³/s)",
    "Δρ/ρ",
    "qc (m³/s)",
    "ΣQ (m³/s)",
    "e (%)",
    QT_TRANSLATE_NOOP("thalmuro::ConditionsTab", "E χερσαίου (m)"),
    QT_TRANSLATE_NOOP("thalmuro::ConditionsTab", "Fr ελάχ."),
    QT_TRANSLATE_NOOP("thalmuro::ConditionsTab", "Fr μέγ."),
    QT_TRANSLATE_NOOP("thalmuro::ConditionsTab", "q μέγ. (m³/s)"),
    QT_TRANSLATE_NOOP("thalmuro::ConditionsTab", "q ελάχ. (m³/s)"),
};
constexpr int kFirstCheckColumn = static_cast<int>(std::size(kResultColumns));

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// A message of the engine as a sentence of its own: capital first letter, full stop.
QString sentence(QString text) {
    if (!text.isEmpty()) text[0] = text[0].toUpper();
    return text + QLatin1Char('.');
}

QPushButton* button(const QString& name) {
    return named(new QPushButton, name);
}

}  // namespace

ConditionsTab::ConditionsTab(NumberLocale numberLocale, QWidget* parent)
    : QWidget(parent), numberLocale_(std::move(numberLocale)) {
    setObjectName(QStringLiteral("synthikes"));
    auto* splitter = new QSplitter(Qt::Vertical);
    auto* top = new QWidget;
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->addWidget(createListPanel());
    topLayout->addWidget(createResultsPanel(), 1);
    splitter->addWidget(top);
    chart_ = named(new ConditionsChart(numberLocale_), QStringLiteral("diagramma_synthikon"));
    splitter->addWidget(chart_);
    splitter->setSizes({240, 420});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(createRunRow());

    // What a screen reader says of the two tables, and of the box a condition is typed in: its
    // row and its column's heading, which carries the unit.
    nameInEachLanguage(this, [this] {
        conditionsTable_->setAccessibleName(
            accessibleText(QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "Συνθήκες λειτουργίας")));
        resultsTable_->setAccessibleName(accessibleText(
            QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "Αποτελέσματα των συνθηκών")));
    });
    nameCellEditors(conditionsTable_, [this](const QModelIndex& index) {
        return accessibleText(QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "Γραμμή %1, %2"))
            .arg(index.row() + 1)
            .arg(conditionsTable_->model()->headerData(index.column(), Qt::Horizontal).toString());
    });

    progressTimer_ = new QTimer(this);
    progressTimer_->setInterval(100);
    connect(progressTimer_, &QTimer::timeout, this, &ConditionsTab::showProgress);
    retranslate();
}

ConditionsTab::~ConditionsTab() {
    if (worker_ != nullptr) {
        run_->stopRequested = true;
        worker_->wait();
    }
}

QWidget* ConditionsTab::createListPanel() {
    listBox_ = new QGroupBox;
    auto* layout = new QVBoxLayout(listBox_);
    conditionsTable_ = named(new QTableWidget(0, 2), QStringLiteral("pinakas_synthikon"));
    conditionsTable_->setHorizontalHeaderLabels(
        {QStringLiteral("Q (m³/s)"), QStringLiteral("Δρ/ρ")});
    conditionsTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    conditionsTable_->setMinimumWidth(260);
    conditionsTable_->verticalHeader()->setDefaultSectionSize(24);
    connect(conditionsTable_, &QTableWidget::itemChanged, this, &ConditionsTab::listEdited);
    layout->addWidget(conditionsTable_);

    auto* buttons = new QHBoxLayout;
    addButton_ = button(QStringLiteral("prosthiki_grammis"));
    removeButton_ = button(QStringLiteral("afairesi_grammis"));
    defaultsButton_ = button(QStringLiteral("proepiloges"));
    for (QPushButton* each : {addButton_, removeButton_, defaultsButton_})
        buttons->addWidget(each);
    layout->addLayout(buttons);
    connect(addButton_, &QPushButton::clicked, this, &ConditionsTab::addRow);
    connect(removeButton_, &QPushButton::clicked, this, &ConditionsTab::removeRows);
    connect(defaultsButton_, &QPushButton::clicked, this, &ConditionsTab::fillDefaults);
    return listBox_;
}

QWidget* ConditionsTab::createResultsPanel() {
    resultsBox_ = new QGroupBox;
    auto* layout = new QVBoxLayout(resultsBox_);
    outdatedMark_ = named(new QLabel, QStringLiteral("palaia_apotelesmata"));
    outdatedMark_->setWordWrap(true);
    const VerdictLook warning = verdictLook(Verdict::warning);
    outdatedMark_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; padding: 3px 6px; }")
            .arg(warning.background.name(), warning.text.name()));
    outdatedMark_->hide();
    layout->addWidget(outdatedMark_);

    resultsTable_ = named(new QTableWidget(0, kFirstCheckColumn + static_cast<int>(kCheckCount)),
                          QStringLiteral("apotelesmata_synthikon"));
    resultsTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultsTable_->verticalHeader()->setDefaultSectionSize(24);
    resultsTable_->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    layout->addWidget(resultsTable_);
    return resultsBox_;
}

QLayout* ConditionsTab::createRunRow() {
    auto* row = new QHBoxLayout;
    calculateButton_ = button(QStringLiteral("ypologismos"));
    stopButton_ = button(QStringLiteral("diakopi"));
    progressBar_ = named(new QProgressBar, QStringLiteral("proodos"));
    runState_ = named(new QLabel, QStringLiteral("katastasi"));
    exportButton_ = button(QStringLiteral("exagogi_csv"));
    calculateButton_->setEnabled(false);
    stopButton_->setEnabled(false);
    exportButton_->setEnabled(false);
    progressBar_->setRange(0, 1);
    progressBar_->setValue(0);
    progressBar_->setFormat(QStringLiteral("%v / %m"));
    progressBar_->setTextVisible(false);
    row->addWidget(calculateButton_);
    row->addWidget(stopButton_);
    row->addWidget(progressBar_, 1);
    row->addWidget(runState_, 2);
    row->addWidget(exportButton_);
    connect(calculateButton_, &QPushButton::clicked, this, &ConditionsTab::calculate);
    connect(stopButton_, &QPushButton::clicked, this, &ConditionsTab::stop);
    connect(exportButton_, &QPushButton::clicked, this, &ConditionsTab::exportCsv);
    return row;
}

void ConditionsTab::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ConditionsTab::retranslate() {
    listBox_->setTitle(tr("Συνθήκες"));
    addButton_->setText(tr("Προσθήκη"));
    removeButton_->setText(tr("Αφαίρεση"));
    defaultsButton_->setText(tr("Προεπιλογές"));
    addButton_->setToolTip(tr("Νέα γραμμή κάτω από την επιλεγμένη"));
    removeButton_->setToolTip(tr("Αφαίρεση των επιλεγμένων γραμμών"));
    defaultsButton_->setToolTip(
        tr("0,25 έως 1,25 φορές την ολική παροχή του προβλήματος, με το Δρ/ρ του"));

    resultsBox_->setTitle(tr("Αποτελέσματα"));
    outdatedMark_->setText(verdictLook(Verdict::warning).symbol +
                           tr(" Τα αποτελέσματα αφορούν τον σχεδιασμό μιας προηγούμενης Επίλυσης. "
                              "Πατήστε «Υπολογισμός» για τον τρέχοντα σχεδιασμό."));
    const auto& thresholds = checkThresholds();
    QStringList headers;
    for (const char* caption : kResultColumns)
        headers << tr(caption);
    for (const ThresholdInfo& info : thresholds)
        headers << shortCaption(info.id);
    resultsTable_->setHorizontalHeaderLabels(headers);
    for (std::size_t i = 0; i < thresholds.size(); ++i) {
        resultsTable_->horizontalHeaderItem(kFirstCheckColumn + static_cast<int>(i))
            ->setToolTip(titleText(thresholds[i].id));
    }

    calculateButton_->setText(tr("Υπολογισμός"));
    stopButton_->setText(tr("Διακοπή"));
    exportButton_->setText(tr("Εξαγωγή CSV…"));
    showRunState(runStateShown_);
    showResults();
}

void ConditionsTab::showRunState(RunState state) {
    runStateShown_ = state;
    switch (state) {
        case RunState::none:
            runState_->clear();
            break;
        case RunState::noDefaults:
            runState_->setText(
                tr("Δεν υπάρχουν προεπιλεγμένες συνθήκες: η ολική παροχή ή το Δρ/ρ του "
                   "προβλήματος δεν διαβάζεται ως αριθμός."));
            break;
        case RunState::running:
            runState_->setText(tr("Υπολογισμός %1 συνθηκών…").arg(runTotal_));
            break;
        case RunState::stopping:
            runState_->setText(tr("Διακοπή…"));
            break;
        case RunState::stopped:
            runState_->setText(tr("Ο υπολογισμός διακόπηκε: επιλύθηκαν %1 από %2 συνθήκες.")
                                   .arg(runSolved_)
                                   .arg(runTotal_));
            break;
        case RunState::finished:
            runState_->setText(tr("Επιλύθηκαν και οι %1 συνθήκες.").arg(runTotal_));
            break;
    }
}

void ConditionsTab::setDesign(const DiffuserInput& problem, const CheckSettings& settings) {
    problem_ = problem;
    settings_ = settings;
    ++design_;
    if (listIsDefault_) fillDefaults();
    calculateButton_->setEnabled(worker_ == nullptr);
    showOutdatedMark();
}

void ConditionsTab::setSettings(const CheckSettings& settings) {
    settings_ = settings;
}

bool ConditionsTab::resultsOutdated() const {
    return !results_.empty() && resultsDesign_ != design_;
}

void ConditionsTab::fillDefaults() {
    if (!problem_) return;
    const std::optional<std::vector<OperatingCondition>> defaults =
        defaultConditions(*problem_, numberLocale_);
    filling_ = true;
    conditionsTable_->setRowCount(0);
    if (defaults) {
        conditionsTable_->setRowCount(static_cast<int>(defaults->size()));
        for (std::size_t i = 0; i < defaults->size(); ++i) {
            const OperatingCondition& condition = (*defaults)[i];
            const int row = static_cast<int>(i);
            conditionsTable_->setItem(row, 0,
                                      new QTableWidgetItem(QString::fromStdString(
                                          formatGeneral(condition.q, numberLocale_))));
            conditionsTable_->setItem(row, 1,
                                      new QTableWidgetItem(QString::fromStdString(
                                          formatGeneral(condition.drho, numberLocale_))));
        }
        showRunState(RunState::none);
    } else {
        showRunState(RunState::noDefaults);
    }
    filling_ = false;
    listIsDefault_ = true;
}

void ConditionsTab::addRow() {
    const int row = conditionsTable_->currentRow() < 0 ? conditionsTable_->rowCount()
                                                       : conditionsTable_->currentRow() + 1;
    conditionsTable_->insertRow(row);
    listIsDefault_ = false;
    conditionsTable_->setCurrentCell(row, 0);
    conditionsTable_->editItem(conditionsTable_->item(row, 0));
}

void ConditionsTab::removeRows() {
    QList<int> rows;
    for (const QTableWidgetSelectionRange& range : conditionsTable_->selectedRanges()) {
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            rows << row;
    }
    if (rows.isEmpty() && conditionsTable_->currentRow() >= 0)
        rows << conditionsTable_->currentRow();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        conditionsTable_->removeRow(row);
    listIsDefault_ = false;
}

void ConditionsTab::listEdited() {
    if (!filling_) listIsDefault_ = false;
}

std::optional<std::vector<OperatingCondition>> ConditionsTab::readConditions() {
    const auto refuse = [&](const QString& message, int row, int column) {
        if (row >= 0) conditionsTable_->setCurrentCell(row, column);
        showInformation(this, message);
        return std::nullopt;
    };
    const int rows = conditionsTable_->rowCount();
    if (rows == 0) {
        return refuse(tr("Ο κατάλογος των συνθηκών είναι κενός. Προσθέστε "
                         "τουλάχιστον μία γραμμή ή πατήστε «Προεπιλογές»."),
                      -1, 0);
    }
    if (static_cast<std::size_t>(rows) > kMaxConditions) {
        return refuse(tr("Ο κατάλογος έχει %1 συνθήκες· επιλύονται έως %2 κάθε φορά.")
                          .arg(rows)
                          .arg(kMaxConditions),
                      -1, 0);
    }
    const QString quantities[] = {tr("η ολική παροχή Q"), tr("το Δρ/ρ")};
    std::vector<OperatingCondition> conditions(static_cast<std::size_t>(rows));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QTableWidgetItem* item = conditionsTable_->item(row, column);
            const QString text = item != nullptr ? item->text().trimmed() : QString();
            const std::optional<double> value = readLocaleNumber(text.toStdString(), numberLocale_);
            if (text.isEmpty()) {
                return refuse(tr("Γραμμή %1: δεν δόθηκε %2.").arg(row + 1).arg(quantities[column]),
                              row, column);
            }
            if (!value) {
                return refuse(tr("Γραμμή %1: %2 «%3» δεν διαβάζεται ως αριθμός (γράψτε π.χ. %4).")
                                  .arg(row + 1)
                                  .arg(quantities[column], text,
                                       QString::fromStdString(formatGeneral(0.35, numberLocale_))),
                              row, column);
            }
            OperatingCondition& condition = conditions[static_cast<std::size_t>(row)];
            (column == 0 ? condition.q : condition.drho) = *value;
        }
    }
    if (const std::optional<Message> fault = checkConditions(conditions)) {
        // A condition whose Q or Δρ/ρ is not positive is shown in its cell.
        const int column = fault->kind == MessageKind::condition_drho_not_positive ? 1 : 0;
        return refuse(sentence(QString::fromStdString(wordMessage(*fault, interfaceLanguage()))),
                      fault->row - 1, column);
    }
    return conditions;
}

void ConditionsTab::calculate() {
    if (worker_ != nullptr || !problem_) return;
    std::optional<std::vector<OperatingCondition>> conditions = readConditions();
    if (!conditions) return;

    const int total = static_cast<int>(conditions->size());
    run_ = std::make_shared<ConditionsRun>(*problem_, std::move(*conditions), numberLocale_,
                                           settings_, design_);
    // The worker solves on states of its own; it holds the run, so nothing it touches
    // belongs to the window or to the program's store.
    worker_ = QThread::create([run = run_] {
        run->results = solveConditions(run->problem, run->conditions, run->numberLocale,
                                       run->settings, 0, run.get());
    });
    worker_->setParent(this);
    connect(worker_, &QThread::finished, this, &ConditionsTab::finishRun);

    progressBar_->setRange(0, total);
    progressBar_->setTextVisible(true);
    progressBar_->setValue(0);
    runTotal_ = static_cast<std::size_t>(total);
    showRunState(RunState::running);
    calculateButton_->setEnabled(false);
    stopButton_->setEnabled(true);
    for (QPushButton* each : {addButton_, removeButton_, defaultsButton_, exportButton_})
        each->setEnabled(false);
    worker_->start();
    progressTimer_->start();
}

void ConditionsTab::stop() {
    if (worker_ == nullptr) return;
    run_->stopRequested = true;
    stopButton_->setEnabled(false);
    showRunState(RunState::stopping);
}

void ConditionsTab::showProgress() {
    if (run_) progressBar_->setValue(static_cast<int>(run_->done.load()));
}

void ConditionsTab::finishRun() {
    progressTimer_->stop();
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;

    results_.clear();
    for (ConditionResult& result : run_->results) {
        if (result.solved) results_.push_back(std::move(result));
    }
    resultsDesign_ = run_->design;
    runTotal_ = run_->conditions.size();
    runSolved_ = results_.size();
    progressBar_->setValue(static_cast<int>(results_.size()));
    showRunState(run_->stopRequested ? RunState::stopped : RunState::finished);
    run_.reset();

    showResults();
    calculateButton_->setEnabled(true);
    stopButton_->setEnabled(false);
    for (QPushButton* each : {addButton_, removeButton_, defaultsButton_})
        each->setEnabled(true);
    exportButton_->setEnabled(!results_.empty());
    emit runFinished();
}

void ConditionsTab::showResults() {
    resultsTable_->setRowCount(static_cast<int>(results_.size()));
    const auto& thresholds = checkThresholds();
    for (std::size_t i = 0; i < results_.size(); ++i) {
        const ConditionResult& result = results_[i];
        const int row = static_cast<int>(i);
        // A figure the Solve could not give (the store holds no riser N beyond 101, Qcalc was
        // zero) is not a number: a dash, as the checks show a check without figures, in both
        // languages.
        const auto figure = [this](double value, std::string_view pattern) {
            return std::isfinite(value) ? number(value, pattern, numberLocale_)
                                        : QStringLiteral("—");
        };
        const QString figures[] = {
            QString::fromStdString(formatGeneral(result.condition.q, numberLocale_)),
            QString::fromStdString(formatGeneral(result.condition.drho, numberLocale_)),
            figure(result.balance.qc, "0.00000"),
            figure(result.balance.qcalc, "0.00000"),
            figure(result.balance_error, "0.00"),
            figure(result.landward_head, "0.0000"),
            figure(result.froude_min, "0.00"),
            figure(result.froude_max, "0.00"),
            figure(result.q_max, "0.00000"),
            figure(result.q_min, "0.00000"),
        };
        for (int column = 0; column < kFirstCheckColumn; ++column)
            resultsTable_->setItem(row, column, readOnlyItem(figures[column]));
        for (std::size_t c = 0; c < result.checks.size() && c < thresholds.size(); ++c) {
            const Verdict verdict = result.checks[c].verdict;
            const VerdictLook look = verdictLook(verdict);
            auto* item = readOnlyItem(look.symbol);
            item->setTextAlignment(Qt::AlignCenter);
            paintVerdict(item, verdict);
            item->setToolTip(titleText(thresholds[c].id) + QStringLiteral(": ") + look.word);
            resultsTable_->setItem(row, kFirstCheckColumn + static_cast<int>(c), item);
        }
    }
    resultsTable_->resizeColumnsToContents();
    chart_->showResults(results_);
    showOutdatedMark();
}

void ConditionsTab::showOutdatedMark() {
    outdatedMark_->setVisible(resultsOutdated());
}

void ConditionsTab::exportCsv() {
    const FileChoice choice{QStringLiteral("exportCsvDialog"), tr("Εξαγωγή CSV"),
                            tr("Πίνακες CSV (*.csv)"), QStringLiteral("csv")};
    // The file is for spreadsheet programs: like the results' CSV it starts with a byte-order
    // mark, without which they read it in the system's code page and garble "Δρ/ρ" and "m³/s".
    saveFile(this, choice, QStringLiteral("synthikes.csv"),
             "\xEF\xBB\xBF" +
                 conditionsCsv(results_, numberLocale_, conditionsCsvWords(interfaceLanguage())));
}

}  // namespace thalmuro
