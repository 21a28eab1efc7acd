// MultiRule: lays out and paints the etched separator line.
#include "rule_line.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPalette>
#include <QResizeEvent>

#include "twips.h"

namespace {

// Screen readers treat a rule as what it is, a separator, instead of an unnamed panel.
QAccessibleInterface *ruleAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("MultiRule") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

MultiRule::MultiRule(QWidget *parent)
    : QWidget(parent)
{
    static const bool accessibleFactoryInstalled = [] {
        QAccessible::installFactory(ruleAccessible);
        return true;
    }();
    Q_UNUSED(accessibleFactoryInstalled)
    // A rule is decoration: nothing to type into, so it never takes the focus.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

MultiRule::Orientation MultiRule::orientation() const
{
    return m_orientation;
}

void MultiRule::setOrientation(Orientation orientation)
{
    m_orientation = orientation;
    layoutLines(pixelsToTwips(width()), pixelsToTwips(height()));
}

QLine MultiRule::loLite() const
{
    return m_loLite;
}

QLine MultiRule::hiLite() const
{
    return m_hiLite;
}

void MultiRule::layoutLines(int innerWidthTwips, int innerHeightTwips)
{
    switch (m_orientation) {
    case Orientation::Automatic:
        if (innerWidthTwips > innerHeightTwips)
            layoutHorizontal(innerWidthTwips);
        else
            layoutVertical(innerHeightTwips);
        break;
    case Orientation::Horizontal:
        layoutHorizontal(innerWidthTwips);
        break;
    case Orientation::Vertical:
        layoutVertical(innerHeightTwips);
        break;
    }
    update();
}

QSize MultiRule::sizeHint() const
{
    return QSize(280, 6);
}

void MultiRule::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutLines(pixelsToTwips(event->size().width()), pixelsToTwips(event->size().height()));
}

void MultiRule::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Light), 0));
    painter.drawLine(twipsToPixels(m_hiLite));
    painter.setPen(QPen(palette().color(QPalette::Dark), 0));
    painter.drawLine(twipsToPixels(m_loLite));
}

// The order of assignments matters and some coordinates are deliberately left alone: forms
// that set a line's start themselves keep it, so the shadow line's X1 is not reset here.
void MultiRule::layoutHorizontal(int width)
{
    m_hiLite.setP1(QPoint(m_hiLite.x1(), 20));
    m_loLite.setP1(QPoint(m_loLite.x1(), 0));
    m_hiLite.setP2(QPoint(m_hiLite.x2(), m_hiLite.y1()));
    m_loLite.setP2(QPoint(m_loLite.x2(), m_loLite.y1()));
    m_hiLite.setP1(QPoint(0, m_hiLite.y1()));
    m_hiLite.setP2(QPoint(width, m_hiLite.y2()));
    m_loLite.setP2(QPoint(width, m_loLite.y2()));
}

// Likewise the shadow line's Y1 keeps its previous value.
void MultiRule::layoutVertical(int height)
{
    m_hiLite.setP1(QPoint(20, 30));
    m_hiLite.setP2(QPoint(20, m_hiLite.y2()));
    m_loLite.setP1(QPoint(2, m_loLite.y1()));
    m_loLite.setP2(QPoint(2, m_loLite.y2()));
    m_hiLite.setP2(QPoint(m_hiLite.x2(), height));
    m_loLite.setP2(QPoint(m_loLite.x2(), height));
}
