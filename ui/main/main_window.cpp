#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "accessible_names.h"
#include "bitmaps.h"
#include "caption_button.h"
#include "clickable_label.h"
#include "controls.h"
#include "file_saving.h"
#include "language.h"
#include "messages.h"
#include "number_question.h"
#include "project_files.h"
#include "report_failure.h"
#include "report_files.h"
#include "screen_fit.h"
#include "thalmuro/engine.h"
#include "twips.h"
#include "window_controls.h"
#include "window_prompts.h"

namespace thalmuro {
namespace {

// The client area when the window opens, below the menu bar: 13665 x 9675 twips.
constexpr int kClientWidthTwips = 13665;
constexpr int kClientHeightTwips = 9675;

// The section table's frame (Frame1) stands at Top 500 when the scroll bar is at its minimum. The
// scroll bar runs from 1 to the frame's height, so at its maximum the frame's lower edge sits at
// 500 and the whole table has moved out of view above the window's top edge.
constexpr int kTableFrameTopTwips = 500;
constexpr TwipsRect kTableFrame{3240, kTableFrameTopTwips, 7215, 11935};
constexpr int kScrollSmallChange = 100;
constexpr int kScrollLargeChange = 500;

constexpr int kBackgroundBitmap = 113;
const QColor kBackgroundColour(192, 255, 192);  // pale green
const QColor kOptionColour(192, 255, 255);      // light cyan
const QColor kExampleColour(255, 192, 192);     // light pink
const QColor kInformationMarkColour(255, 0, 0);

// The captions of the inputs, the fitting type and the fill aids.
QFont captionFont(bool italic = false) {
    return windowFont(9.75, true, italic);
}

// The option buttons, the check boxes and the section table are painted in both background
// roles, so that whatever a control paints its background with has the colour.
void setOpaqueBackground(QWidget* widget, const QColor& colour) {
    setBackground(widget, colour, BackgroundRoles::windowAndButton);
}

// Text boxes are single-line and left-aligned, with no limit on the length of their text.
QLineEdit* textBox(QWidget* parent, const QString& name, const TwipsRect& rect) {
    auto* box = named(new QLineEdit(parent), name);
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(box, rect);
    return box;
}

// The client area: the pale-green background with picture 113 drawn at its own size from
// the top-left corner. A larger window shows more of the picture, and beyond the picture the
// background colour; the picture is never scaled.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(QWidget* parent)
        : QWidget(parent), picture_(loadBitmap(kBackgroundBitmap)) {}

    void paintBackground(QWidget* target) const {
        paintPicture(target, picture_, kBackgroundColour);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override { paintBackground(this); }

  private:
    QPixmap picture_;
};

struct CaptionLabel {
    int index;
    const char* caption;
    TwipsRect rect;
};

// The captions of the general inputs and of the fitting type: one label array with the
// indexes 0, 1, 3, 4, 5 and 6. The captions are the Greek texts, translated when shown.
constexpr CaptionLabel kCaptionLabels[] = {
    {0, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Πλήθος Ανυψωτήρων"), {720, 240, 1335, 495}},
    {1, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Τμήματα Διαχυτήρα"), {720, 1080, 1335, 495}},
    {3, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Δρ/ρ"), {720, 2040, 855, 375}},
    {4, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Ολική Παροχή"), {720, 2640, 1335, 495}},
    {5, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Αριθμός Manning"), {720, 3360, 1335, 495}},
    {6, QT_TRANSLATE_NOOP("thalmuro::MainWindow", "Τύπος Συναρμογής"), {120, 4080, 1575, 495}},
};

struct ColumnLayout {
    const char* cellName;  // the cells are named "<cellName>_<row - 1>"
    int left;              // inside the table's frame
    int width;
    const char* markName;  // the "?" label above the column
    int markLeft;          // on the window
    const char* message;   // what the "?" label tells about the column
};

constexpr ColumnLayout kColumnLayout[MainWindow::kColumns] = {
    {"textfn", 360, 495, "Label32", 3720,
     QT_TRANSLATE_NOOP("thalmuro::MainWindow",
                       "Σε αυτή τη στήλη δίνουμε τον αριθμό του πρώτου ανυψωτήρα κάθε τμήματος")},
    {"textln", 1080, 495, "Label33", 4440,
     QT_TRANSLATE_NOOP(
         "thalmuro::MainWindow",
         "Σε αυτή τη στήλη δίνουμε τον αριθμό του τελευταίου ανυψωτήρα κάθε τμήματος")},
    {"textdr_thalmuro", 1680, 1095, "Label34", 5280,
     QT_TRANSLATE_NOOP("thalmuro::MainWindow",
                       "Σε αυτή τη στήλη δίνουμε την διάμετρο σε m κάθε τμήματος")},
    {"textdxanipsotiror", 2880, 1095, "Label35", 6360,
     QT_TRANSLATE_NOOP(
         "thalmuro::MainWindow",
         "Σε αυτή τη στήλη δίνουμε την απόσταση μεταξύ των ανυψωτήρων του τμήματος σε m")},
    {"textdz_anipsotiron", 4080, 1095, "Label36", 7680,
     QT_TRANSLATE_NOOP(
         "thalmuro::MainWindow",
         "Σε αυτή τη στήλη δίνουμε την υψομετρική διαφορά των ανυψωτήρων του τμήματος σε m")},
    {"textdr_anipsotiron", 5280, 1095, "Label37", 8760,
     QT_TRANSLATE_NOOP("thalmuro::MainWindow",
                       "Σε αυτή τη στήλη δίνουμε την διαμετρο των ανυψωτήρων του τμήματος σε m")},
};

// What a screen reader calls the section table's columns, which the window shows no heading
// for, in the order of Column; each cell's name adds its row and the column's unit.
constexpr const char* kColumnNames[MainWindow::kColumns] = {
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "πρώτος ανυψωτήρας"),
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "τελευταίος ανυψωτήρας"),
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "διάμετρος αγωγού D"),
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "απόσταση ανυψωτήρων"),
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "υψομετρική διαφορά ανυψωτήρων"),
    QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "διάμετρος ανυψωτήρων d"),
};

// Rows of the section table inside its frame: row r at Top 240 + 360 (r - 1), 285 high.
constexpr int rowTop(int row) {
    return 240 + 360 * (row - 1);
}
constexpr int kCellHeight = 285;

}  // namespace

MainWindow::MainWindow(SharedState& state, NumberLocale numberLocale, QWidget* parent)
    : QMainWindow(parent), state_(state), numberLocale_(std::move(numberLocale)) {
    setUpWindow(this, QStringLiteral("Form1"), QString());

    auto* client = new ClientArea(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    createMenus();
    createControls(client);
    createStatusLine();
    retranslate();
    arrangeFocusOrder();
    followFocusInTable();
    // Before the window takes its size: its status bar stands below the client area.
    reportFiles_ = new ReportFiles(*this);

    // The opening size gives the client area below the menu bar its 13665 x 9675 twips. No
    // layout manager is used: a larger window shows more of the picture and of the table,
    // and no control moves or changes size. The status line adds its height below them.
    setClientSize(this, kClientWidthTwips, kClientHeightTwips, WindowSizing::resizable,
                  [client](QWidget* target) { client->paintBackground(target); });

    // The Sharp button (Option1) comes first in the focus order and takes the focus when the
    // window opens; taking the focus selects it, so "Sharp" is the fitting type at start. The
    // selection is made here as well, so that it does not depend on the window manager activating
    // the window.
    sharpFittingButton_->setFocus();
    sharpFittingButton_->setChecked(true);

    // Problem files: created last, so that it follows the edits made after start-up only.
    projectFiles_ = new ProjectFiles(*this, numberLocale_);
}

void MainWindow::createControls(QWidget* client) {
    for (std::size_t i = 0; i < captionLabels_.size(); ++i) {
        const CaptionLabel& caption = kCaptionLabels[i];
        captionLabels_[i] = wrappedLabel(QString(), QStringLiteral("Label1_%1").arg(caption.index),
                                         caption.rect, client);
        captionLabels_[i]->setFont(captionFont());
    }

    risersBox_ = textBox(client, QStringLiteral("Text1"), {2040, 240, 975, 495});
    sectionsBox_ = textBox(client, QStringLiteral("Text2"), {2040, 1080, 975, 495});
    drhoBox_ = textBox(client, QStringLiteral("Text4"), {2040, 1920, 975, 495});
    totalDischargeBox_ = textBox(client, QStringLiteral("Text5"), {2040, 2640, 975, 495});
    manningBox_ = textBox(client, QStringLiteral("Text6"), {2040, 3360, 975, 495});

    sharpFittingButton_ =
        named(new QRadioButton(QStringLiteral("Sharp"), client), QStringLiteral("Option1"));
    bellFittingButton_ =
        named(new QRadioButton(QStringLiteral("Bell"), client), QStringLiteral("Option2"));
    place(sharpFittingButton_, {360, 4680, 1095, 375});
    place(bellFittingButton_, {360, 5160, 1095, 375});

    sameSpacingBox_ = named(new CaptionCheckBox(QString(), client), QStringLiteral("Check1"));
    sameElevationStepBox_ = named(new CaptionCheckBox(QString(), client), QStringLiteral("Check2"));
    sameRiserDiameterBox_ = named(new CaptionCheckBox(QString(), client), QStringLiteral("Check3"));
    workedExampleBox_ = named(new CaptionCheckBox(QString(), client), QStringLiteral("Check4"));
    place(sameSpacingBox_, {480, 5760, 2055, 735});
    place(sameElevationStepBox_, {480, 6600, 2055, 975});
    place(sameRiserDiameterBox_, {480, 7800, 2055, 855});
    place(workedExampleBox_, {360, 8880, 2295, 735});
    for (QWidget* widget :
         std::initializer_list<QWidget*>{sharpFittingButton_, bellFittingButton_, sameSpacingBox_,
                                         sameElevationStepBox_, sameRiserDiameterBox_}) {
        widget->setFont(captionFont());
        setOpaqueBackground(widget, kOptionColour);
    }
    workedExampleBox_->setFont(captionFont(true));
    setOpaqueBackground(workedExampleBox_, kExampleColour);

    connect(sameSpacingBox_, &QCheckBox::clicked, this,
            [this] { fillColumn(sameSpacingBox_, Column::spacing); });
    connect(sameElevationStepBox_, &QCheckBox::clicked, this,
            [this] { fillColumn(sameElevationStepBox_, Column::elevationStep); });
    connect(sameRiserDiameterBox_, &QCheckBox::clicked, this,
            [this] { fillColumn(sameRiserDiameterBox_, Column::riserDiameter); });
    connect(workedExampleBox_, &QCheckBox::clicked, this, &MainWindow::loadWorkedExample);

    // The "?" labels are created before the table's frame, so the frame lies above them: scrolling
    // the table up slides the frame over them, and scrolling back shows them again.
    const QFont markFont = windowFont(18, true);
    for (const ColumnLayout& column : kColumnLayout) {
        auto* mark = named(new ClickableLabel(QStringLiteral("?"), client), utf8(column.markName));
        mark->setFont(markFont);
        setTextColour(mark, kInformationMarkColour);
        mark->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        mark->setCursor(Qt::WhatsThisCursor);
        place(mark, {column.markLeft, 120, 255, 375});
        // Translated when shown, in the language of that moment.
        const char* message = column.message;
        connect(mark, &ClickableLabel::clicked, this,
                [this, message] { showInformation(this, tr(message)); });
    }

    tableFrame_ = named(new QFrame(client), QStringLiteral("Frame1"));
    tableFrame_->setFrameStyle(QFrame::Box | QFrame::Plain);
    tableFrame_->setLineWidth(1);
    setOpaqueBackground(tableFrame_, QApplication::palette().color(QPalette::ToolTipBase));
    place(tableFrame_, kTableFrame);
    createSectionTable();

    tableScrollBar_ = named(new QScrollBar(Qt::Vertical, client), QStringLiteral("VScroll1"));
    tableScrollBar_->setFocusPolicy(Qt::StrongFocus);
    place(tableScrollBar_, {10560, 0, 375, 11055});

    solveButton_ = named(new CaptionButton(QString(), client), QStringLiteral("Command1"));
    graphsButton_ = named(new CaptionButton(QString(), client), QStringLiteral("Command2"));
    loadingShaftButton_ = named(new CaptionButton(QString(), client), QStringLiteral("Command3"));
    place(solveButton_, {11280, 840, 1695, 615});
    place(graphsButton_, {11280, 1680, 1695, 615});
    place(loadingShaftButton_, {11280, 2520, 1695, 615});
    graphsButton_->setEnabled(false);
    connect(solveButton_, &QPushButton::clicked, this, &MainWindow::solve);
    connect(graphsButton_, &QPushButton::clicked, this, &MainWindow::graphsRequested);
    connect(loadingShaftButton_, &QPushButton::clicked, this, &MainWindow::loadingShaftRequested);

    // Start-up: the scroll bar runs from 1 to the frame's height with the small and large
    // changes of an arrow and a trough click, the frame stands at Top 500, and the
    // loading-shaft button waits for the first Solve like the graph button.
    tableScrollBar_->setRange(1, kTableFrame.height);
    tableScrollBar_->setSingleStep(kScrollSmallChange);
    tableScrollBar_->setPageStep(kScrollLargeChange);
    tableScrollBar_->setValue(tableScrollBar_->minimum());
    tableFrame_->move(tableFrame_->x(), twipsToPixels(kTableFrameTopTwips));
    loadingShaftButton_->setEnabled(false);
    // valueChanged also comes while the thumb is dragged (tracking is on), so the table
    // follows the thumb continuously.
    connect(tableScrollBar_, &QScrollBar::valueChanged, this, &MainWindow::scrollTable);
}

void MainWindow::createSectionTable() {
    const QColor rowLabelColour = QApplication::palette().color(QPalette::ToolTipBase);
    for (int row = 1; row <= kSectionRows; ++row) {
        auto* rowNumber = named(new QLabel(QString::number(row), tableFrame_),
                                QStringLiteral("Label%1").arg(row + 1));
        rowNumber->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setOpaqueBackground(rowNumber, rowLabelColour);
        place(rowNumber, {120, rowTop(row), 255, 255});
        for (int column = 0; column < kColumns; ++column) {
            const ColumnLayout& layout = kColumnLayout[column];
            cells_[column][row - 1] = textBox(
                tableFrame_, QStringLiteral("%1_%2").arg(utf8(layout.cellName)).arg(row - 1),
                {layout.left, rowTop(row), layout.width, kCellHeight});
        }
    }
}

void MainWindow::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    // Menus keep the desktop's menu font rather than the window's.
    bar->setFont(QApplication::font(bar));

    diffuserMenu_ = named(bar->addMenu(QString()), QStringLiteral("Thalmuro"));
    generalitiesEntry_ = diffuserMenu_->addAction(QString());
    generalitiesEntry_->setObjectName(QStringLiteral("genika_Thalmuro"));
    connect(generalitiesEntry_, &QAction::triggered, this, &MainWindow::generalitiesRequested);
    reportViewEntry_ = diffuserMenu_->addAction(QString());
    reportViewEntry_->setObjectName(QStringLiteral("provoli_anaforas"));
    connect(reportViewEntry_, &QAction::triggered, this, &MainWindow::reportViewRequested);
    resultsExportEntry_ = diffuserMenu_->addAction(QString());
    resultsExportEntry_->setObjectName(QStringLiteral("exagogi_apotelesmaton"));
    connect(resultsExportEntry_, &QAction::triggered, this, &MainWindow::exportResults);
    for (QAction* entry : {reportViewEntry_, resultsExportEntry_})
        entry->setEnabled(false);

    flowMenu_ = named(bar->addMenu(QString()), QStringLiteral("paroxi"));
    const auto flowEntry = [&](const char* name) {
        QAction* entry = flowMenu_->addAction(QString());
        entry->setObjectName(utf8(name));
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, entry] { chooseFlowMode(entry); });
        return entry;
    };
    standardFlowEntry_ = flowEntry("paroxi_me_stantar");
    optimisedFlowEntry_ = flowEntry("paroxi_beltisti");
    userFlowEntry_ = flowEntry("paroxi_kathorismeni");

    helpMenu_ = named(bar->addMenu(QString()), QStringLiteral("help"));
    instructionsEntry_ = helpMenu_->addAction(QString());
    instructionsEntry_->setObjectName(QStringLiteral("help_general"));
    instructionsEntry_->setShortcut(QKeySequence(Qt::Key_F1));
    connect(instructionsEntry_, &QAction::triggered, this, &MainWindow::instructionsRequested);

    // "About" is an item of the menu bar itself that acts when chosen. NoRole keeps Qt from
    // moving it into an application menu on platforms that have one.
    QAction* about = bar->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("about"));
    about->setMenuRole(QAction::NoRole);
    connect(about, &QAction::triggered, this, &MainWindow::aboutRequested);
    createLanguageMenu();
}

void MainWindow::createLanguageMenu() {
    // Its title and entries read the same in either language, so that whoever does not read
    // the language shown finds the way back.
    QMenu* menu =
        named(menuBar()->addMenu(QStringLiteral("Γλώσσα / Language")), QStringLiteral("glossa"));
    const auto languageEntry = [&](const QString& caption, const QString& name, Language language) {
        QAction* entry = menu->addAction(caption);
        entry->setObjectName(name);
        entry->setCheckable(true);
        connect(entry, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
        return entry;
    };
    greekEntry_ = languageEntry(QStringLiteral("Ελληνικά"), QStringLiteral("glossa_ellinika"),
                                Language::greek);
    englishEntry_ = languageEntry(QStringLiteral("English"), QStringLiteral("glossa_english"),
                                  Language::english);
}

void MainWindow::chooseLanguage(Language language) {
    setInterfaceLanguage(language);
    QSettings settings = programSettings();
    saveLanguage(settings, language);
    // Choosing the language shown again keeps its mark.
    showLanguageMarks();
}

void MainWindow::showLanguageMarks() {
    greekEntry_->setChecked(interfaceLanguage() == Language::greek);
    englishEntry_->setChecked(interfaceLanguage() == Language::english);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    const QString caption = tr("ΥΔΡΑΥΛΙΚΟΣ ΥΠΟΛΟΓΙΣΜΟΣ ΔΙΑΧΥΤΗΡΑ");
    // Once the problem files follow the window, its caption also names the open file.
    if (projectFiles_ != nullptr)
        projectFiles_->retranslate(caption);
    else
        setWindowTitle(caption);

    for (std::size_t i = 0; i < captionLabels_.size(); ++i)
        captionLabels_[i]->setText(tr(kCaptionLabels[i].caption));
    sameSpacingBox_->setText(tr("Ιδια Απόσταση Ανυψωτήρων για κάθε τμήμα"));
    sameElevationStepBox_->setText(tr("Ιδια Υψομετρική διαφορά  Ανυψωτήρων για κάθε τμήμα"));
    sameRiserDiameterBox_->setText(tr("Ιδια Διάμετρος Ανυψωτήρων για κάθε τμήμα"));
    workedExampleBox_->setText(tr("Παράδειγμα Σημειώσεων "));
    solveButton_->setText(tr("Επίλυση"));
    graphsButton_->setText(tr("Γραφικές Παραστάσεις"));
    loadingShaftButton_->setText(tr("Φρεάτιο Φόρτισης"));
    showPlausibleRanges();
    nameBoxes();

    diffuserMenu_->setTitle(tr("Διαχυτήρας"));
    generalitiesEntry_->setText(tr("Γενικά για τον διαχυτήρα- Τρόπος Υπολογισμού"));
    reportViewEntry_->setText(tr("Προβολή Αναφοράς"));
    resultsExportEntry_->setText(tr("Εξαγωγή Αποτελεσμάτων (CSV)…"));
    flowMenu_->setTitle(tr("Παροχή Υπολογισμού"));
    standardFlowEntry_->setText(tr("Υπολογισμος με qc=0.95qtotal"));
    optimisedFlowEntry_->setText(tr("Υπολογισμος με βελτιστοποίηση της παροχής"));
    userFlowEntry_->setText(tr("Υπολογισμός με καθορισμένη απο το χρήστη σχέση qc με qtotal"));
    helpMenu_->setTitle(tr("Οδηγίες"));
    instructionsEntry_->setText(tr("Καρτέλες με οδηγίες"));
    showLanguageMarks();
    showSkippedStepsText();
}

QAction* MainWindow::addSolvedDesignEntry(const QString& caption, const QString& name) {
    QAction* entry = diffuserMenu_->addAction(caption);
    entry->setObjectName(name);
    entry->setEnabled(graphsButton_->isEnabled());
    connect(this, &MainWindow::solved, entry, [entry] { entry->setEnabled(true); });
    return entry;
}

void MainWindow::createStatusLine() {
    statusLine_ = named(statusBar(), QStringLiteral("grammi_katastasis"));
    statusLine_->setFont(QApplication::font(statusLine_));
    // The notice of skipped steps: a warning sign and the text with its link, on pale amber, a
    // notice that the report holds values it could not compute, not an error.
    skippedStepsNotice_ = new QWidget;
    setBackground(skippedStepsNotice_, QColor(255, 243, 205));
    auto* sign = new QLabel;
    const int signSize = statusLine_->style()->pixelMetric(QStyle::PM_SmallIconSize);
    sign->setPixmap(
        statusLine_->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(signSize));
    skippedStepsText_ = named(new QLabel, QStringLiteral("paraleifthenta_vimata"));
    skippedStepsText_->setTextFormat(Qt::RichText);
    skippedStepsText_->setTextInteractionFlags(Qt::LinksAccessibleByMouse |
                                               Qt::LinksAccessibleByKeyboard);
    connect(skippedStepsText_, &QLabel::linkActivated, this, &MainWindow::skippedStepsRequested);
    auto* notice = new QHBoxLayout(skippedStepsNotice_);
    notice->setContentsMargins(4, 0, 4, 0);
    notice->addWidget(sign);
    notice->addWidget(skippedStepsText_);
    statusLine_->addWidget(skippedStepsNotice_);
    skippedStepsNotice_->hide();
    statusLine_->hide();
    connect(this, &MainWindow::solved, this,
            [this](const DiffuserInput& problem, const SolveOutcome& outcome) {
                showStatusLine(problem, outcome);
            });
}

void MainWindow::arrangeFocusOrder() {
    // The Sharp button first; then the fitting pair, the general inputs, the fill aids, the
    // table row by row, the buttons and the scroll bar.
    std::vector<QWidget*> order{sharpFittingButton_,   bellFittingButton_, risersBox_,
                                sectionsBox_,          drhoBox_,           totalDischargeBox_,
                                manningBox_,           sameSpacingBox_,    sameElevationStepBox_,
                                sameRiserDiameterBox_, workedExampleBox_};
    for (int row = 1; row <= kSectionRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            order.push_back(cell(static_cast<Column>(column), row));
        }
    }
    order.insert(order.end(), {solveButton_, graphsButton_, loadingShaftButton_, tableScrollBar_,
                               skippedStepsText_});
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::scrollTable(int value) {
    tableFrame_->move(tableFrame_->x(), twipsToPixels(kTableFrameTopTwips - value));
}

void MainWindow::followFocusInTable() {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
        if (now == nullptr || now->parentWidget() != tableFrame_) return;
        for (int row = 1; row <= kSectionRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                if (cell(static_cast<Column>(column), row) == now) showTableRow(row);
            }
        }
    });
}

void MainWindow::showTableRow(int row) {
    // The row's top and bottom edges on the client area, in twips, with the scroll bar at
    // `value`: the frame stands at 500 - value.
    const int value = tableScrollBar_->value();
    const int top = kTableFrameTopTwips - value + rowTop(row);
    const int bottom = top + kCellHeight;
    // The visible part of the table is the client area that holds its frame, however tall the
    // window is; where the client area scrolls on a small screen, the scroll area shows the row
    // afterwards.
    const int visibleBottom = tableFrame_->parentWidget()->height() * kTwipsPerPixel;
    int wanted = value;
    if (top < 0) {
        wanted = value + top;  // the row's top on the client area's top edge
    } else if (bottom > visibleBottom) {
        wanted = value + bottom - visibleBottom;  // the row's bottom on the lower edge
    }
    tableScrollBar_->setValue(
        std::clamp(wanted, tableScrollBar_->minimum(), tableScrollBar_->maximum()));
}

int MainWindow::rowsOfSections() {
    const std::optional<std::int16_t> count =
        readSectionCount(sectionsBox_->text().toStdString(), state_);
    // A number outside the 16-bit range is not stored, as when Solve reads it: tmimata keeps
    // its value, and the aids leave the table alone rather than guess a count.
    if (!count) return 0;
    // The table has 30 rows; a larger count fills or empties all of them and nothing more.
    return std::clamp<int>(*count, 0, kSectionRows);
}

void MainWindow::fillColumn(const QCheckBox* box, Column column) {
    const int rows = rowsOfSections();
    // A grey (third) state counts as unticked.
    const bool ticked = box->checkState() == Qt::Checked;
    const QString first = cell(column, 1)->text();
    for (int row = 2; row <= rows; ++row)
        cell(column, row)->setText(ticked ? first : QString());
}

void MainWindow::loadWorkedExample() {
    // N is read before anything is written: unticking empties the rows that Text2 counted
    // before the click, and ticking fills the example whatever Text2 held.
    const int rows = rowsOfSections();
    if (workedExampleBox_->checkState() != Qt::Checked) {
        showTexts(DiffuserInput{}, rows);
        return;
    }

    // The numbers are written in the general number format of the user's regional settings
    // (0,0307 with a decimal comma), which Solve reads back in the same format. Only the
    // example's own rows are written: rows below them keep what they hold.
    const DiffuserInput example = workedExample(numberLocale_);
    showTexts(example, leadingCount(example.sections).value_or(0));
}

void MainWindow::chooseFlowMode(QAction* chosen) {
    // At most one mark at a time; choosing the marked entry again keeps it marked.
    for (QAction* entry : {standardFlowEntry_, optimisedFlowEntry_, userFlowEntry_}) {
        entry->setChecked(entry == chosen);
    }
}

FlowMode MainWindow::flowMode() const {
    if (userFlowEntry_->isChecked()) return FlowMode::user;
    if (optimisedFlowEntry_->isChecked()) return FlowMode::optimised;
    if (standardFlowEntry_->isChecked()) return FlowMode::standard;
    return FlowMode::none;
}

std::array<std::pair<QLineEdit*, std::string DiffuserInput::*>, 5> MainWindow::generalBoxes()
    const {
    return {{{risersBox_, &DiffuserInput::risers},
             {sectionsBox_, &DiffuserInput::sections},
             {drhoBox_, &DiffuserInput::drho},
             {totalDischargeBox_, &DiffuserInput::total_discharge},
             {manningBox_, &DiffuserInput::manning}}};
}

DiffuserInput MainWindow::input() const {
    DiffuserInput input;
    for (const auto& [box, text] : generalBoxes())
        input.*text = box->text().toStdString();
    for (int row = 1; row <= kSectionRows; ++row) {
        SectionRow& cells = input.rows[static_cast<std::size_t>(row - 1)];
        for (int column = 0; column < kColumns; ++column) {
            cells.*kRowCells[static_cast<std::size_t>(column)] =
                cell(static_cast<Column>(column), row)->text().toStdString();
        }
    }
    input.flow_mode = flowMode();
    input.fitting = sharpFittingButton_->isChecked() ? FittingType::Sharp : FittingType::Bell;
    return input;
}

DiffuserInput MainWindow::problem() const {
    DiffuserInput kept = input();
    if (kept.flow_mode == FlowMode::user) kept.ratio = lastRatio_;
    return kept;
}

void MainWindow::showTexts(const DiffuserInput& problem, int rows) {
    for (const auto& [box, text] : generalBoxes())
        box->setText(QString::fromStdString(problem.*text));
    showSectionRows(problem, rows);
}

void MainWindow::showSectionRows(const DiffuserInput& problem, int rows) {
    for (int row = 1; row <= rows; ++row) {
        const SectionRow& cells = problem.rows[static_cast<std::size_t>(row - 1)];
        for (int column = 0; column < kColumns; ++column) {
            cell(static_cast<Column>(column), row)
                ->setText(
                    QString::fromStdString(cells.*kRowCells[static_cast<std::size_t>(column)]));
        }
    }
}

void MainWindow::showProblem(const DiffuserInput& problem) {
    showTexts(problem, kSectionRows);
    (problem.fitting == FittingType::Sharp ? sharpFittingButton_ : bellFittingButton_)
        ->setChecked(true);
    standardFlowEntry_->setChecked(problem.flow_mode == FlowMode::standard);
    optimisedFlowEntry_->setChecked(problem.flow_mode == FlowMode::optimised);
    userFlowEntry_->setChecked(problem.flow_mode == FlowMode::user);
    for (QCheckBox* aid :
         {sameSpacingBox_, sameElevationStepBox_, sameRiserDiameterBox_, workedExampleBox_})
        aid->setChecked(false);
    lastRatio_ = problem.ratio;
}

void MainWindow::applySectionTable(const DiffuserInput& problem) {
    const DiffuserInput shown = input();
    replacedSectionTable_ = SectionTable{shown.sections, shown.rows};
    DiffuserInput table;
    table.sections = problem.sections;
    // Rows beyond the proposal's count would otherwise keep cells of the old table, which a
    // later section count could bring back into the design.
    const int rows = std::clamp<int>(leadingCount(problem.sections).value_or(0), 0, kSectionRows);
    for (int row = 0; row < rows; ++row)
        table.rows[static_cast<std::size_t>(row)] = problem.rows[static_cast<std::size_t>(row)];
    sectionsBox_->setText(QString::fromStdString(table.sections));
    showSectionRows(table, kSectionRows);
}

bool MainWindow::restoreSectionTable() {
    if (!replacedSectionTable_) return false;
    DiffuserInput table;
    table.sections = replacedSectionTable_->sections;
    table.rows = replacedSectionTable_->rows;
    replacedSectionTable_.reset();
    sectionsBox_->setText(QString::fromStdString(table.sections));
    showSectionRows(table, kSectionRows);
    return true;
}

void MainWindow::solve() {
    // The prompts and the progress window are modal, so no click can reach Command1 while a
    // Solve runs; the guard keeps it so should that ever change.
    if (solving_) return;
    solving_ = true;
    ReportFiles::Outcome saved;
    DiffuserInput problem;
    SolveOutcome outcome;
    SharedState solvedState;
    {
        const BusyPointer busy;
        problem = input();
        if (!confirmNumbers(problem)) {
            solving_ = false;
            return;
        }
        // In the user flow mode the ratio is asked first; the engine reads the answer.
        if (problem.flow_mode == FlowMode::user) {
            const std::string offer = ratioOffer(lastRatio_, numberLocale_);
            Prompt ratioPrompt = kRatioPrompt;
            ratioPrompt.initial_text = offer;
            problem.ratio = askLine(this, ratioPrompt);
            if (problem.ratio != lastRatio_) {
                lastRatio_ = problem.ratio;
                emit ratioAnswered();
            }
        }
        {
            BalancingWindow balancing(this);
            outcome = Solve(problem, state_, numberLocale_, &balancing);
        }
        solvedState = state_;
        saved = reportFiles_->save(outcome.report);
        if (saved.written()) {
            lastReport_ = outcome.report;
            lastReportFile_ = saved.file;
        }
    }
    solving_ = false;

    // From the first Solve on, the results store holds a solution for the graph and the
    // loading-shaft windows and for the export of the results.
    graphsButton_->setEnabled(true);
    loadingShaftButton_->setEnabled(true);
    resultsExportEntry_->setEnabled(true);
    if (saved.written()) {
        reportViewEntry_->setEnabled(true);
        emit reportWritten();
    }
    emit solved(problem, outcome, solvedState);

    // A report that could not be written is the one failure the user needs to hear about,
    // since nothing else would tell.
    if (saved.error) {
        showInformation(this, reportFailureText(QDir::toNativeSeparators(saved.file).toStdString(),
                                                saved.error));
    }
}

void MainWindow::showStatusLine(const DiffuserInput& problem, const SolveOutcome& outcome) {
    skippedCauses_ = explainSkipped(problem, outcome, numberLocale_).size();
    showSkippedStepsText();
    skippedStepsNotice_->setVisible(skippedCauses_ > 0);
    // The bar shows while it has something to tell: the skipped steps or the report written.
    statusLine_->setVisible(skippedCauses_ > 0 || reportFiles_->namesReport());
}

void MainWindow::showSkippedStepsText() {
    if (skippedCauses_ == 0) return;
    const QString count = skippedCauses_ == 1 ? tr("1 αιτία") : tr("%1 αιτίες").arg(skippedCauses_);
    const QString text = tr("Παραλείφθηκαν βήματα (%1)· κρατήθηκαν προηγούμενες τιμές.").arg(count);
    const QString link = tr("Δείτε τις αιτίες");
    skippedStepsText_->setText(
        QStringLiteral("%1 <a href=\"#paraleifthenta_vimata\">%2</a>").arg(text, link));
    skippedStepsText_->setAccessibleName(text + QLatin1Char(' ') + link);
}

bool MainWindow::confirmNumbers(DiffuserInput& problem) {
    const std::vector<NumberFinding> findings = findNumberSlips(problem, numberLocale_);
    if (findings.empty()) return true;
    switch (askAboutNumbers(this, findings, numberLocale_)) {
        case NumberAnswer::correct:
            // The value meant, in the user's format, where there is one; the other boxes
            // keep their texts.
            for (const NumberFinding& finding : findings) {
                if (!finding.alternative) continue;
                boxOf(finding.quantity, finding.row)
                    ->setText(
                        QString::fromStdString(formatGeneral(*finding.alternative, numberLocale_)));
            }
            problem = input();
            return true;
        case NumberAnswer::solveAsTyped:
            return true;
        case NumberAnswer::cancel:
            break;
    }
    boxOf(findings.front().quantity, findings.front().row)->setFocus();
    return false;
}

QLineEdit* MainWindow::boxOf(InputQuantity quantity, int row) const {
    switch (quantity) {
        case InputQuantity::risers:
            return risersBox_;
        case InputQuantity::sections:
            return sectionsBox_;
        case InputQuantity::drho:
            return drhoBox_;
        case InputQuantity::total_discharge:
            return totalDischargeBox_;
        case InputQuantity::manning:
            return manningBox_;
        default:
            return cell(static_cast<Column>(static_cast<int>(quantity) -
                                            static_cast<int>(InputQuantity::first_riser)),
                        row);
    }
}

void MainWindow::showPlausibleRanges() {
    for (const InputQuantity quantity :
         {InputQuantity::risers, InputQuantity::sections, InputQuantity::drho,
          InputQuantity::total_discharge, InputQuantity::manning})
        boxOf(quantity, 0)->setToolTip(plausibleRangeTip(quantity, numberLocale_));
    for (std::size_t column = 0; column < kRowCells.size(); ++column) {
        const QString tip = plausibleRangeTip(columnQuantity(column), numberLocale_);
        for (int row = 1; row <= kSectionRows; ++row)
            boxOf(columnQuantity(column), row)->setToolTip(tip);
    }
}

void MainWindow::nameBoxes() {
    // The captions Label1_0 ... Label1_5 stand beside the general boxes, in the order of their
    // quantities; Label1_6 heads the fitting pair.
    for (std::size_t i = 0; i < generalBoxes().size(); ++i) {
        const auto quantity = static_cast<InputQuantity>(i);
        nameBox(boxOf(quantity, 0), nameWithUnit(captionLabels_[i]->text(), unitOf(quantity)),
                captionLabels_[i]);
    }
    const QString fitting = nameWithUnit(captionLabels_.back()->text(), QString());
    for (QRadioButton* button : {sharpFittingButton_, bellFittingButton_})
        button->setAccessibleName(QStringLiteral("%1: %2").arg(fitting, button->text()));
    for (std::size_t column = 0; column < kRowCells.size(); ++column) {
        const QString name =
            nameWithUnit(accessibleText(kColumnNames[column]), unitOf(columnQuantity(column)));
        for (int row = 1; row <= kSectionRows; ++row)
            boxOf(columnQuantity(column), row)->setAccessibleName(sectionCellName(row, name));
    }
}

void MainWindow::exportResults() {
    // Beside the last report, under its name, or in the folder where a report named without a
    // folder goes.
    const QFileInfo report(lastReportFile_);
    const QString suggested =
        lastReportFile_.isEmpty()
            ? QDir(reportFiles_->reportFolder()).filePath(tr("Αποτελέσματα.csv"))
            : report.absoluteDir().filePath(report.completeBaseName() + QStringLiteral(".csv"));
    saveFile(this,
             {QStringLiteral("exportResultsDialog"), tr("Εξαγωγή αποτελεσμάτων (CSV)"),
              tr("Αρχεία CSV (*.csv)"), QStringLiteral("csv")},
             suggested,
             resultsCsv(state_.results, numberLocale_, resultsCsvHeader(interfaceLanguage())));
}

}  // namespace thalmuro
