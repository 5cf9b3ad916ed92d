#pragma once
class QLabel;

// A label whose text would run into something drawn beside it (a box's picture, a table's frame) is
// set smaller than its designed size designedPx until its text is at most room pixels wide, down to
// smallestPx pixels; a text that fits gets the designed size back. Accelerator marks ("&") take no
// room.
void FitLabelWidth(QLabel* label, int room, int designedPx, int smallestPx = 10);
