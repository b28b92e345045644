#include <QtTest>
#include <optional>

#include "control_registry.h"
#include "drawing_board.h"
#include "set_bounds.h"

namespace {

using Value = std::optional<int>;

struct Request {
    Value left, top, width, height;
};

// Counts the move, size and paint events a control gets.
class Notifications : public QObject {
  public:
    int moves = 0;
    int resizes = 0;
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Move) ++moves;
        if (event->type() == QEvent::Resize) ++resizes;
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

constexpr QRect kStart(10, 20, 56, 32);
constexpr ControlRef kBoardRef{0x7E570001, 0x16010032};

}  // namespace

Q_DECLARE_METATYPE(Request)

class SetBoundsTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();
    void movesAndSizesAsAsked_data();
    void movesAndSizesAsAsked();
    void boardTakesItsNewSizeThroughItsRaster();

  private:
    QWidget* window_ = nullptr;
    QWidget* panel_ = nullptr;
    DrawingBoard* board_ = nullptr;
};

void SetBoundsTest::init() {
    window_ = new QWidget;
    window_->resize(300, 200);
    panel_ = new QWidget(window_);
    panel_->setGeometry(kStart);
    board_ = new DrawingBoard(window_, kStart.width(), kStart.height(), 0xFFFFFF, 0x000000);
    board_->setGeometry(kStart);
    ControlRegistry::Register(kBoardRef, board_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
}

void SetBoundsTest::cleanup() {
    delete window_;
}

void SetBoundsTest::movesAndSizesAsAsked_data() {
    QTest::addColumn<bool>("board");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QRect>("expected");

    const Value none;
    const struct {
        const char* name;
        Request request;
        QRect expected;
    } cases[] = {
        {"width and height only", {none, none, 120, 40}, {10, 20, 120, 40}},
        {"width -1 keeps the width", {none, none, -1, 50}, {10, 20, 56, 50}},
        {"height -1 keeps the height", {none, none, 80, -1}, {10, 20, 80, 32}},
        {"left moves, width stays", {30, none, none, none}, {30, 20, 56, 32}},
        {"negative top and a height", {none, -5, none, 10}, {10, -5, 56, 10}},
        {"everything at once", {0, 1, 2, 3}, {0, 1, 2, 3}},
        {"width and height -1", {none, none, -1, -1}, kStart},
        {"the same size again", {none, none, 56, 32}, kStart},
        {"the same rectangle again", {10, 20, 56, 32}, kStart},
        {"nothing given", {none, none, none, none}, kStart},
    };
    for (bool board : {false, true})
        for (const auto& c : cases)
            QTest::addRow("%s: %s", board ? "board" : "panel", c.name)
                << board << c.request << c.expected;
}

void SetBoundsTest::movesAndSizesAsAsked() {
    QFETCH(bool, board);
    QFETCH(Request, request);
    QFETCH(QRect, expected);
    QWidget* control = board ? static_cast<QWidget*>(board_) : panel_;
    QTest::qWait(50);  // the first paint is over
    Notifications seen;
    control->installEventFilter(&seen);

    if (board)
        SetBounds(kBoardRef, request.left, request.top, request.width, request.height);
    else
        SetBounds(control, request.left, request.top, request.width, request.height);
    QCoreApplication::processEvents();

    QCOMPARE(control->geometry(), expected);
    // An unchanged rectangle gives no notification and no repaint; a change comes in one
    // step and is shown.
    if (expected == kStart) {
        QCOMPARE(seen.moves, 0);
        QCOMPARE(seen.resizes, 0);
        QCOMPARE(seen.paints, 0);
    } else if (!expected.isEmpty()) {
        QTRY_VERIFY(seen.paints > 0);
    }
    if (expected.topLeft() != kStart.topLeft()) QCOMPARE(seen.moves, 1);
    QCOMPARE(seen.resizes, expected.size() != kStart.size() ? 1 : 0);
}

void SetBoundsTest::boardTakesItsNewSizeThroughItsRaster() {
    // The save flow sizes the hidden board this way before it copies the previews in.
    SetBounds(kBoardRef, std::nullopt, std::nullopt, 360, 300);
    QCOMPARE(board_->geometry(), QRect(10, 20, 360, 300));
    QCOMPARE(board_->Snapshot().size(), QSize(360, 300));
    SetBounds(kBoardRef, std::nullopt, std::nullopt, -1, 30);
    QCOMPARE(board_->Snapshot().size(), QSize(360, 30));
}

QTEST_MAIN(SetBoundsTest)
#include "test_set_bounds.moc"
