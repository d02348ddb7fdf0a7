#include "controls.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace thalmuro {

CaptionCheckBox::CaptionCheckBox(const QString& caption, QWidget* parent)
    : QCheckBox(caption, parent) {}

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
