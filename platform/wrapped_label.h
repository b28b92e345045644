#pragma once

#include <QLabel>
#include <functional>

class QTextLine;

// A label whose text is wrapped at its width and laid out from its top-left corner, one
// line every character height (the font's pixel height), the spacing the window tables
// were drawn for. Faces that stand in for a family space their lines wider; this keeps a
// text on the lines it was meant to fill, whatever face draws it. Each line break of the
// text ends a line; what passes the edges is cut off.
class WrappedLabel : public QLabel {
    Q_OBJECT

  public:
    WrappedLabel(const QString& text, QWidget* parent);

    // How many lines the text fills, and how far down they reach, at the current width.
    int LineCount() const;
    int TextHeight() const { return LineCount() * LineAdvance(); }
    int LineAdvance() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Lays the text out and hands each line with the top of its row to `visit`.
    void LayOut(const std::function<void(const QTextLine&, int top)>& visit) const;
};
