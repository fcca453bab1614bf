// The two image-showing controls of the program's windows.
#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

namespace pelimor {

// A child window that shows one image at its top-left corner on its own
// background colour, can take the keyboard focus in its turn and reports
// clicks (mouse, or Space/Enter while it has the focus).
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget *parent = nullptr);
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    void setBackground(const QColor &colour);
    // Grows the box to its image plus `border` pixels on every side, and
    // draws that one-pixel border.
    void sizeToPicture(int border = 0);
    // A picture that does something when clicked (a link, a command): it
    // shows the strong focus frame and presents itself to assistive
    // technology as a button; otherwise it is a plain graphic.
    void setActsAsButton(bool acts);
    bool actsAsButton() const { return m_actsAsButton; }
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
    QColor m_background;
    int m_border = 0;
    bool m_pressed = false;
    bool m_actsAsButton = false;
};

// A push button that shows a face image instead of a caption. Enter and
// Return press it like Space, as they do a focused push button.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget *parent = nullptr);
    void setFace(const QPixmap &face);
    void setBackground(const QColor &colour);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_face;
    QColor m_background;
    bool m_hover = false;
};

} // namespace pelimor
