#pragma once

#include "control_ref.h"
#include "one_based_list.h"
#include "text.h"

// The program's only state of its own: the preview boards and, with the same indices,
// the font family and label of each signature style.
extern OneBasedList<ControlRef> previewBoards;
extern OneBasedList<Text> styleFonts;
extern OneBasedList<Text> styleLabels;

// Makes the three lists, each empty.
void CreateSharedLists();
// The exit routine: releases the lists and the texts they own.
void ReleaseSharedLists();
// How often ReleaseSharedLists has run in this process; observed by the test programs.
int SharedListsReleaseCount();
