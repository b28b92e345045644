#pragma once

#include <QList>
#include <QPair>
#include <QPointer>
#include <QWidget>
#include <cstdint>

struct WindowDescription;

// A top-level window built from a description. It is loaded from its construction until
// it closes. While it is open modally it keeps the windows it disabled, with the enabled
// state each had, and gives each its state back when it closes.
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
    // Sets the modal flag, records every other loaded window with its enabled state, in
    // the order they were loaded, and disables it. `opener`, the window this one was
    // opened from, takes the input again when this one closes.
    void DisableOthersForModalWait(LoadedWindow* opener);
    // The windows recorded by DisableOthersForModalWait, with the states they had.
    QList<QPair<QPointer<LoadedWindow>, bool>> DisabledWindows() const { return disabled_; }

    // Enables or disables the window's input. A window disabled this way gives the focus
    // back to the control that had it once it is enabled again.
    void SetInputEnabled(bool enabled);

    // The windows of the program that are loaded now, in the order they were loaded.
    static QList<LoadedWindow*> All();
    static LoadedWindow* Find(std::uint32_t number);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Unload();
    void RestoreDisabledWindows();

    std::uint32_t number_;
    QList<QWidget*> focusOrder_;
    bool modal_ = false;
    QList<QPair<QPointer<LoadedWindow>, bool>> disabled_;
    QPointer<LoadedWindow> opener_;
    QPointer<QWidget> focusBeforeDisabled_;
};

// After the event loop has started, the destruction of a window that leaves no window of
// the program loaded posts a quit request with status 0.
void MarkEventLoopStarted();
