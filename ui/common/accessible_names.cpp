#include "accessible_names.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QWidget>
#include <utility>

#include "window_controls.h"

namespace thalmuro {
namespace {

// Calls its function whenever the widget it watches receives QEvent::LanguageChange.
class LanguageFollower : public QObject {
  public:
    LanguageFollower(QWidget* watched, std::function<void()> name)
        : QObject(watched), name_(std::move(name)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == QEvent::LanguageChange) name_();
        return false;
    }

  private:
    std::function<void()> name_;
};

// The view's own editors, each named after the cell it edits.
class NamingDelegate : public QStyledItemDelegate {
  public:
    NamingDelegate(QObject* parent, std::function<QString(const QModelIndex&)> name)
        : QStyledItemDelegate(parent), name_(std::move(name)) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (editor != nullptr) editor->setAccessibleName(name_(index));
        return editor;
    }

  private:
    std::function<QString(const QModelIndex&)> name_;
};

}  // namespace

QString unitOf(InputQuantity quantity) {
    // The table writes units in plain characters ("m^3/s") and "-" for a pure number.
    const std::string_view unit = plausibleRange(quantity).unit;
    if (unit == "-") return {};
    return utf8(unit)
        .replace(QStringLiteral("^2"), QStringLiteral("²"))
        .replace(QStringLiteral("^3"), QStringLiteral("³"));
}

QString nameWithUnit(const QString& caption, const QString& unit) {
    QString name = caption.simplified();
    if (name.endsWith(QLatin1Char(':'))) name = name.chopped(1).trimmed();
    if (unit.isEmpty()) return name;
    return QStringLiteral("%1 (%2)").arg(name, unit);
}

QString accessibleText(const char* text) {
    return QCoreApplication::translate("thalmuro::AccessibleNames", text);
}

QString sectionCellName(int row, const QString& column) {
    return accessibleText(QT_TRANSLATE_NOOP("thalmuro::AccessibleNames", "Τμήμα %1, %2"))
        .arg(row)
        .arg(column);
}

void nameBox(QWidget* box, const QString& name, QLabel* label) {
    box->setAccessibleName(name);
    if (label != nullptr) label->setBuddy(box);
}

void nameInEachLanguage(QWidget* window, std::function<void()> name) {
    name();
    new LanguageFollower(window, std::move(name));
}

void nameCellEditors(QAbstractItemView* view, std::function<QString(const QModelIndex&)> name) {
    view->setItemDelegate(new NamingDelegate(view, std::move(name)));
}

}  // namespace thalmuro
