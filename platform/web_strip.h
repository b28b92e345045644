#pragma once

#include <QString>
#include <QWidget>

// The strip that shows the configured page. It is white until the page draws; the web
// engine starts only after the strip has first been painted, so it never holds back
// the window's first frame. Without a web engine in the build the strip stays white.
class WebStrip : public QWidget {
    Q_OBJECT

  public:
    WebStrip(QWidget* parent, QString address);

    QString Address() const { return address_; }
    // The engine's view, once it has started; null before that or without an engine.
    QWidget* View() const { return view_; }
    static bool EngineAvailable();
    // Tests of other behaviour build their windows with the plain white strip.
    static void SetEngineAllowed(bool allowed);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void StartEngine();

    QString address_;
    bool started_ = false;
    QWidget* view_ = nullptr;
};
