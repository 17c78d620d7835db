// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for repainting the calendar: 42 day cells of a 702 x 335
// window over its backdrop, each drawing a masked 24 x 24 picture and a
// number, with plain Qt widgets. The benchmarks that measure the program's
// own repaints run it in the same run and print their ratio to it.
#pragma once

#include <benchmark/benchmark.h>

#include "framework/gui/picture.h"
#include "resources/pictureresources.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

#include <array>

namespace plaincells {

constexpr int kCells = 42;
constexpr int kWidth = 702;
constexpr int kHeight = 335;

struct Cell {
    int x, y;
};

inline Cell CellAt(int i)
{
    return {20 + (i % 7) * 36, 60 + (i / 7) * 36};
}

// Paints the posted updates, as the event loop does before the next frame.
inline void PaintPending()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

// Lets a window just shown be exposed and painted once.
inline void Settle()
{
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

// Cells painted, to check that every iteration repaints all of them.
inline long g_cellPaints = 0;

// The measured loop, once the window is shown: every cell gets a new number
// and is marked for repainting, then the window paints.
template <class Change>
void RefreshAllCells(benchmark::State& state, Change change)
{
    Settle();
    g_cellPaints = 0;
    int n = 0;
    for (auto _ : state) {
        ++n;
        for (int i = 0; i < kCells; ++i)
            change(i, (n + i) % 31 + 1);
        PaintPending();
    }
    state.counters["cells"] = benchmark::Counter(double(g_cellPaints), benchmark::Counter::kAvgIterations);
}

// Premultiplied images, one font.
class PlainCell : public QWidget {
public:
    PlainCell(QWidget* parent, const QImage& mark, const QFont& font) : QWidget(parent), m_mark(mark), m_font(font) {}
    int number = 0;

protected:
    void paintEvent(QPaintEvent*) override
    {
        ++g_cellPaints;
        QPainter p(this);
        p.drawImage(4, 4, m_mark);
        p.setFont(m_font);
        p.setPen(QColor(40, 40, 40));
        p.drawText(QPointF(2, 12), QString::number(number));
    }

private:
    const QImage& m_mark;
    const QFont& m_font;
};

class PlainWindow : public QWidget {
public:
    explicit PlainWindow(const QImage& backdrop) : m_backdrop(backdrop) {}

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        for (const QRect& part : event->region())
            p.drawImage(part.topLeft(), m_backdrop, part);
    }

private:
    const QImage& m_backdrop;
};

inline void BM_PlainQtCells(benchmark::State& state)
{
    const QImage backdrop = backg1()->Composited();
    const QImage mark = heart()->Composited();
    QFont font = QApplication::font();
    font.setPixelSize(13);
    PlainWindow window(backdrop);
    window.setFixedSize(kWidth, kHeight);
    std::array<PlainCell*, kCells> cells{};
    for (int i = 0; i < kCells; ++i) {
        cells[std::size_t(i)] = new PlainCell(&window, mark, font);
        cells[std::size_t(i)]->setGeometry(CellAt(i).x, CellAt(i).y, 32, 32);
    }
    window.show();
    RefreshAllCells(state, [&](int i, int number) {
        cells[std::size_t(i)]->number = number;
        cells[std::size_t(i)]->update();
    });
}

} // namespace plaincells
