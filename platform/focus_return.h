#pragma once

#include <QPointer>
#include <QWidget>

// Gives the keyboard focus back to where it was in a window once a modal dialog over it
// has closed: the window is activated again and its focus widget, if it still exists,
// takes the focus. Not every desktop does that itself (none does without a window
// manager). Capture before the dialog opens; the focus returns when the object goes.
class FocusReturn {
  public:
    explicit FocusReturn(QWidget* window);
    ~FocusReturn();
    FocusReturn(const FocusReturn&) = delete;
    FocusReturn& operator=(const FocusReturn&) = delete;

  private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};
