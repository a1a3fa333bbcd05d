#include "ResizeKit.h"

#include <QEvent>
#include <QFont>
#include <QWidget>
#include <cmath>

namespace {
const char kGeometry[] = "designGeometry";
const char kFontSize[] = "designFontSize";
const char kFontInPixels[] = "designFontInPixels";
} // namespace

ResizeKit::ResizeKit(QWidget *form, QSize designSize)
    : QObject(form)
    , m_form(form)
    , m_designSize(designSize)
{
    setObjectName(QStringLiteral("qt_resizekit"));
    const auto children = form->findChildren<QWidget *>();
    for (QWidget *child : children)
        adopt(child);
    form->installEventFilter(this);
}

void ResizeKit::adopt(QWidget *widget)
{
    if (!widget->property(kGeometry).isValid())
        widget->setProperty(kGeometry, widget->geometry());
    if (!widget->property(kFontSize).isValid()) {
        const QFont font = widget->font();
        const bool pixels = font.pixelSize() > 0;
        widget->setProperty(kFontInPixels, pixels);
        widget->setProperty(kFontSize, pixels ? double(font.pixelSize()) : font.pointSizeF());
    }
}

ResizeKit *ResizeKit::kitOf(const QWidget *widget)
{
    const QWidget *window = widget->window();
    return window ? window->findChild<ResizeKit *>(QStringLiteral("qt_resizekit"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

void ResizeKit::setDesignGeometry(QWidget *widget, const QRect &rect)
{
    ResizeKit *kit = kitOf(widget);
    if (!kit) {
        widget->setGeometry(rect);
        return;
    }
    widget->setProperty(kGeometry, rect);
    kit->apply(widget);
}

void ResizeKit::setDesignFontPixels(QWidget *widget, int pixels)
{
    widget->setProperty(kFontInPixels, true);
    widget->setProperty(kFontSize, double(pixels));
    if (ResizeKit *kit = kitOf(widget)) {
        kit->apply(widget);
        return;
    }
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

QRect ResizeKit::designGeometry(const QWidget *widget)
{
    const QVariant value = widget->property(kGeometry);
    return value.isValid() ? value.toRect() : widget->geometry();
}

void ResizeKit::apply(QWidget *widget) const
{
    const QRect design = widget->property(kGeometry).toRect();
    const int left = int(std::lround(design.x() * m_sx));
    const int top = int(std::lround(design.y() * m_sy));
    const int right = int(std::lround((design.x() + design.width()) * m_sx));
    const int bottom = int(std::lround((design.y() + design.height()) * m_sy));
    widget->setGeometry(left, top, right - left, bottom - top);

    const double size = widget->property(kFontSize).toDouble();
    if (size > 0) {
        const double factor = std::min(m_sx, m_sy);
        QFont font = widget->font();
        if (widget->property(kFontInPixels).toBool())
            font.setPixelSize(std::max(1, int(std::lround(size * factor))));
        else // in half points: a window dragged through a hundred sizes uses a few fonts, not a hundred
            font.setPointSizeF(std::max(1.0, std::round(size * factor * 2) / 2));
        if (font != widget->font())
            widget->setFont(font);
    }
}

void ResizeKit::rescale()
{
    if (m_designSize.isEmpty())
        return;
    m_sx = double(m_form->width()) / m_designSize.width();
    m_sy = double(m_form->height()) / m_designSize.height();
    const auto children = m_form->findChildren<QWidget *>();
    for (QWidget *child : children)
        if (child->property(kGeometry).isValid())
            apply(child);
}

bool ResizeKit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_form && event->type() == QEvent::Resize)
        rescale();
    return QObject::eventFilter(watched, event);
}
