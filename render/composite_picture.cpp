#include "composite_picture.h"

#include "control_properties.h"
#include "control_registry.h"
#include "drawing_board.h"
#include "file_dialog_control.h"
#include "main_window_refs.h"
#include "picture_file.h"
#include "real_numbers.h"
#include "set_bounds.h"
#include "shared_lists.h"

namespace {

// The layout follows the first preview board alone; every board is taken to have its size.
int FirstBoardWidth() {
    const DrawingBoard* first = FindBoard(previewBoards.At(1));
    return first != nullptr ? first->Width() : 0;
}

int FirstBoardHeight() {
    const DrawingBoard* first = FindBoard(previewBoards.At(1));
    return first != nullptr ? first->Height() : 0;
}

}  // namespace

DrawingBoard* ComposePreviews() {
    const double w1 = FirstBoardWidth();
    const double n = previewBoards.Count();
    const double h1 = FirstBoardHeight();
    SetBounds(保存图片, {}, {}, TruncateToInt(w1 * 2.0), TruncateToInt(h1 * (n / 2.0)));
    DrawingBoard* composite = FindBoard(保存图片);
    if (composite == nullptr) return nullptr;

    std::int32_t y = 0;
    const std::int32_t count = previewBoards.Count();
    for (std::int32_t i = 1; i <= count; ++i) {
        const std::int32_t x = IsEvenByRealRemainder(i) ? FirstBoardWidth() : 0;
        if (const DrawingBoard* board = FindBoard(previewBoards.At(i)))
            board->CopyTo(*composite, x, y);
        // The row advances after each board of the right column.
        if (x > 0) y = TruncateToInt(double(y) + double(FirstBoardHeight()));
    }
    return composite;
}

void SaveCompositePicture() {
    auto* dialog = ControlRegistry::FindAs<FileDialogControl>(通用对话框1);
    if (dialog == nullptr || !dialog->Open()) return;
    DrawingBoard* composite = ComposePreviews();
    if (composite == nullptr) return;
    const QByteArray picture = composite->ExportPicture();
    const Text path = dialog->FileName();
    SavePictureOrWarn(composite->window(), path, picture);
}
