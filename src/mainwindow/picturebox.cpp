#include "mainwindow/picturebox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace pelimor {

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), m_background(palette().color(QPalette::Base))
{
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setPicture(const QPixmap &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

void PictureBox::sizeToPicture(int border)
{
    m_border = border;
    if (!m_picture.isNull())
        resize(m_picture.deviceIndependentSize().toSize() + QSize(2 * border, 2 * border));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    p.drawPixmap(m_border, m_border, m_picture);
    if (m_border > 0) {
        p.setPen(palette().color(QPalette::Mid));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = m_background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (event->button() == Qt::LeftButton && wasPressed && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void PictureBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QWidget::keyPressEvent(event);
}

PictureButton::PictureButton(QWidget *parent) : QAbstractButton(parent), m_background(palette().color(QPalette::Button))
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setFace(const QPixmap &face)
{
    m_face = face;
    update();
}

void PictureButton::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

QSize PictureButton::sizeHint() const
{
    return m_face.isNull() ? QSize(24, 24) : m_face.deviceIndependentSize().toSize();
}

void PictureButton::enterEvent(QEnterEvent *event)
{
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent *event)
{
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_background);
    // The face is centred and follows the press by one pixel, the way a
    // picture button always has; a disabled button shows its face dimmed.
    const QSize face = m_face.deviceIndependentSize().toSize();
    QPoint at((width() - face.width()) / 2, (height() - face.height()) / 2);
    if (isDown())
        at += QPoint(1, 1);
    if (!isEnabled())
        p.setOpacity(0.45);
    p.drawPixmap(at, m_face);
    p.setOpacity(1.0);
    if (isEnabled() && (m_hover || isDown())) {
        p.setPen(QColor(0xB0, 0xC4, 0xDE));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(2, 2, -2, -2);
        option.backgroundColor = m_background;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
    }
}

} // namespace pelimor
