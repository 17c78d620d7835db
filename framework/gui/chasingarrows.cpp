// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/chasingarrows.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace fw {

namespace {
// Twelve spokes, the brightest one going round while the widget shows.
class SpinnerWidget : public QWidget {
public:
    explicit SpinnerWidget(QWidget* parent) : QWidget(parent), m_timer(new QTimer(this))
    {
        m_timer->setInterval(80);
        QObject::connect(m_timer, &QTimer::timeout, this, [this] {
            m_step = (m_step + 1) % 12;
            update();
        });
    }

protected:
    void showEvent(QShowEvent*) override { m_timer->start(); }
    void hideEvent(QHideEvent*) override { m_timer->stop(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double radius = std::min(width(), height()) / 2.0;
        painter.translate(width() / 2.0, height() / 2.0);
        for (int i = 0; i < 12; ++i) {
            const int age = (m_step - i + 12) % 12;
            painter.setPen(QPen(QColor(0, 0, 0, 255 - age * 18), std::max(radius / 5, 1.0), Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(QPointF(0, -radius * 0.45), QPointF(0, -radius * 0.9));
            painter.rotate(30);
        }
    }

private:
    QTimer* m_timer;
    int m_step = 0;
};
} // namespace

ChasingArrows::ChasingArrows(fw::Window& window) : Control(window) {}

QWidget* ChasingArrows::MakeWidget(QWidget* content)
{
    return new SpinnerWidget(content);
}

} // namespace fw
