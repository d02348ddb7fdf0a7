#include "controls.h"

#include <QAccessibleWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace thalmuro {
namespace {

// What assistive technology sees of a CaptionCheckBox: a check box with its caption as name,
// whose toggle action clicks the box. (Qt's own toggle action sets the state without a click;
// the main window acts on the clicks of its fill aids and not on every change of their state,
// so a box ticked that way would show its tick and leave the form as it was.)
class AccessibleCaptionCheckBox : public QAccessibleWidget {
  public:
    explicit AccessibleCaptionCheckBox(QCheckBox* box)
        : QAccessibleWidget(box, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = box()->checkState() == Qt::Checked;
        state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
        return state;
    }

    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name && widget()->accessibleName().isEmpty())
            return box()->text();
        return QAccessibleWidget::text(which);
    }

    QStringList actionNames() const override {
        QStringList names;
        if (widget()->isEnabled()) names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction()) {
            if (widget()->isEnabled()) box()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

QAccessibleInterface* accessibleCaptionCheckBox(const QString& className, QObject* object) {
    if (className != QLatin1String(CaptionCheckBox::staticMetaObject.className())) return nullptr;
    return new AccessibleCaptionCheckBox(static_cast<CaptionCheckBox*>(object));
}

}  // namespace

CaptionCheckBox::CaptionCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {
    [[maybe_unused]] static const bool accessible =
        (QAccessible::installFactory(&accessibleCaptionCheckBox), true);
}

void CaptionCheckBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);

    // The style centres the indicator vertically in the control's rectangle.
    QStyleOptionButton indicator = option;
    indicator.rect = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, indicator);

    const int spacing = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const QRect textArea = rect().adjusted(indicator.rect.right() + 1 + spacing, 0, 0, 0);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    painter.drawItemText(textArea, flags, palette(), isEnabled(), text(), QPalette::WindowText);

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textArea, flags, text()).adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool CaptionCheckBox::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

}  // namespace thalmuro
