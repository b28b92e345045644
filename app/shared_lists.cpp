#include "shared_lists.h"

OneBasedList<ControlRef> previewBoards;
OneBasedList<Text> styleFonts;
OneBasedList<Text> styleLabels;

namespace {
int releaseCount = 0;
}

void CreateSharedLists() {
    previewBoards.Release();
    styleFonts.Release();
    styleLabels.Release();
}

void ReleaseSharedLists() {
    previewBoards.Release();
    styleFonts.Release();
    styleLabels.Release();
    ++releaseCount;
}

int SharedListsReleaseCount() {
    return releaseCount;
}
