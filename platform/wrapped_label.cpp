#include "wrapped_label.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <cmath>

WrappedLabel::WrappedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int WrappedLabel::LineAdvance() const {
    const int pixels = font().pixelSize();
    return pixels > 0 ? pixels : fontMetrics().height();
}

void WrappedLabel::LayOut(const std::function<void(const QTextLine&, int top)>& visit) const {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WordWrap);
    int top = 0;
    for (const QString& paragraph : text().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font());
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine())
            line.setLineWidth(width());
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            visit(layout.lineAt(i), top);
            top += LineAdvance();
        }
    }
}

int WrappedLabel::LineCount() const {
    int lines = 0;
    LayOut([&lines](const QTextLine&, int) { ++lines; });
    return lines;
}

void WrappedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    // The face's ascent and descent, scaled into one character height, place the baseline.
    const QFontMetricsF metrics(font());
    const qreal baseline =
        std::round(LineAdvance() * metrics.ascent() / (metrics.ascent() + metrics.descent()));
    LayOut([&](const QTextLine& line, int top) {
        if (top >= height()) return;
        line.draw(&painter, QPointF(0, top + baseline - line.ascent()));
    });
}
