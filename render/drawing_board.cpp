#include "drawing_board.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstring>

#include "allocation.h"
#include "bitmap_writer.h"
#include "colour_qt.h"

namespace {

double LogicalDotsPerInchY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->logicalDotsPerInchY() : 96.0;
}

}  // namespace

DrawingBoard::DrawingBoard(QWidget* parent, int width, int height, Colour backColour,
                           Colour textColour)
    : QWidget(parent),
      backColour_(backColour),
      textColour_(textColour),
      font_(QApplication::font()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    resize(width, height);
    raster_ = MakeRaster(width, height);
}

QImage DrawingBoard::MakeRaster(int width, int height) const {
    QImage raster(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    if (raster.isNull())
        ReportAllocationFailure(std::size_t(std::max(width, 1)) * std::max(height, 1) * 4);
    // Point-sized fonts then measure on the raster as they do on the screen.
    const int dotsPerMetre = qRound(LogicalDotsPerInchY() / 0.0254);
    raster.setDotsPerMeterX(dotsPerMetre);
    raster.setDotsPerMeterY(dotsPerMetre);
    raster.fill(ToQColor(backColour_));
    return raster;
}

void DrawingBoard::SetBackColour(Colour colour) {
    if (colour == backColour_) return;
    backColour_ = colour;
    raster_ = MakeRaster(width(), height());
    update();
}

void DrawingBoard::ChangeFont(const std::function<void(FontRecord&)>& change) {
    const double dotsPerInch = LogicalDotsPerInchY();
    if (!record_.stored) record_ = RecordFromDefaultFont(QApplication::font(), dotsPerInch);
    change(record_);
    font_ = RealiseFont(record_, QApplication::font(), dotsPerInch);
}

void DrawingBoard::SetFontFamily(const Text& family) {
    ChangeFont([&](FontRecord& r) { r.family = FamilyToStore(family); });
}

void DrawingBoard::SetFontSize(std::int32_t points) {
    ChangeFont([&](FontRecord& r) { r.size = std::max(points, 0); });
}

void DrawingBoard::SetFontBold(bool bold) {
    ChangeFont([&](FontRecord& r) { r.bold = bold; });
}

void DrawingBoard::Clear() {
    raster_.fill(ToQColor(backColour_));
    update();
}

void DrawingBoard::WriteAt(std::int32_t x, std::int32_t y, const Text& text) {
    if (text.IsEmpty()) return;
    const QString line = text.ToQString();
    const QFontMetrics metrics(font_, &raster_);
    // Text that lies wholly outside the raster draws nothing; skipping it also keeps
    // far-off coordinates away from the painter's fixed-point arithmetic.
    const qint64 right = qint64(x) + metrics.horizontalAdvance(line);
    const qint64 bottom = qint64(y) + metrics.height();
    if (x >= raster_.width() || y >= raster_.height() || right <= 0 || bottom <= 0) return;
    QPainter painter(&raster_);
    painter.setFont(font_);
    painter.setPen(ToQColor(textColour_));
    painter.drawText(x, y + metrics.ascent(), line);
    painter.end();
    update();
}

std::int32_t DrawingBoard::TextWidth(const Text& text) const {
    if (text.IsEmpty()) return 0;
    return QFontMetrics(font_, &raster_).horizontalAdvance(text.ToQString());
}

std::int32_t DrawingBoard::TextHeight(const Text& text) const {
    if (text.IsEmpty()) return 0;
    return QFontMetrics(font_, &raster_).height();
}

void DrawingBoard::CopyTo(DrawingBoard& destination, std::int32_t x, std::int32_t y) const {
    QImage& target = destination.raster_;
    // Plain pixel copy of the overlap, computed in 64 bits so no offset can overflow.
    const qint64 left = std::max<qint64>(x, 0);
    const qint64 top = std::max<qint64>(y, 0);
    const qint64 right = std::min<qint64>(qint64(x) + raster_.width(), target.width());
    const qint64 bottom = std::min<qint64>(qint64(y) + raster_.height(), target.height());
    if (right <= left || bottom <= top) return;
    const std::size_t rowBytes = std::size_t(right - left) * 4;
    for (qint64 row = top; row < bottom; ++row) {
        const uchar* from = raster_.constScanLine(int(row - y)) + (left - x) * 4;
        std::memcpy(target.scanLine(int(row)) + left * 4, from, rowBytes);
    }
    destination.update();
}

void DrawingBoard::Resize(int width, int height) { SetOuterBounds(QRect(pos(), QSize(width, height))); }

void DrawingBoard::SetOuterBounds(const QRect& bounds) {
    if (bounds.size() != size()) {
        QImage grown = MakeRaster(bounds.width(), bounds.height());
        const int columns = std::min(grown.width(), raster_.width());
        const int rows = std::min(grown.height(), raster_.height());
        for (int row = 0; row < rows; ++row)
            std::memcpy(grown.scanLine(row), raster_.constScanLine(row), std::size_t(columns) * 4);
        raster_ = std::move(grown);
    }
    if (bounds != geometry()) setGeometry(bounds);
    update();
}

QByteArray DrawingBoard::ExportPicture() const {
    return EncodeBitmap(raster_);
}

void DrawingBoard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, raster_);
}
