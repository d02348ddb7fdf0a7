#include "checks_window.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "check_texts.h"
#include "conditions_tab.h"
#include "language.h"
#include "secondary_window.h"
#include "sizing_tab.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

// The columns of the table of checks.
enum ChecksColumn { kTitle, kRule, kSource, kVerdict, kValues, kConcerned, kChecksColumns };

// The figures of the cross-check, one row each, with the program and the classical method
// side by side.
enum CrossCheckRow { kHead, kLargestDischarge, kSmallestDischarge, kLowestFroude, kCrossRows };

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

// A label that shows a verdict as its symbol and word on the verdict's colours.
void showVerdict(QLabel* label, Verdict verdict, const QString& explanation) {
    const VerdictLook look = verdictLook(verdict);
    label->setText(verdictCaption(verdict) + QStringLiteral(": ") + explanation);
    label->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; padding: 3px 6px; }")
                             .arg(look.background.name(), look.text.name()));
}

}  // namespace

ChecksWindow::ChecksWindow(NumberLocale numberLocale, QWidget* parent)
    : QWidget(parent), numberLocale_(std::move(numberLocale)) {
    setUpWindow(this, QStringLiteral("Form8"), QString());
    setAttribute(Qt::WA_DeleteOnClose);

    tabs_ = named(new QTabWidget(this), QStringLiteral("karteles"));
    checksTab_ = createChecksTab();
    tabs_->addTab(checksTab_, QString());
    conditionsTab_ = new ConditionsTab(numberLocale_, tabs_);
    tabs_->addTab(conditionsTab_, QString());
    sizingTab_ = new SizingTab(numberLocale_, tabs_);
    tabs_->addTab(sizingTab_, QString());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    retranslate();
    resize(1300, 780);
}

QWidget* ChecksWindow::createChecksTab() {
    auto* page = named(new QWidget, QStringLiteral("elegxoi"));
    auto* layout = new QVBoxLayout(page);

    verdictLine_ = named(new QLabel, QStringLiteral("synoliki_krisi"));
    verdictLine_->setWordWrap(true);
    verdictLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    verdictLine_->hide();
    layout->addWidget(verdictLine_);

    auto* velocityRow = new QHBoxLayout;
    velocityCaption_ = new QLabel;
    velocityBox_ = named(new QLineEdit, QStringLiteral("taxytita_aftokatharismou"));
    velocityBox_->setText(
        QString::fromStdString(formatGeneral(settings_.min_pipe_velocity, numberLocale_)));
    velocityBox_->setMaximumWidth(90);
    velocityCaption_->setBuddy(velocityBox_);
    velocityHint_ = named(new QLabel, QStringLiteral("taxytita_ypodeixi"));
    velocityHint_->setStyleSheet(QStringLiteral("QLabel { color: #a00000; }"));
    velocityRow->addWidget(velocityCaption_);
    velocityRow->addWidget(velocityBox_);
    velocityRow->addWidget(velocityHint_);
    velocityRow->addStretch();
    layout->addLayout(velocityRow);
    connect(velocityBox_, &QLineEdit::textEdited, this, &ChecksWindow::velocityEdited);

    dischargeFailure_ = named(new QLabel, QStringLiteral("paroxi_anypologisti"));
    dischargeFailure_->setWordWrap(true);
    dischargeFailure_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const VerdictLook warning = verdictLook(Verdict::warning);
    dischargeFailure_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; padding: 4px 6px; }")
            .arg(warning.background.name(), warning.text.name()));
    dischargeFailure_->hide();
    layout->addWidget(dischargeFailure_);

    checksTable_ = named(new QTableWidget(0, kChecksColumns), QStringLiteral("pinakas_elegxon"));
    checksTable_->verticalHeader()->hide();
    checksTable_->setWordWrap(true);
    checksTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The figures take what the other columns leave.
    const int widths[kChecksColumns] = {190, 230, 185, 125, 0, 125};
    for (int column = 0; column < kChecksColumns; ++column)
        checksTable_->setColumnWidth(column, widths[column]);
    checksTable_->horizontalHeader()->setSectionResizeMode(kValues, QHeaderView::Stretch);
    layout->addWidget(checksTable_, 3);

    remedies_ = named(new QLabel, QStringLiteral("antimetopisi"));
    remedies_->setWordWrap(true);
    remedies_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    remedies_->hide();
    layout->addWidget(remedies_);

    skippedBox_ = new QGroupBox;
    auto* skippedLayout = new QVBoxLayout(skippedBox_);
    skippedSteps_ = named(new QLabel, QStringLiteral("paraleifthenta_vimata"));
    skippedSteps_->setWordWrap(true);
    // Selectable by keyboard as well, which lets it take the keyboard focus, so that a screen
    // reader reads the list when the main window's status line leads here.
    skippedSteps_->setTextInteractionFlags(Qt::TextSelectableByMouse |
                                           Qt::TextSelectableByKeyboard);
    skippedLayout->addWidget(skippedSteps_);
    layout->addWidget(skippedBox_);

    crossCheckBox_ = new QGroupBox;
    auto* crossLayout = new QVBoxLayout(crossCheckBox_);
    crossCheckExplanation_ = new QLabel;
    crossCheckExplanation_->setWordWrap(true);
    crossLayout->addWidget(crossCheckExplanation_);
    crossCheckTable_ = named(new QTableWidget(kCrossRows, 2), QStringLiteral("diastavrosi"));
    crossCheckTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    crossCheckTable_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    crossCheckTable_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    crossCheckTable_->verticalHeader()->setDefaultSectionSize(24);
    crossCheckTable_->setFixedHeight(crossCheckTable_->horizontalHeader()->sizeHint().height() +
                                     kCrossRows *
                                         crossCheckTable_->verticalHeader()->defaultSectionSize() +
                                     2 * crossCheckTable_->frameWidth());
    crossLayout->addWidget(crossCheckTable_);
    crossCheckHeads_ = named(new QLabel, QStringLiteral("diastavrosi_energeies"));
    crossCheckHeads_->setWordWrap(true);
    crossCheckHeads_->hide();
    crossLayout->addWidget(crossCheckHeads_);
    crossCheckDifference_ = named(new QLabel, QStringLiteral("diastavrosi_diafora"));
    crossCheckDifference_->setWordWrap(true);
    crossLayout->addWidget(crossCheckDifference_);
    crossCheckVerdict_ = named(new QLabel, QStringLiteral("diastavrosi_apotelesma"));
    crossCheckVerdict_->setWordWrap(true);
    crossLayout->addWidget(crossCheckVerdict_);
    layout->addWidget(crossCheckBox_);
    return page;
}

void ChecksWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(event);
}

void ChecksWindow::retranslate() {
    setWindowTitle(tr("ΕΛΕΓΧΟΣ ΣΧΕΔΙΑΣΜΟΥ"));
    tabs_->setTabText(tabs_->indexOf(checksTab_), tr("Έλεγχοι"));
    tabs_->setTabText(tabs_->indexOf(conditionsTab_), tr("Συνθήκες Λειτουργίας"));
    tabs_->setTabText(tabs_->indexOf(sizingTab_), SizingTab::title());
    velocityCaption_->setText(tr("Ταχύτητα αυτοκαθαρισμού αγωγού (m/s):"));
    checksTable_->setHorizontalHeaderLabels({tr("Έλεγχος"), tr("Κανόνας – όριο"), tr("Πηγή"),
                                             tr("Αποτέλεσμα"), tr("Τιμές"), tr("Αφορά")});
    skippedBox_->setTitle(tr("Βήματα που παραλείφθηκαν"));
    crossCheckBox_->setTitle(tr("Διασταύρωση με την κλασική μέθοδο υπολογισμού θυρίδων"));
    crossCheckExplanation_->setText(
        tr("Ο διαχυτήρας υπολογίζεται δύο φορές, κάθε φορά με την παροχή του ανυψωτήρα 1 για την "
           "οποία οι παροχές των ανυψωτήρων αθροίζονται στην ολική παροχή Q: μία όπως στο "
           "πρόγραμμα (ο συντελεστής X από την παροχή του ίδιου του ανυψωτήρα) και μία με την "
           "κλασική μέθοδο (X από την παροχή του αγωγού στη θέση του ανυψωτήρα)."));
    crossCheckTable_->setHorizontalHeaderLabels({tr("Πρόγραμμα"), tr("Κλασική μέθοδος")});
    crossCheckTable_->setVerticalHeaderLabels(
        {tr("Ενέργεια στο χερσαίο άκρο, E ανυψωτήρα N (m)"), tr("Μέγιστη παροχή ανυψωτήρα (m³/s)"),
         tr("Ελάχιστη παροχή ανυψωτήρα (m³/s)"), tr("Ελάχιστος πυκνομετρικός αριθμός Froude")});
    showVelocityHint();
    showChecks();
    if (design_) {
        showSkippedSteps();
        showCrossCheck();
    }
}

void ChecksWindow::showDesign(const SolvedDesign& design) {
    design_ = design;
    checks_ =
        checkDesign(design_->problem, design_->state, design_->outcome, numberLocale_, settings_);
    skippedCauses_ = explainSkipped(design_->problem, design_->outcome, numberLocale_);
    crossCheck_ = crossCheck(design_->problem, numberLocale_);
    showChecks();
    showSkippedSteps();
    showCrossCheck();
    conditionsTab_->setDesign(design.problem, settings_);
    sizingTab_->setDesign(design.problem, settings_);
}

void ChecksWindow::goToSkippedSteps() {
    tabs_->setCurrentWidget(checksTab_);
    skippedSteps_->setFocus(Qt::OtherFocusReason);
}

void ChecksWindow::velocityEdited() {
    const std::optional<double> velocity =
        readLocaleNumber(velocityBox_->text().toStdString(), numberLocale_);
    velocityUnreadable_ = !velocity || !(*velocity > 0.0) || !std::isfinite(*velocity);
    showVelocityHint();
    if (velocityUnreadable_) return;
    settings_.min_pipe_velocity = *velocity;
    if (design_) {
        checks_ = checkDesign(design_->problem, design_->state, design_->outcome, numberLocale_,
                              settings_);
    }
    showChecks();
    conditionsTab_->setSettings(settings_);
    sizingTab_->setSettings(settings_);
}

void ChecksWindow::showVelocityHint() {
    if (!velocityUnreadable_) {
        velocityHint_->clear();
        return;
    }
    velocityHint_->setText(tr("Δώστε θετικό αριθμό, π.χ. %1")
                               .arg(QString::fromStdString(
                                   formatGeneral(kDefaultSelfCleansingVelocity, numberLocale_))));
}

void ChecksWindow::showChecks() {
    checksTable_->setRowCount(0);
    dischargeFailure_->hide();
    if (!design_) return;
    for (const CheckResult& result : checks_) {
        if (!result.discharge_failure) continue;
        dischargeFailure_->setText(dischargeFailureText(*result.discharge_failure, numberLocale_));
        dischargeFailure_->show();
        break;
    }
    checksTable_->setRowCount(static_cast<int>(checks_.size()));
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        const CheckResult& result = checks_[i];
        const int row = static_cast<int>(i);
        const auto cell = [&](int column, const QString& text) {
            auto* item = readOnlyItem(text);
            checksTable_->setItem(row, column, item);
            return item;
        };
        cell(kTitle, titleText(result.id));
        cell(kRule, ruleText(result.id, settings_, numberLocale_));
        cell(kSource, sourceText(result.id));
        paintVerdict(cell(kVerdict, resultCaption(result)), result.verdict);
        const QString values = valuesText(result, numberLocale_);
        cell(kValues, values.isEmpty() ? QStringLiteral("—") : values);
        cell(kConcerned, concernedText(result));
    }
    checksTable_->resizeRowsToContents();
    showOverallVerdict();
}

void ChecksWindow::showOverallVerdict() {
    const Language language = interfaceLanguage();
    const ChecksVerdict verdict =
        crossCheck_ ? overallVerdict(checks_, *crossCheck_) : overallVerdict(checks_);
    const VerdictLook look = verdictLook(verdict.overall);
    verdictLine_->setText(look.symbol + QLatin1Char(' ') +
                          QString::fromStdString(checksVerdictLine(verdict, language)));
    verdictLine_->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: %2; padding: 4px 6px; font-weight: bold; }")
            .arg(look.background.name(), look.text.name()));
    verdictLine_->show();

    QStringList lines;
    for (const CheckId check : verdict.warnings) {
        const std::string remedy = checkRemedy(check, language);
        if (remedy.empty()) continue;
        lines << QStringLiteral("• %1: %2.").arg(titleText(check), QString::fromStdString(remedy));
    }
    remedies_->setVisible(!lines.isEmpty());
    if (lines.isEmpty()) return;
    lines.prepend(tr("Αντιμετώπιση:"));
    remedies_->setText(lines.join(QLatin1Char('\n')));
}

void ChecksWindow::showSkippedSteps() {
    if (skippedCauses_.empty()) {
        skippedSteps_->setText(tr("Κανένα βήμα δεν παραλείφθηκε."));
        return;
    }
    QStringList lines;
    for (const SkippedCause& cause : skippedCauses_)
        lines << QStringLiteral("• ") +
                     QString::fromStdString(wordSkippedCause(cause, interfaceLanguage()));
    skippedSteps_->setText(lines.join(QLatin1Char('\n')));
}

void ChecksWindow::showCrossCheck() {
    const CrossCheck& check = *crossCheck_;
    const auto atRiser = [this](const QString& figure, int riser) {
        return tr("%1 (ανυψωτήρας %2)").arg(figure).arg(riser);
    };
    const MarchSummary* marches[] = {&check.program, &check.classical};
    const QString headLabels[] = {
        QString::fromStdString(landwardHeadLabel(HeadMethod::program, interfaceLanguage())),
        QString::fromStdString(landwardHeadLabel(HeadMethod::classical, interfaceLanguage()))};
    QStringList heads;
    for (int column = 0; column < 2; ++column) {
        const MarchSummary& march = *marches[column];
        if (!march.balanced) continue;
        heads << QStringLiteral("%1: %2 m")
                     .arg(headLabels[column], number(march.landward_head, "0.0000", numberLocale_));
    }
    crossCheckHeads_->setText(heads.join(QStringLiteral("   ·   ")));
    crossCheckHeads_->setVisible(!heads.isEmpty());
    for (int column = 0; column < 2; ++column) {
        const MarchSummary& march = *marches[column];
        const auto set = [&](int row, const QString& text) {
            auto* item = readOnlyItem(text);
            if (!march.balanced) paintVerdict(item, Verdict::not_judged);
            crossCheckTable_->setItem(row, column, item);
        };
        if (!march.balanced) {
            for (int row = 0; row < kCrossRows; ++row)
                set(row, tr("Δεν εξισορροπήθηκε"));
            continue;
        }
        set(kHead, number(march.landward_head, "0.0000", numberLocale_));
        crossCheckTable_->item(kHead, column)->setToolTip(headLabels[column]);
        set(kLargestDischarge,
            atRiser(number(march.q_max, "0.00000", numberLocale_), march.riser_q_max));
        set(kSmallestDischarge,
            atRiser(number(march.q_min, "0.00000", numberLocale_), march.riser_q_min));
        set(kLowestFroude,
            atRiser(number(march.froude_min, "0.00", numberLocale_), march.riser_froude_min));
    }

    const QString limit =
        QString::fromStdString(formatGeneral(kCrossCheckHeadLimit, numberLocale_));
    if (check.head_difference) {
        crossCheckDifference_->setText(
            tr("Διαφορά ενέργειας στο χερσαίο άκρο, (κλασική − πρόγραμμα) / "
               "πρόγραμμα: %1 % (όριο %2 %).")
                .arg(number(*check.head_difference, "0.00", numberLocale_), limit));
    } else {
        const QString which = !check.program.balanced && !check.classical.balanced
                                  ? tr("κανένας από τους δύο υπολογισμούς δεν εξισορροπήθηκε")
                              : !check.program.balanced
                                  ? tr("ο υπολογισμός του προγράμματος δεν εξισορροπήθηκε")
                                  : tr("ο υπολογισμός με την κλασική μέθοδο δεν εξισορροπήθηκε");
        QString text = tr("Η διαφορά δεν υπολογίζεται: %1 (δεν βρέθηκε παροχή ανυψωτήρα 1 "
                          "για την οποία οι παροχές των ανυψωτήρων να αθροίζονται στην ολική "
                          "παροχή Q).")
                           .arg(which);
        // A march stopped by a discharge it could not compute says where.
        const QString names[] = {tr("Πρόγραμμα"), tr("Κλασική μέθοδος")};
        for (int column = 0; column < 2; ++column) {
            const MarchSummary& march = *marches[column];
            if (!march.discharge_failure) continue;
            const DischargeFailure& failure = *march.discharge_failure;
            text += QLatin1Char('\n') + tr("%1: %2 με παροχή ανυψωτήρα 1 qc = %3 m³/s")
                                            .arg(names[column], dischargeFailureBrief(failure),
                                                 number(march.qc, "0.00000", numberLocale_));
            if (failure.kind == DischargeFailure::Kind::velocity_head_above_energy) {
                text += tr(" (X = %1 > 1 στον ανυψωτήρα %2).")
                            .arg(number(failure.x, "0.00", numberLocale_))
                            .arg(failure.risers.front());
            } else {
                text += tr(" (αρνητική ειδική ενέργεια στον ανυψωτήρα %1).")
                            .arg(failure.risers.front());
            }
        }
        crossCheckDifference_->setText(text);
    }
    switch (check.verdict) {
        case Verdict::holds:
            showVerdict(crossCheckVerdict_, check.verdict,
                        tr("η κλασική μέθοδος δεν δίνει ενέργεια μεγαλύτερη κατά "
                           "περισσότερο από %1 %.")
                            .arg(limit));
            break;
        case Verdict::warning:
            showVerdict(crossCheckVerdict_, check.verdict,
                        tr("η κλασική μέθοδος δίνει ενέργεια μεγαλύτερη κατά "
                           "περισσότερο από %1 %· ελέγξτε το φρεάτιο φόρτισης.")
                            .arg(limit));
            break;
        case Verdict::not_judged:
            showVerdict(crossCheckVerdict_, check.verdict, tr("η σύγκριση δεν είναι δυνατή."));
            break;
    }
}

ChecksWindow* showChecksWindow(QPointer<ChecksWindow>& window, const NumberLocale& numberLocale) {
    return showSecondaryWindow(window, numberLocale);
}

}  // namespace thalmuro
