#pragma once

class DrawingBoard;

// Copies the preview boards, as the last preview left them, onto the hidden board
// 保存图片, two across and three down, after sizing that board to the composite. Returns
// the board, or null when the main window has none.
DrawingBoard* ComposePreviews();

// The click handler of 按钮2 "保存图片": asks for a file with 通用对话框1, composes the
// previews and writes them there as a bitmap. A save that fails says so in a warning box;
// a cancelled dialog does nothing at all.
void SaveCompositePicture();
