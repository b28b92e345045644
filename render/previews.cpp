#include "previews.h"

#include "centring.h"
#include "control_properties.h"
#include "drawing_board.h"
#include "main_window_refs.h"
#include "shared_lists.h"
#include "style_table.h"

namespace {

constexpr std::int32_t kLabelSize = 9;
constexpr std::int32_t kLabelLeft = 5;
constexpr std::int32_t kLabelTop = 5;
constexpr std::int32_t kChineseNameSize = 36;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kBlack = 0x000000;

// Builds the new list completely before the old one is released.
void ReplaceWithCopies(OneBasedList<Text>& list, const char* SignatureStyle::*column) {
    OneBasedList<Text> copies;
    for (const SignatureStyle& style : kStyleTable)
        copies.Append(Text::FromUtf8(style.*column));
    list.Swap(copies);
}

}  // namespace

void OnMainWindowCreated() {
    for (const SignatureStyle& style : kStyleTable)
        previewBoards.Append(style.board);
    ReplaceWithCopies(styleFonts, &SignatureStyle::family);
    ReplaceWithCopies(styleLabels, &SignatureStyle::label);
    RenderPreviews();
}

void RenderPreviews() {
    Text name = ReadControlText(编辑框1);
    const Text labelFamily = Text::FromUtf8("宋体");
    const std::int32_t count = previewBoards.Count();
    for (std::int32_t i = 1; i <= count; ++i) {
        DrawingBoard* board = FindBoard(previewBoards.At(i));
        if (board == nullptr) continue;
        board->Clear();
        if (ReadChecked(选择框1)) {
            board->SetTextColour(kWhite);
            board->SetBackColour(kBlack);
        } else {
            board->SetTextColour(kBlack);
            board->SetBackColour(kWhite);
        }
        board->SetFontFamily(labelFamily);
        board->SetFontSize(kLabelSize);
        board->SetFontBold(false);
        board->WriteAt(kLabelLeft, kLabelTop, styleLabels.At(i));

        board->SetFontFamily(styleFonts.At(i));
        board->SetFontSize(kChineseNameSize);
        board->SetFontBold(false);
        const std::size_t row = std::size_t(i - 1);
        if (row < kStyleTable.size() && kStyleTable[row].name == NameSource::LatinName) {
            name = ReadControlText(编辑框2);
            board->SetFontSize(kStyleTable[row].size);
            board->SetFontBold(false);
        }

        const std::int32_t x = CentredOffset(board->Width(), board->TextWidth(name));
        const std::int32_t y = CentredOffset(board->Height(), board->TextHeight(name));
        board->WriteAt(x, y, name);
    }
}
