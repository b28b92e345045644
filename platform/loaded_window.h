#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>
#include <cstdint>

struct WindowDescription;

// A top-level window built from a description. While it is open modally it remembers
// the windows it disabled, with the state each had, and gives it back when it closes.
class LoadedWindow : public QWidget {
    Q_OBJECT

  public:
    explicit LoadedWindow(const WindowDescription& description);
    ~LoadedWindow() override;

    std::uint32_t Number() const { return number_; }
    // The controls that take the focus, in the order Tab walks them.
    const QList<QWidget*>& FocusOrder() const { return focusOrder_; }
    void SetFocusOrder(QList<QWidget*> order) { focusOrder_ = std::move(order); }
    bool IsModal() const { return modal_; }
    // Records every other loaded window with its enabled state, then disables it.
    void DisableOthersForModalWait();

    // The windows of the program that exist now, in the order they were loaded.
    static QList<LoadedWindow*> All();
    static LoadedWindow* Find(std::uint32_t number);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void RestoreDisabledWindows();

    std::uint32_t number_;
    QList<QWidget*> focusOrder_;
    bool modal_ = false;
    QList<QPair<QPointer<QWidget>, bool>> disabled_;
};

// After the event loop has started, the destruction of the program's last window posts
// a quit request with status 0.
void MarkEventLoopStarted();
