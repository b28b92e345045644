#pragma once

// The created event of the main window: fills the shared lists from the style table,
// then draws the first previews.
void OnMainWindowCreated();

// Redraws all six preview boards from the current names and the invert option.
void RenderPreviews();
