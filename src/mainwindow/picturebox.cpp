#include "mainwindow/picturebox.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace pelimor {
namespace {

// The style's dotted focus rectangle all but disappears on a picture, so the
// controls that act draw their own: a two-pixel orange ring that stands out
// on the white window and on the blue Burn face alike, with a white line
// inside it to part it from a dark face.
const QColor focusRing(0xC8, 0x4B, 0x00);

void drawFocusFrame(QPainter &p, const QRect &area)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(focusRing, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
    p.setPen(QPen(Qt::white, 1));
    p.drawRect(area.adjusted(2, 2, -3, -3));
    p.restore();
}

// The part of a child that its parent does not cut off: a picture box may
// reach past the window's edge, and a frame drawn there would be lost.
QRect visiblePart(const QWidget *w)
{
    const QWidget *parent = w->parentWidget();
    if (!parent)
        return w->rect();
    return w->rect().intersected(QRect(w->mapFromParent(QPoint(0, 0)), parent->size()));
}

// How a picture box appears to screen readers: a button that can be pressed
// when it acts, a graphic otherwise; its name is its accessible name.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox *box) : QAccessibleWidget(box) {}
    QAccessible::Role role() const override
    {
        return box()->actsAsButton() ? QAccessible::Button : QAccessible::Graphic;
    }
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (box()->actsAsButton())
            names.prepend(pressAction());
        return names;
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction() && box()->actsAsButton() && box()->isEnabled())
            box()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    PictureBox *box() const { return static_cast<PictureBox *>(widget()); }
};

QAccessibleInterface *pictureBoxAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()) && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<PictureBox *>(object));
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent) : QWidget(parent), m_background(palette().color(QPalette::Base))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureBoxAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::setActsAsButton(bool acts)
{
    m_actsAsButton = acts;
    update();
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
    if (hasFocus() && m_actsAsButton) {
        drawFocusFrame(p, visiblePart(this));
    } else if (hasFocus()) {
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
    if (hasFocus())
        drawFocusFrame(p, visiblePart(this));
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace pelimor
