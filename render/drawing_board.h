#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "colour.h"
#include "font_record.h"
#include "text.h"

// A control that keeps everything drawn on it in its own raster and shows a copy of
// it. Every operation works on the raster, so drawing never depends on visibility.
class DrawingBoard : public QWidget {
    Q_OBJECT

  public:
    DrawingBoard(QWidget* parent, int width, int height, Colour backColour, Colour textColour);

    int Width() const { return width(); }
    int Height() const { return height(); }
    Colour BackColour() const { return backColour_; }
    Colour TextColour() const { return textColour_; }

    void SetBackColour(Colour colour);
    void SetTextColour(Colour colour) { textColour_ = colour; }
    void SetFontFamily(const Text& family);
    void SetFontSize(std::int32_t points);
    void SetFontBold(bool bold);

    void Clear();
    void WriteAt(std::int32_t x, std::int32_t y, const Text& text);
    std::int32_t TextWidth(const Text& text) const;
    std::int32_t TextHeight(const Text& text) const;
    void CopyTo(DrawingBoard& destination, std::int32_t x, std::int32_t y) const;
    // New outer size; the drawing survives in the top-left corner.
    void Resize(int width, int height);
    // Moves and sizes the board in one step; a change of size goes through Resize.
    void SetOuterBounds(const QRect& bounds);
    // The raster as the bytes of a 24-bit bitmap file; empty when it cannot be made.
    QByteArray ExportPicture() const;

    // The font that WriteAt, TextWidth and TextHeight use now.
    const QFont& CurrentFont() const { return font_; }
    // A copy of the raster, for checks that compare pixels.
    QImage Snapshot() const { return raster_.copy(); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void ChangeFont(const std::function<void(FontRecord&)>& change);
    QImage MakeRaster(int width, int height) const;

    Colour backColour_;
    Colour textColour_;
    FontRecord record_;
    QFont font_;
    QImage raster_;
};
