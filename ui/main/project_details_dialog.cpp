#include "project_details_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>
#include <utility>

#include "accessible_names.h"
#include "window_controls.h"

namespace thalmuro {
namespace {

QString shown(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

ProjectDetailsDialog::ProjectDetailsDialog(const ProjectDetails& details, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("projectDetailsDialog"));
    setWindowModality(Qt::ApplicationModal);

    const auto line = [this](const std::string& text, const char* name) {
        auto* box = named(new QLineEdit(shown(text), this), utf8(name));
        box->setMinimumWidth(360);
        return box;
    };
    const auto label = [this](const char* name) { return named(new QLabel(this), utf8(name)); };
    titleLabel_ = label("detailsTitleLabel");
    titleBox_ = line(details.title, "detailsTitleBox");
    engineerLabel_ = label("detailsEngineerLabel");
    engineerBox_ = line(details.engineer, "detailsEngineerBox");
    clientLabel_ = label("detailsClientLabel");
    clientBox_ = line(details.client, "detailsClientBox");
    notesLabel_ = label("detailsNotesLabel");
    notesBox_ = named(new QPlainTextEdit(this), QStringLiteral("detailsNotesBox"));
    notesBox_->setPlainText(shown(details.notes));
    // Tab leaves the notes for the buttons, as it leaves every other box; the notes take their
    // line feeds from Enter.
    notesBox_->setTabChangesFocus(true);
    notesBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    connect(notesBox_, &QPlainTextEdit::textChanged, this,
            &ProjectDetailsDialog::keepNotesWithinLimit);

    buttons_ = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this),
                     QStringLiteral("detailsButtons"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(titleLabel_, titleBox_);
    form->addRow(engineerLabel_, engineerBox_);
    form->addRow(clientLabel_, clientBox_);
    form->addRow(notesLabel_, notesBox_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addWidget(buttons_);

    retranslate();
    titleBox_->setFocus();
}

ProjectDetails ProjectDetailsDialog::details() const {
    return {titleBox_->text().toStdString(), engineerBox_->text().toStdString(),
            clientBox_->text().toStdString(), notesBox_->toPlainText().toStdString()};
}

void ProjectDetailsDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) retranslate();
    QDialog::changeEvent(event);
}

void ProjectDetailsDialog::retranslate() {
    setWindowTitle(tr("Ιδιότητες Έργου"));
    titleLabel_->setText(tr("Τίτλος:"));
    engineerLabel_->setText(tr("Μηχανικός:"));
    clientLabel_->setText(tr("Πελάτης:"));
    notesLabel_->setText(tr("Σημειώσεις:"));
    // What a screen reader says of each box: the caption beside it, which is also its buddy.
    const std::pair<QWidget*, QLabel*> boxes[] = {{titleBox_, titleLabel_},
                                                  {engineerBox_, engineerLabel_},
                                                  {clientBox_, clientLabel_},
                                                  {notesBox_, notesLabel_}};
    for (const auto& [box, caption] : boxes)
        nameBox(box, nameWithUnit(caption->text(), QString()), caption);
    // OK in both languages, as in the program's other questions.
    buttons_->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons_->button(QDialogButtonBox::Cancel)->setText(tr("Άκυρο"));
}

void ProjectDetailsDialog::keepNotesWithinLimit() {
    const QString text = notesBox_->toPlainText();
    if (text.size() <= kMaxNotesLength) return;
    // Cut by whole characters: a character beyond the Basic Multilingual Plane is two units.
    qsizetype length = kMaxNotesLength;
    if (text.at(length - 1).isHighSurrogate()) --length;
    notesBox_->setPlainText(text.left(length));
    notesBox_->moveCursor(QTextCursor::End);
}

}  // namespace thalmuro
