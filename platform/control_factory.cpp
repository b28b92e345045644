#include "control_factory.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "colour_qt.h"
#include "drawing_board.h"
#include "file_dialog_control.h"
#include "stand_in_fonts.h"
#include "web_strip.h"
#include "window_description.h"
#include "wrapped_label.h"

QString DisplayText(const char* utf8) {
    if (utf8 == nullptr) return {};
    return QString::fromUtf8(utf8).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

namespace {

void ApplyFont(QWidget* widget, const ControlFont& given) {
    if (given.family == nullptr) return;
    QFont font = widget->font();
    font.setFamilies(FamilyWithStandIns(QString::fromUtf8(given.family)));
    font.setPixelSize(given.pixelHeight);
    font.setWeight(QFont::Weight(given.weight));
    widget->setFont(font);
}

void FillWith(QWidget* widget, Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, ToQColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, Colour colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    widget->setPalette(palette);
}

QLabel* MakeLabel(const ControlRow& row, QWidget* parent, bool transparent) {
    QLabel* label = nullptr;
    if (row.look.wrap) {
        label = new WrappedLabel(DisplayText(row.text), parent);
    } else {
        label = new QLabel(DisplayText(row.text), parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    SetTextColour(label, row.look.textColour);
    if (!transparent) FillWith(label, row.look.backColour);
    return label;
}

QLineEdit* MakeEditBox(const ControlRow& row, QWidget* parent) {
    auto* edit = new QLineEdit(DisplayText(row.text), parent);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    // The selection shows only while the box has the focus.
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    edit->setPalette(palette);
    edit->setCursorPosition(0);
    edit->deselect();
    return edit;
}

QPushButton* MakeButton(const ControlRow& row, QWidget* parent) {
    auto* button = new QPushButton(DisplayText(row.text), parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QCheckBox* MakeCheckBox(const ControlRow& row, QWidget* parent) {
    auto* box = new QCheckBox(DisplayText(row.text), parent);
    box->setChecked(row.look.checked);
    SetTextColour(box, row.look.textColour);
    return box;
}

QWidget* MakePanel(const ControlRow& row, QWidget* parent) {
    auto* panel = new QWidget(parent);
    FillWith(panel, row.look.backColour);
    return panel;
}

QWidget* MakeWidget(const ControlRow& row, QWidget* parent) {
    switch (row.kind) {
        case ControlKind::PictureBox:
            return MakePanel(row, parent);
        case ControlKind::Button:
            return MakeButton(row, parent);
        case ControlKind::Label:
            return MakeLabel(row, parent, false);
        case ControlKind::TransparentLabel:
            return MakeLabel(row, parent, true);
        case ControlKind::EditBox:
            return MakeEditBox(row, parent);
        case ControlKind::CheckBox:
            return MakeCheckBox(row, parent);
        case ControlKind::DrawingBoard:
            return new DrawingBoard(parent, row.width, row.height, row.look.backColour,
                                    row.look.textColour);
        case ControlKind::WebView:
            return new WebStrip(parent, QString::fromUtf8(row.text));
        case ControlKind::FileDialog:
            break;
    }
    return nullptr;
}

}  // namespace

QObject* MakeControl(const ControlRow& row, QWidget* parent, QWidget* window) {
    if (row.kind == ControlKind::FileDialog) {
        if (row.look.dialog == nullptr) return nullptr;
        auto* dialog = new FileDialogControl(window, *row.look.dialog);
        dialog->setObjectName(QString::fromUtf8(row.name));
        return dialog;
    }
    QWidget* widget = MakeWidget(row, parent);
    if (widget == nullptr) return nullptr;
    widget->setObjectName(QString::fromUtf8(row.name));
    ApplyFont(widget, row.look.font);
    widget->setGeometry(row.left, row.top, row.width, row.height);
    widget->setFocusPolicy(row.tab ? Qt::StrongFocus : Qt::NoFocus);
    widget->setVisible(row.visible);
    return widget;
}
